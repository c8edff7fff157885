// Opening bids of the SEF bidding system.
#include "ouvertures.h"

#include "evaluation.h"
#include "mesures_main.h"
#include "score.h"

namespace {

constexpr int PIQ = 0, COE = 1, CAR = 2, TRE = 3;  // suit indexes

// The opener's hand, with the two tests that several openings share.
class Main : public MesuresMain {
public:
    using MesuresMain::MesuresMain;
    bool majeure5() const { return l[PIQ] == 5 || l[COE] == 5; }
    // A hand for a strong opening rather than one at the one level.
    bool forte() { return p >= 22 || dh() >= 24; }
    // Too weak for a one-level opening.
    bool faible() { return p <= 9 || ((p == 10 || p == 11) && dh() < 13); }
};

// The particularité of a one-level suit opening, checked once its own rules
// accept; f admits a five-card major in the balanced range.
bool particularite(const Main& m, int q, bool f) {
    if (q == partic_1214) return m.sa(0, f);
    if (q == partic_1819) return m.sa(2, f);
    return true;
}

bool un_trefle(Main& m, int q) {
    if (m.p < 11 || m.p > 21 || m.dh() < 12) return false;
    const int pi = m.l[PIQ], co = m.l[COE], ka = m.l[CAR], tr = m.l[TRE];
    bool ok;
    if (m.sa(1, true)) {
        ok = m.p == 15 && m.x() == 4423;
    } else if (m.sa(3, true)) {
        ok = false;
    } else if (tr <= 3) {
        // The four-card suits are majors; 4-4-3-2 with three diamonds opens 1 ♦.
        ok = m.x() != 4432 && m.s[3] == 4 && ka <= 3;
    } else if (tr == 4) {
        const int x = m.x();
        if (x == 2344 || x == 3244)
            ok = points(m.d, m.seat, TRE) >= 6 && points(m.d, m.seat, CAR) <= 1;
        else if (x == 1444 || x == 4144)
            ok = false;
        else
            ok = m.s[3] == 4;
    } else {
        ok = tr > pi && tr > co && tr > ka;
    }
    return ok && particularite(m, q, false);
}

bool un_carreau(Main& m, int q) {
    if (m.p < 10 || m.p > 21 || m.dh() < 13 || m.sa(1, true) || m.sa(3, true)) return false;
    const int ka = m.l[CAR], tr = m.l[TRE];
    bool ok;
    if (ka == 3) {
        ok = m.x() == 4432;
    } else if (ka < 3) {
        ok = false;
    } else if (ka == 4) {
        // 4-4 in the minors with strong clubs and no diamond honour opens 1 ♣.
        if (tr == 4 && m.top(CAR, 3) == 0 && m.top(TRE, 3) >= 2)
            ok = false;
        else
            ok = m.s[3] == 4;
    } else {
        if (ka == 6 && m.majeure5() && m.p < 13)
            ok = false;
        else
            ok = m.cm() == CAR;
    }
    return ok && particularite(m, q, false);
}

bool un_coeur(Main& m, int q) {
    const int co = m.l[COE];
    bool ok;
    if (co == 5 && (m.l[CAR] == 6 || m.l[TRE] == 6) && m.p <= 11)
        ok = !m.forte();  // the weak 5-6 opens the major, whatever its points
    else if (co == 6 && m.l[PIQ] == 5 && m.p <= 11)
        ok = false;       // the weak 6-5 in the majors opens 1 ♠
    else
        ok = m.cm() == COE && co >= 5 && !m.faible() && !m.forte();
    return ok && particularite(m, q, true);
}

bool un_pique(Main& m, int board, int q) {
    if ((m.dh() <= 12 && m.p <= 11) || m.p <= 9) return false;
    const int pi = m.l[PIQ];
    bool ok;
    if (pi == 5 && m.cm() == PIQ) {
        ok = true;
    } else if (pi <= 4) {
        ok = false;
    } else if (m.sa(1, true) && !(m.p == 17 && m.majeure5())) {
        ok = false;
    } else if (m.cm() == PIQ) {
        // Six spades or more, longest: opened like 1 ♥ with a long heart
        // suit, unless strong or a natural spade preempt on this board. A
        // preempt has at most 10 HCP: the preempt test alone also takes
        // stronger hands (seven spades with three top honours when not
        // vulnerable), which open 1 ♠.
        ok = !m.forte() &&
             !(m.p <= 10 && (ouv_barrage_nat(m.d, m.seat, PIQ, 3, board) ||
                             ouv_barrage_nat(m.d, m.seat, PIQ, 4, board)));
    } else {
        // Five spades beside a six-card suit: the six-card suit is opened
        // when its own rules take the hand; those rules send some 5-6 hands
        // to the five-card major (6-5 in the majors and 6-5 with diamonds
        // when weak), and those open 1 ♠. A seven-card suit is never
        // opened 1 ♠.
        ok = m.s[3] == 6 && !m.forte() && !un_trefle(m, partic_aucune) &&
             !un_carreau(m, partic_aucune) && !un_coeur(m, partic_aucune);
    }
    return ok && particularite(m, q, true);
}

bool un_sa(const Main& m, int q) {
    if (m.p == 17 && m.majeure5()) return false;
    if (q == partic_sans_majeure5 && m.majeure5()) return false;
    return m.sa(1, true);
}

bool forcing_manche(Main& m) {
    if (perdantes(m.d, m.seat) <= 3 || m.hl() >= 24) return true;
    return m.t() >= 8.5 && m.p >= 14;
}

bool deux_majeure_faible(Main& m, int M, bool v) {
    if (M != PIQ && M != COE) return false;
    if (nbas(m.d, m.seat) >= 2) return false;
    const int h5 = m.top(M, 5);
    if (h5 < 2 && !aas(m.d, m.seat, M)) return false;
    if (m.p > 10 || (m.p == 10 && m.dh() > 13)) return false;
    const int autre = 1 - M;
    if (m.l[autre] >= 4 && m.top(autre, 3) >= 1) return false;
    if (m.l[M] != 6) return false;
    return m.dh() >= 9 || (!v && h5 >= 3);
}

bool deux_majeure_forte(Main& m, int M) {
    if (M != PIQ && M != COE) return false;
    const int L = m.l[M];
    if (L < 5 || m.top(M, 3) < 2) return false;
    if (m.p < 18 || m.dh() > 23 || m.s[2] > 4) return false;
    if (L == 5 && m.p >= 20) return true;
    if (L == 6 && m.dh() >= 20) return true;
    return m.t() >= 8.0 && m.t() < 9.0;
}

bool deux_mineure_forte(Main& m, int mi) {
    if (mi != CAR && mi != TRE) return false;
    if (m.l[mi] < 7 || m.p < 15 || m.s[2] > 4) return false;
    return m.t() >= 9.0 && m.t() < 10.0;
}

bool deux_trefle(Main& m, int q) {
    if (q == partic_forcing_manche) return forcing_manche(m);
    return deux_majeure_forte(m, COE) || deux_majeure_forte(m, PIQ) || m.sa(4, true) ||
           deux_mineure_forte(m, TRE) || deux_mineure_forte(m, CAR) ||
           (cond_bicolore(m.d, m.seat, COE, PIQ, 2, 2) && m.p >= 18 && m.p <= 21);
}

bool ekren(const Main& m, bool v) {
    if (m.p > 10 || m.l[PIQ] < 4 || m.l[COE] < 4) return false;
    return m.p + (m.l[PIQ] + m.l[COE] - 8) - 2 * (v ? 1 : 0) >= 6;
}

bool muiderberg(const Main& m) {
    return m.l[PIQ] <= 3 && m.l[COE] == 5 && (m.l[CAR] >= 4 || m.l[TRE] >= 4) && m.p >= 5 &&
           m.p <= 10;
}

// 3 ♣ or 3 ♦ in the minor S.
bool trois_mineure(const Main& m, int S, int board) {
    const int O = S == TRE ? CAR : TRE;
    const int h3 = m.top(S, 3);
    if (h3 == 0 || m.l[S] < 6) return false;
    if (m.p > 10 || m.l[PIQ] > 3 || m.l[COE] > 3) return false;
    if (position(m.seat, board) == 3 && !vul(m.seat, board) && m.l[O] >= 4) return true;
    return m.l[S] == 7 && h3 >= 2;
}

bool trois_sa(Main& m) {
    const int c = m.cm();
    if (c != CAR && c != TRE) return false;
    return m.l[c] >= 7 && m.top(c, 4) == 4 && m.p <= 12;
}

bool quatre_trefle(const Main& m) {
    for (int c = PIQ; c <= CAR; ++c)
        if (aas(m.d, m.seat, c) || roi(m.d, m.seat, c)) return false;
    if (m.p > 9 || m.l[TRE] != 8) return false;
    return m.top(TRE, 4) >= 2 && m.l[PIQ] <= 3 && m.l[COE] <= 3;
}

bool quatre_carreau(const Main& m) {
    for (int c = PIQ; c <= COE; ++c)
        if (aas(m.d, m.seat, c) || roi(m.d, m.seat, c)) return false;
    if (m.p > 9) return false;
    if (m.l[CAR] != 8 && !(m.l[CAR] == 7 && m.l[TRE] >= 4)) return false;
    return m.top(CAR, 4) >= 2 && m.l[PIQ] <= 3 && m.l[COE] <= 3;
}

bool quatre_pique(Main& m, int board) {
    if (position(m.seat, board) == 4)
        return m.l[PIQ] >= 7 && m.top(PIQ, 5) >= 3 && m.t() >= 8.0 && m.t() < 10.0;
    return ouv_barrage_nat(m.d, m.seat, PIQ, 4, board);
}

bool passe_main(Main& m, int board) {
    if (m.p >= 12) return false;
    if (un_trefle(m, partic_aucune)) return false;
    const bool v = vul(m.seat, board);
    if (un_carreau(m, partic_aucune) || un_coeur(m, partic_aucune) ||
        un_pique(m, board, partic_aucune) || deux_majeure_faible(m, COE, v) ||
        deux_majeure_faible(m, PIQ, v))
        return false;
    if (m.s[3] <= 6) return true;
    return m.t() - (v ? 1 : 0) < 6.75;
}

}  // namespace

