// Responses of the SEF and SMI bidding systems to partner's opening.
#include "reponses.h"

#include "evaluation.h"

namespace {

constexpr int PIQ = 0, COE = 1, CAR = 2, TRE = 3;  // suit indexes

// The responder's hand: high-card points and lengths at once (every rule
// reads them), the other measures through calls made by the rule that needs
// them, each at most once.
struct Repondant {
    const char* d;
    int seat;
    int p;      // high-card points
    int pi, co, ka, tr;  // lengths ♠ ♥ ♦ ♣
    int s[4];   // the lengths ascending: s[0] shortest .. s[3] longest

    Repondant(const char* deal, int siege) : d(deal), seat(siege), p(points(deal, siege)) {
        int l[4];
        fodistr(deal, siege, l, s);
        pi = l[PIQ];
        co = l[COE];
        ka = l[CAR];
        tr = l[TRE];
    }
    int hl() const { return pointsHL(d, seat); }
    int dh() const { return pointsDH(d, seat); }
    int cm() const { return couleur_max(d, seat); }
    // The support count with suit as trumps, truncated toward zero.
    int S(int suit) const { return static_cast<int>(pointsDHS(d, seat, suit)); }
};

inline bool dans(int v, int a, int b) { return a <= v && v <= b; }

// --- shared by 1 ♣ and 1 ♦ ---------------------------------------------------

bool deux_sa_naturel(const Repondant& m) {
    if (m.hl() != 11) return false;
    if (m.pi >= 4 || m.co >= 4 || m.ka >= 6 || m.tr >= 6) return false;
    return m.s[0] >= 2;
}

bool trois_sa(const Repondant& m) {
    return m.pi <= 3 && m.co <= 3 && m.s[0] >= 2 && m.ka <= 4 && m.tr <= 4 && dans(m.p, 12, 16);
}

// --- after 1 ♣ ----------------------------------------------------------------

bool t_1K(const Repondant& m) {
    // The weak waiting response first, then a natural diamond suit.
    if (dans(m.hl(), 5, 7) && m.tr <= 4 && m.pi <= 3 && m.co <= 3) return true;
    return m.ka >= 5 && m.co <= 4 && m.pi <= 4 && m.dh() >= 6;
}

bool t_1C(const Repondant& m) {
    if (m.hl() < 4 || m.pi >= 5) return false;
    return m.co >= m.pi && m.co >= m.ka && m.co >= m.tr;
}

bool t_1P(const Repondant& m) {
    if (m.pi < 4) return false;
    if (m.pi == 4) return m.co <= 3 && m.ka <= 4;
    // The longest suit, ties going to spades as the higher-ranking suit.
    return m.cm() == PIQ;
}

bool t_2T(const Repondant& m, int systeme) {
    if (m.tr < 5) return false;
    if (systeme == systeme_rep_SMI) return m.hl() >= 11;
    return dans(m.dh(), 5, 10);
}

// --- after 1 ♦ ----------------------------------------------------------------

bool k_1C(const Repondant& m) {
    if (m.co < 4 || m.dh() < 6 || (m.co == 4 && m.pi >= 5)) return false;
    return m.pi < m.co || m.co <= 4;
}

bool k_1P(const Repondant& m) {
    if (m.dh() < 6 || m.pi < 4) return false;
    if (m.pi > m.co) return true;
    // Spades no longer than hearts: equal majors of five cards or more bid
    // the higher-ranking suit first, which the heart response leaves to this
    // one; with longer hearts, or 4-4, the heart response is the bid.
    return m.pi == m.co && m.pi >= 5;
}

bool k_2T(const Repondant& m) {
    if (m.p + m.tr < 15) return false;
    if ((m.pi >= 4 || m.co >= 4) && m.dh() < 13) return false;
    if (m.tr >= 5 && m.tr > m.pi && m.tr > m.co && m.tr > m.ka) return true;
    return m.pi <= 3 && m.co <= 3 && m.s[0] <= 1;
}

// --- after 1 ♥ ----------------------------------------------------------------

bool c_2T(const Repondant& m) {
    if (m.p + m.tr < 15) return false;
    if (m.tr >= 5 && m.ka < m.tr && m.pi < m.tr) return true;
    return m.ka <= m.tr && m.pi < m.tr && m.hl() >= 12;
}

bool c_2K(const Repondant& m) {
    if (m.p + m.ka < 15 || m.ka <= m.pi || m.ka < m.tr) return false;
    if (m.ka >= 5) return true;
    return m.ka == 4 && m.tr <= 3 && m.hl() >= 12;
}

// The single raise: exactly three trumps and a support count of 6 to 10.
bool soutien_simple(const Repondant& m, int majeure, int longueur) {
    return longueur == 3 && dans(m.S(majeure), 6, 10);
}

// --- after 1 ♠ ----------------------------------------------------------------

bool p_1SA(const Repondant& m) { return dans(m.hl(), 5, 10) && m.pi <= 2; }

bool p_2T(const Repondant& m) {
    if (m.p + m.tr < 15) return false;
    if (m.tr >= 5 && m.ka < m.tr && m.co < m.tr) return true;
    return m.co <= m.tr && m.ka <= m.tr && m.hl() >= 12;
}

bool p_2K(const Repondant& m) {
    if (m.p + m.ka < 15 || m.ka < m.co || m.ka < m.tr) return false;
    if (m.ka >= 5 && m.co < m.ka) return true;
    return m.ka == 4 && m.tr <= 3 && m.co <= 4 && m.hl() >= 12;
}

bool p_4P(const Repondant& m) { return m.pi >= 5 && nbcles(m.d, m.seat, PIQ) <= 1; }

// --- after 1SA ----------------------------------------------------------------

bool sa_2T(const Repondant& m) {
    const int hl = m.hl();
    if (hl >= 8 && (m.pi == 4 || m.co == 4)) return true;
    if (m.pi <= 3 && hl == 8) return true;
    return m.pi == 5 && hl == 8;
}

bool sa_2K(const Repondant& m) {
    if (m.co < 5 || m.co < m.s[3] || m.cm() != COE) return false;
    if ((m.pi == 4 && m.hl() >= 8) || (m.co == 5 && m.p == 8)) return false;
    if (m.co == 5) return true;
    if (m.s[2] >= 4) return true;
    return m.p <= 12;
}

bool sa_2C(const Repondant& m) {
    if (m.pi < 5) return false;
    const int hl = m.hl();
    if (m.co == 4 && hl >= 8) return false;
    if (m.pi == 5 && m.p == 8) return false;
    if (m.co == 5 && m.p >= 7 && hl < 15) return false;
    return m.p >= 7;
}

bool sa_3P(const Repondant& m) {
    return m.pi == 1 && m.co == 3 && m.ka <= 5 && m.tr <= 5 && m.hl() >= 9;
}

bool sa_3SA(const Repondant& m) {
    if (!dans(m.hl(), 9, 15)) return false;
    if (m.s[0] == 3) return true;
    if (m.pi >= 4 || m.co >= 4) return false;
    return m.s[0] >= 2;
}

// --- after 2SA ----------------------------------------------------------------

bool dsa_3T(const Repondant& m) {
    if (m.hl() < 4) return false;
    return m.pi == 4 || m.co == 4;
}

bool dsa_3SA(const Repondant& m) {
    return m.hl() >= 4 && m.pi <= 3 && m.co <= 3 && m.dh() < 12;
}

}  // namespace

