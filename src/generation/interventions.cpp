// Overcalls after an opponent's opening.
#include "interventions.h"

#include "evaluation.h"
#include "formes.h"
#include "mesures_main.h"
#include "ouvertures.h"
#include "score.h"

namespace {

constexpr int PIQ = 0, COE = 1, CAR = 2, TRE = 3;  // suit indexes

// The overcaller's hand, measured once even by the pass test, which tries
// every overcall.
using Main = MesuresMain;

inline bool couleur_valide(int s) { return s >= 0 && s <= 3; }

bool int1(Main& m, int s, bool v) {
    const int L = m.l[s];
    if (L < 5 || m.p >= 18) return false;
    const int t3 = m.top(s, 3), t6 = m.top(s, 6);
    if (!v) {
        if (t3 >= 2 || (t3 == 1 && t6 >= 2)) return true;
        if (m.p >= 6 && aas(m.d, m.seat, s)) return true;
    }
    if (m.dh() >= 13) return true;
    if ((t3 >= 2 || t6 >= 3) && m.dh() >= 10) return true;
    return L == 6 && t3 >= 1 && m.p >= 8;
}

bool int1sur(Main& m, int o, bool v) {
    if (o < 1) return false;
    if (int1(m, PIQ, v)) return true;
    if (o == 1) return false;
    if (int1(m, COE, v)) return true;
    if (o == 3) return int1(m, CAR, v);
    return false;
}

// Over 1SA (o = -1) there is no opened suit to stop: false before any look
// at the hand, so no stopper is ever asked for in a suit that does not exist.
bool int1SA(Main& m, int o) {
    if (!couleur_valide(o)) return false;
    if (arrets(m.d, m.seat, o) < 100) return false;
    const int hl = m.hl();
    if (hl < 16 || hl > 18 || m.s[0] < 2) return false;
    if (m.l[PIQ] > 5 || m.l[COE] > 5) return false;
    if (o < 2 && m.l[COE] == 5) return false;
    if (m.l[PIQ] == 5 && o != 3) return false;
    return true;
}

bool int2(Main& m, int s) {
    if (!coul_plus_longue(m.d, m.seat, s, 0)) return false;
    const int L = m.l[s];
    if (L >= 5 && m.p + m.top(s, 5) >= 16) return true;
    return L >= 6 && m.dh() >= 12;
}

bool int2sur(Main& m, int o) {
    if (int2(m, TRE)) return true;
    if (o == 1 || o == 2) return false;
    return int2(m, o == 3 ? CAR : COE);
}

bool int_bic(const Main& m, int s1, int s2, bool v) {
    if (!cond_bicolore(m.d, m.seat, s1, s2, 1, 2)) return false;
    const int force = points(m.d, m.seat, s1) + points(m.d, m.seat, s2) + 2 * (m.l[s1] + m.l[s2]) - 20 +
                      (v ? 0 : 4);
    return force >= 10;
}

bool landy(const Main& m) {
    const int pi = m.l[PIQ], co = m.l[COE];
    if (pi < 4 && co < 4) return false;
    const int pm = points(m.d, m.seat, PIQ) + points(m.d, m.seat, COE);
    if (pi >= 5 && co >= 5 && pm >= 6) return true;
    return pm - m.s[0] + pi + co >= 18;
}

// --- the calls ----------------------------------------------------------------

bool passe_int(Main& m, int o, bool v) {
    if (m.p >= 18) return false;
    return !int1sur(m, o, v) && !int1SA(m, o) && !int2sur(m, o);
}

// 1 ♠ over 1 ♣, 1 ♦ or 1 ♥: a one-level spade overcall that is neither a weak
// two, a two-suiter shown another way, nor a three-level preempt. A preempt
// has at most 10 HCP: the preempt test alone also takes stronger hands
// (seven spades with three top honours when not vulnerable), which overcall
// 1 ♠.
bool un_pique(Main& m, int sur, int board, bool v) {
    if (!int1(m, PIQ, v)) return false;
    if (cond_2Mfaible(PIQ, m.d, m.seat, v)) return false;
    if (sur != 11 && int_bic(m, PIQ, CAR, v)) return false;
    if (sur != 10 && int_bic(m, PIQ, TRE, v)) return false;
    if (sur != 12 && int_bic(m, PIQ, COE, v)) return false;
    return m.p > 10 || !ouv_barrage_nat(m.d, m.seat, PIQ, 3, board);
}

bool contre(Main& m, int sur, bool v) {
    if (m.p >= 18) return true;
    const int pi = m.l[PIQ], co = m.l[COE], ka = m.l[CAR], tr = m.l[TRE];
    switch (sur) {
        case 10:
        case 11:
            if (co > 4 || pi > 4 || co + pi < 7) return false;
            return m.p - (sur == 10 ? tr : ka) >= 10;
        case 12:
            if (tr > 5 || ka > 5 || pi < 3 || pi > 4) return false;
            return m.p + pi - co >= 14;
        case 13:
            if (co < 4 || co > 5 || m.p + co - pi < 14) return false;
            if (int_bic(m, COE, CAR, v) || int_bic(m, COE, TRE, v) || int_bic(m, CAR, TRE, v)) return false;
            return !int2(m, COE) && !int2(m, CAR) && !int2(m, TRE);
        default:
            return false;
    }
}

// Over 3 ♠ only the double has a rule; a hand strong enough with a spade
// stopper is kept for 3SA, which the catalogue does not offer.
bool contre_3P(Main& m) {
    const int a = arrets(m.d, m.seat, PIQ);
    if (m.p >= 16 && a >= 100 && a <= 500) return false;
    const int pi = m.l[PIQ], co = m.l[COE], ka = m.l[CAR], tr = m.l[TRE];
    if (m.p < 18 && (co < 3 || co > 5)) return false;
    return m.p + co - pi >= 15 && ka >= 2 && tr >= 2;
}

bool par_valide(int par) {
    switch (par) {
        case 0: case 8: case 10: case 11: case 12: case 13: case 14:
        case 20: case 21: case 22: case 24: case 30:
            return true;
        default:
            return false;
    }
}

bool sur_valide(int sur) { return (sur >= 10 && sur <= 14) || sur == 33; }

}  // namespace