bool ouv1T(const char* deal, int seat, int q) {
    Main m(deal, seat);
    return un_trefle(m, q);
}
bool ouv1K(const char* deal, int seat, int q) {
    Main m(deal, seat);
    return un_carreau(m, q);
}
bool ouv1C(const char* deal, int seat, int q) {
    Main m(deal, seat);
    return un_coeur(m, q);
}
bool ouv1P(const char* deal, int seat, int board, int q) {
    Main m(deal, seat);
    return un_pique(m, board, q);
}
bool ouv1SA(const char* deal, int seat, int q) {
    Main m(deal, seat);
    return un_sa(m, q);
}
bool ouv2T(const char* deal, int seat, int q) {
    Main m(deal, seat);
    return deux_trefle(m, q);
}
bool ouv2K(const char* deal, int seat, int q) {
    if (q != partic_forcing_manche) return false;
    Main m(deal, seat);
    return forcing_manche(m);
}
bool ouvFM(const char* deal, int seat) {
    Main m(deal, seat);
    return forcing_manche(m);
}
bool cond_2Mfaible(int majeure, const char* deal, int seat, bool vulnerable) {
    Main m(deal, seat);
    return deux_majeure_faible(m, majeure, vulnerable);
}
bool cond2Mfort(int majeure, const char* deal, int seat) {
    Main m(deal, seat);
    return deux_majeure_forte(m, majeure);
}
bool cond2mfort(int mineure, const char* deal, int seat) {
    Main m(deal, seat);
    return deux_mineure_forte(m, mineure);
}
bool ouv2C_Muiderberg(const char* deal, int seat) {
    Main m(deal, seat);
    return muiderberg(m);
}
bool ouv2C_Ekren(const char* deal, int seat, int board) {
    Main m(deal, seat);
    return ekren(m, vul(seat, board));
}
bool ouv2SA(const char* deal, int seat) { return condSA(deal, seat, 3, true); }
bool ouvsuper2SA(const char* deal, int seat) { return condSA(deal, seat, 4, true); }
bool ouv3T(const char* deal, int seat, int board) {
    Main m(deal, seat);
    return trois_mineure(m, TRE, board);
}
bool ouv3K(const char* deal, int seat, int board) {
    Main m(deal, seat);
    return trois_mineure(m, CAR, board);
}
bool ouv3C(const char* deal, int seat, int board) {
    return ouv_barrage_nat(deal, seat, COE, 3, board);
}
bool ouv3P(const char* deal, int seat, int board) {
    return ouv_barrage_nat(deal, seat, PIQ, 3, board);
}
bool ouv3SA(const char* deal, int seat) {
    Main m(deal, seat);
    return trois_sa(m);
}
bool ouv4T(const char* deal, int seat) {
    Main m(deal, seat);
    return quatre_trefle(m);
}
bool ouv4K(const char* deal, int seat) {
    Main m(deal, seat);
    return quatre_carreau(m);
}
bool ouv4C(const char* deal, int seat, int board) {
    return ouv_barrage_nat(deal, seat, COE, 4, board);
}
bool ouv4P(const char* deal, int seat, int board) {
    Main m(deal, seat);
    return quatre_pique(m, board);
}
bool passe(const char* deal, int seat, int board) {
    Main m(deal, seat);
    return passe_main(m, board);
}

