#include "score.h"

#include <algorithm>

namespace {

// x mod m in 0..m-1, also for negative x.
int modulo(int x, int m) { return ((x % m) + m) % m; }

// Boards (mod 16) on which each side is vulnerable, one bit per board.
constexpr unsigned vul_ns = (1u << 2) | (1u << 4) | (1u << 5) | (1u << 7) | (1u << 10) | (1u << 12) |
                            (1u << 13) | (1u << 15);
constexpr unsigned vul_eo = (1u << 0) | (1u << 3) | (1u << 4) | (1u << 6) | (1u << 7) | (1u << 9) |
                            (1u << 10) | (1u << 13);

// Suit-index strain of a bidding-order strain digit; a digit above 4 is sans-atout.
int strain_couleur(int d) { return d < 4 ? 3 - d : 4; }

}  // namespace

bool vul(int seat, int board) {
    // A negative number names no board of the cycle (it only fixes the
    // dealer of a constraint set): nobody is vulnerable.
    if (board < 0) return false;
    const unsigned b = static_cast<unsigned>(board % 16);
    const unsigned m = (seat & 1) ? vul_eo : vul_ns;
    return (m >> b) & 1u;
}

bool donneur(int seat, int board) { return seat == modulo(board - 1, 4); }

int position(int seat, int board) { return 1 + modulo(seat - modulo(board - 1, 4), 4); }

int score_levee(int strain) { return (strain == 2 || strain == 3) ? 20 : 30; }

int contrat(int tricks, int strain) {
    if (tricks < 7) return 0;
    return 10 * (tricks - 6) + (strain == 4 ? 4 : 3 - strain);
}

int score(int level, int strain, bool vuln, int dbl) {
    int levees = score_levee(strain) * level + (strain == 4 ? 10 : 0);
    if (dbl == 1) levees *= 2;
    if (dbl == 2) levees *= 4;
    int prime;
    if (level == 7)
        prime = vuln ? 2000 : 1300;
    else if (level == 6)
        prime = vuln ? 1250 : 800;
    else if (levees >= 100)
        prime = vuln ? 500 : 300;
    else
        prime = 50;
    if (dbl == 1) prime += 50;
    if (dbl == 2) prime += 100;
    return levees + prime;
}

int score(int code, bool vuln, int dbl) { return score(code / 10, strain_couleur(code % 10), vuln, dbl); }

int penalite(int down, bool vuln, int dbl) {
    if (down <= 0) return 0;
    if (dbl == 0) return down * (vuln ? 100 : 50);
    int p;
    if (vuln)
        p = 300 * down - 100;
    else
        p = down <= 3 ? 200 * down - 100 : 300 * down - 400;
    return dbl == 2 ? 2 * p : p;
}

int fscore(int tricks, int level, int strain, bool vuln, int dbl) {
    const int over = tricks - 6 - level;
    if (over < 0) return -penalite(-over, vuln, dbl);
    int unite;
    if (dbl == 0)
        unite = score_levee(strain);
    else
        unite = (vuln ? 200 : 100) * (dbl == 2 ? 2 : 1);
    return score(level, strain, vuln, dbl) + over * unite;
}

double esperance(const std::vector<double>& p, int level, int strain, bool vuln, int dbl) {
    const int n = static_cast<int>(std::min<std::size_t>(p.size(), 14));
    double e = 0.0;
    for (int t = 0; t < n; ++t) e += p[t] * fscore(t, level, strain, vuln, dbl);
    return e;
}

namespace {

struct Entree {
    int code;
    int joueur;
    int score;
};

}  // namespace

int par(const int tab[5][4], int board, structpar& r) {
    // Highest contract of each side (0 North-South, 1 East-West) and the best score overall.
    Entree haut[2] = {{0, 0, 0}, {0, 1, 0}};
    Entree meilleur = {0, 0, 0};
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) {
            const int t = tab[s][j];
            if (t < 7) continue;
            const int c = contrat(t, s);
            const int sc = score(c, vul(j, board), 0);
            Entree& h = haut[j & 1];
            if (c > h.code) h = {c, j, sc};
            if (sc > meilleur.score) meilleur = {c, j, sc};
        }

    const Entree& H = haut[0].code > haut[1].code ? haut[0] : haut[1];

    if (haut[1 - (meilleur.joueur & 1)].code > meilleur.code)
        r = {H.score, H.joueur, H.code};
    else
        r = {meilleur.score, meilleur.joueur, meilleur.code};
    const int P = r.joueur & 1;

    const int autre = 1 - P;
    const int Oc = haut[autre].code;
    const int Od = haut[autre].joueur;
    const bool vul_autre = vul(autre, board);

    const int k1 = (H.code - Oc) / 10 + 1;
    const int c1 = Oc + 10 * k1;
    const int pen1 = penalite(k1, vul_autre, 1);
    if (H.score > pen1 && c1 <= 79) {
        r = {pen1, Od, c1 + 5};
    } else {
        const int k2 = (r.contrat - Oc) / 10 + 1;
        const int c2 = Oc + 10 * k2;
        const int pen2 = penalite(k2, vul_autre, 1);
        if (c2 <= 79 && r.score > pen2) {
            if (H.score >= pen2)
                r = {H.score, H.joueur, H.code};
            else
                r = {pen2, Od, c2 + 5};
        }
    }

    if (P == 1) r.score = -r.score;
    return 1;
}