bool repo_definie(int ouverture, int reponse) {
    switch (ouverture) {
        case 10: return reponse == 11 || reponse == 12 || reponse == 13 || reponse == 20 ||
                        reponse == 24 || reponse == 34;
        case 11: return reponse == 12 || reponse == 13 || reponse == 20 || reponse == 24 || reponse == 34;
        case 12: return reponse == 20 || reponse == 21 || reponse == 22;
        case 13: return reponse == 14 || reponse == 20 || reponse == 21 || reponse == 23 || reponse == 43;
        case 14: return reponse == 20 || reponse == 21 || reponse == 22 || reponse == 33 || reponse == 34;
        case 24: return reponse == 30 || reponse == 34;
        default: return false;
    }
}

bool repo(const char* deal, int /*board*/, const Condouv& c) {
    if (c.params.size() < 3 || c.joueur < 0 || c.joueur > 3) return false;
    const int systeme = c.params[0], ouv = c.params[1], rep = c.params[2];
    if (systeme != systeme_rep_SEF && systeme != systeme_rep_SMI) return false;
    if (!repo_definie(ouv, rep)) return false;
    const Repondant m(deal, c.joueur);
    switch (100 * ouv + rep) {
        case 1011: return t_1K(m);
        case 1012: return t_1C(m);
        case 1013: return t_1P(m);
        case 1020: return t_2T(m, systeme);
        case 1024: return deux_sa_naturel(m);
        case 1034: return trois_sa(m);

        case 1112: return k_1C(m);
        case 1113: return k_1P(m);
        case 1120: return k_2T(m);
        case 1124: return deux_sa_naturel(m);
        case 1134: return trois_sa(m);

        case 1220: return c_2T(m);
        case 1221: return c_2K(m);
        case 1222: return soutien_simple(m, COE, m.co);

        case 1314: return p_1SA(m);
        case 1320: return p_2T(m);
        case 1321: return p_2K(m);
        case 1323: return soutien_simple(m, PIQ, m.pi);
        case 1343: return p_4P(m);

        case 1420: return sa_2T(m);
        case 1421: return sa_2K(m);
        case 1422: return sa_2C(m);
        case 1433: return sa_3P(m);
        case 1434: return sa_3SA(m);

        case 2430: return dsa_3T(m);
        case 2434: return dsa_3SA(m);
        default: return false;
    }
}