bool ouverture_definie(int choix, int q) {
    switch (choix) {
        case 0: case 10: case 11: case 12: case 13: case 14: case 20: case 22: case 23:
        case 24: case 30: case 31: case 32: case 33: case 34: case 40: case 41: case 42:
        case 43: case 100: case 200: case 220: case 221: case 222: case 240: case 400:
            return true;
        case 21:
            return q == partic_forcing_manche;
        default:
            return false;
    }
}

bool ouverture(const char* deal, int board, const Condouv& c) {
    if (c.params.size() < 3 || c.joueur < 0 || c.joueur > 3) return false;
    if (c.params[0] != systeme_SEF) return false;
    const int seat = c.joueur, choix = c.params[1], q = c.params[2];
    if (!ouverture_definie(choix, q)) return false;
    // The natural preempts need none of the shared measures.
    switch (choix) {
        case 32: return ouv_barrage_nat(deal, seat, COE, 3, board);
        case 33: return ouv_barrage_nat(deal, seat, PIQ, 3, board);
        case 42: return ouv_barrage_nat(deal, seat, COE, 4, board);
        case 24: return condSA(deal, seat, 3, true);
        case 240: return condSA(deal, seat, 4, true);
        default: break;
    }
    Main m(deal, seat);
    switch (choix) {
        case 0: return passe_main(m, board);
        case 10: return un_trefle(m, q);
        case 11: return un_carreau(m, q);
        case 12: return un_coeur(m, q);
        case 13: return un_pique(m, board, q);
        case 14: return un_sa(m, q);
        case 20: return deux_trefle(m, q);
        case 21: return forcing_manche(m);
        case 22: return deux_majeure_faible(m, COE, vul(seat, board));
        case 23: return deux_majeure_faible(m, PIQ, vul(seat, board));
        case 30: return trois_mineure(m, TRE, board);
        case 31: return trois_mineure(m, CAR, board);
        case 34: return trois_sa(m);
        case 40: return quatre_trefle(m);
        case 41: return quatre_carreau(m);
        case 43: return quatre_pique(m, board);
        case 100: return un_trefle(m, q) || un_carreau(m, q);
        case 200: return un_coeur(m, q) || un_pique(m, board, q);
        case 220: {
            const bool v = vul(seat, board);
            return deux_majeure_faible(m, COE, v) || deux_majeure_faible(m, PIQ, v);
        }
        case 221: return ekren(m, vul(seat, board));
        case 222: return muiderberg(m);
        case 400:
            return un_trefle(m, partic_aucune) || un_carreau(m, partic_aucune) ||
                   un_coeur(m, partic_aucune) || un_pique(m, board, partic_aucune);
        default: return false;
    }
}