bool cond_int1(const char* deal, int seat, int suit, bool vulnerable) {
    if (!couleur_valide(suit)) return false;
    Main m(deal, seat);
    return int1(m, suit, vulnerable);
}

bool cond_int1sur(const char* deal, int seat, int o, bool vulnerable) {
    if (o < 1) return false;
    Main m(deal, seat);
    return int1sur(m, o, vulnerable);
}

bool cond_int1SA(const char* deal, int seat, int o) {
    if (!couleur_valide(o)) return false;
    Main m(deal, seat);
    return int1SA(m, o);
}

bool cond_int2(const char* deal, int seat, int suit, bool /*vulnerable*/) {
    if (!couleur_valide(suit)) return false;
    Main m(deal, seat);
    return int2(m, suit);
}

bool cond_int2sur(const char* deal, int seat, int o, bool /*vulnerable*/) {
    Main m(deal, seat);
    return int2sur(m, o);
}

bool cond_int_bic(const char* deal, int seat, int s1, int s2, bool vulnerable) {
    if (!couleur_valide(s1) || !couleur_valide(s2)) return false;
    const Main m(deal, seat);
    return int_bic(m, s1, s2, vulnerable);
}

bool cond_Landy(const char* deal, int seat, bool /*vulnerable*/) {
    const Main m(deal, seat);
    return landy(m);
}

bool intervention_definie(int par, int sur) {
    if (!par_valide(par) || !sur_valide(sur)) return false;
    switch (par) {
        case 0: case 20: case 24: return true;
        case 8: return true;  // over 1SA only the 18-point double
        case 14: return sur != 14;
        case 13: return sur == 10 || sur == 11 || sur == 12;
        case 21: return sur <= 13;
        case 12: return sur == 10 || sur == 11;
        case 11: return sur == 10;
        case 22: return sur == 12;
        case 30: return sur == 12 || sur == 13;
        default: return false;
    }
}

bool intervention(const char* deal, const Condouv& c, int board) {
    if (c.params.size() < 2 || c.joueur < 0 || c.joueur > 3) return false;
    const int par = c.params[0], sur = c.params[1];
    if (!intervention_definie(par, sur)) return false;
    const int seat = c.joueur;
    const int o = 3 - sur % 10;  // -1 over 1SA
    const bool v = vul(seat, board);
    Main m(deal, seat);

    switch (par) {
        case 0: return passe_int(m, o, v);
        case 8:
            if (m.p >= 18) return true;
            return sur == 33 ? contre_3P(m) : contre(m, sur, v);
        case 14: return int1SA(m, o);
        case 20: return (sur == 14 || sur == 33) ? landy(m) : int2(m, TRE);
        case 24:
            if (sur == 10) return int_bic(m, COE, CAR, v);
            if (sur == 11) return int_bic(m, COE, TRE, v);
            return int_bic(m, CAR, TRE, v);
        case 13: return un_pique(m, sur, board, v);
        case 21: return sur <= 11 ? int_bic(m, PIQ, COE, v) : int2(m, CAR);
        case 12: return int1(m, COE, v) && !int1(m, PIQ, v);
        case 11: return !int1(m, COE, v) && !int1(m, PIQ, v) && int1(m, CAR, v);
        case 22: return int_bic(m, PIQ, TRE, v);
        case 30:
            if (sur == 12) return int_bic(m, PIQ, CAR, v) && m.l[PIQ] <= m.l[CAR];
            return int_bic(m, COE, CAR, v) && m.l[COE] <= m.l[CAR];
        default: return false;
    }
}
