#include "evaluation.h"

#include <cstdint>

#include "bridge.h"
#include "score.h"


namespace {

// In-suit position bits of a holding (bit 0 the ace .. bit 12 the deuce).
constexpr unsigned As = 1u << 0, Roi = 1u << 1, Dame = 1u << 2, Valet = 1u << 3, Dix = 1u << 4;
constexpr unsigned Honneurs = As | Roi | Dame | Valet | Dix;

// A seat or suit index outside 0..3 is folded into it rather than allowed
// to read outside the tables: the callers only ever pass 0..3.
inline char lettre(int seat) { return jsymbs[seat & 3]; }
inline char lettre_partenaire(int seat) { return symbj[seat & 3]; }
inline int bloc(int suit) { return 13 * (3 - (suit & 3)); }

// The seat's cards as a 52-bit set, bit i for card index i. Every measure
// below is a few masks and population counts on it.
inline std::uint64_t main_de(const char* deal, char c) { return main_lettre(deal, c); }

inline unsigned couleur(std::uint64_t m, int suit) {
    return static_cast<unsigned>(m >> bloc(suit)) & 0x1FFFu;
}

// Population counts. Without a target that has the instruction, the
// compiler's builtin becomes a library call that costs more than a whole
// evaluation: a few shifts and masks do it in registers instead.
#if defined(__POPCNT__)
inline int nb(std::uint64_t m) { return __builtin_popcountll(m); }
inline int nb13(unsigned x) { return __builtin_popcount(x); }
#else
inline int nb(std::uint64_t m) {
    m = m - ((m >> 1) & 0x5555555555555555ULL);
    m = (m & 0x3333333333333333ULL) + ((m >> 2) & 0x3333333333333333ULL);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((m * 0x0101010101010101ULL) >> 56);
}
// For a suit holding (13 bits).
inline int nb13(unsigned x) {
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return static_cast<int>((x + (x >> 8)) & 0x1Fu);
}
#endif

// The cards of in-suit position k in the four suits.
constexpr std::uint64_t rangee(int k) {
    return (1ULL << k) | (1ULL << (13 + k)) | (1ULL << (26 + k)) | (1ULL << (39 + k));
}

inline int hcp(std::uint64_t m) { return points_bits(m); }

struct Longueurs {
    int l[4];      // by suit index
    int trie[4];   // ascending
};

inline void echange(int& a, int& b) {
    const int x = a < b ? a : b;
    const int y = a < b ? b : a;
    a = x;
    b = y;
}

inline Longueurs longueurs(std::uint64_t m) {
    // The four suits side by side in 16-bit lanes, counted all at once.
    std::uint64_t x = (m & 0x1FFF) | ((m >> 13) & 0x1FFF) << 16 | ((m >> 26) & 0x1FFF) << 32 |
                      ((m >> 39) & 0x1FFF) << 48;
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    x = (x + (x >> 8)) & 0x001F001F001F001FULL;
    Longueurs r;
    // Lane b holds block b: clubs first, so suit index s is lane 3 - s.
    for (int s = 0; s < 4; ++s) r.l[s] = r.trie[s] = static_cast<int>((x >> (16 * (3 - s))) & 0x1F);
    // Sorting network for four values: no data-dependent branch.
    echange(r.trie[0], r.trie[1]);
    echange(r.trie[2], r.trie[3]);
    echange(r.trie[0], r.trie[2]);
    echange(r.trie[1], r.trie[3]);
    echange(r.trie[1], r.trie[2]);
    return r;
}

// The longest suit, the lower suit index on equal lengths: the largest key
// length × 4 + (3 − suit), so that the key also gives the length (key >> 2).
inline int cle_plus_longue(const Longueurs& L) {
    const int k0 = (L.l[0] << 2) | 3, k1 = (L.l[1] << 2) | 2, k2 = (L.l[2] << 2) | 1, k3 = L.l[3] << 2;
    const int a = k0 > k1 ? k0 : k1;
    const int b = k2 > k3 ? k2 : k3;
    return a > b ? a : b;
}

inline int plus_longue(const Longueurs& L) { return 3 - (cle_plus_longue(L) & 3); }

// Per-suit measures that depend only on the length (capped) and on which of
// the ace, king, queen and jack are held, tabulated once from their rules.
constexpr int perdantes_regle(int L, unsigned h) {
    return (L >= 1 && !(h & As)) + (L >= 2 && !(h & Roi)) + (L >= 3 && !(h & Dame)) + (L == 4 && !(h & Valet));
}
constexpr int cout_dh_regle(int L, unsigned h) {
    return (L == 1 && (h & (As | Roi | Dame | Valet))) + (L == 2 && (h & (Dame | Valet)));
}
// The DHS term of a side suit. Taking 1.5 or 1.0 off in single precision
// gives the same float as taking it off the widened value (the exact
// difference fits in a double), so every term is applied the same way.
constexpr double dhs_regle(int L, unsigned h) {
    if (L == 1) return (h & Roi) ? -1.5 : (h & Dame) ? -1.0 : (h & Valet) ? -0.4 : 0.0;
    if (L == 2) {
        if (h & As) return 0.66;
        if (h & Dame) return (h & Roi) ? -0.85 : (h & Valet) ? -1.18 : -0.62;
        if (h & Valet) return (h & Roi) ? -0.36 : -0.27;
    }
    return 0.0;
}

struct TablesCouleur {
    unsigned char perdantes[6][16];  // length capped at 5
    unsigned char cout_dh[4][16];    // length capped at 3
    double dhs[4][16];               // length capped at 3
};

constexpr TablesCouleur construit_tables() {
    TablesCouleur t{};
    for (unsigned h = 0; h < 16; ++h) {
        for (int L = 0; L < 6; ++L) t.perdantes[L][h] = static_cast<unsigned char>(perdantes_regle(L, h));
        for (int L = 0; L < 4; ++L) {
            t.cout_dh[L][h] = static_cast<unsigned char>(cout_dh_regle(L, h));
            t.dhs[L][h] = dhs_regle(L, h);
        }
    }
    return t;
}

constexpr TablesCouleur tables = construit_tables();

inline int plafond(int x, int p) { return x < p ? x : p; }

// --- playing tricks of one holding -------------------------------------------

// Values of a 4- to 8-card suit that is not solid, by the honours held.
struct Ligne {
    unsigned h;
    float v[5];
};
constexpr unsigned A = As, K = Roi, Q = Dame, J = Valet, T = Dix;
constexpr Ligne longues[32] = {
    {A | K | Q | J | T, {4.0f, 5.0f, 6.0f, 7.0f, 8.0f}},
    {A | K | Q | J, {4.0f, 5.0f, 6.0f, 7.0f, 8.0f}},
    {A | K | Q | T, {3.7f, 4.7f, 5.8f, 6.9f, 7.9f}},
    {A | K | Q, {3.4f, 4.3f, 5.5f, 6.8f, 7.9f}},
    {A | K | J | T, {3.5f, 4.5f, 5.5f, 6.7f, 7.7f}},
    {A | K | J, {2.9f, 4.1f, 5.3f, 6.4f, 7.6f}},
    {A | K | T, {3.25f, 3.8f, 5.0f, 6.2f, 7.1f}},
    {A | K, {2.5f, 3.3f, 4.5f, 5.9f, 7.1f}},
    {A | Q | J | T, {3.5f, 4.3f, 5.3f, 6.4f, 7.4f}},
    {A | Q | J, {3.0f, 3.9f, 5.0f, 6.2f, 7.2f}},
    {A | Q | T, {2.5f, 3.7f, 4.8f, 5.9f, 6.9f}},
    {A | Q, {2.0f, 3.1f, 4.3f, 5.5f, 6.5f}},
    {A | J | T, {2.25f, 3.2f, 4.5f, 5.5f, 6.5f}},
    {A | J, {1.75f, 2.6f, 3.9f, 5.1f, 6.1f}},
    {A | T, {1.5f, 2.4f, 3.7f, 4.9f, 6.0f}},
    {A, {1.5f, 1.9f, 3.3f, 4.6f, 6.0f}},
    {K | Q | J | T, {3.0f, 3.8f, 4.9f, 5.0f, 6.9f}},
    {K | Q | J, {2.75f, 3.5f, 4.6f, 5.8f, 6.9f}},
    {K | Q | T, {2.5f, 3.3f, 4.4f, 5.5f, 6.7f}},
    {K | Q, {2.0f, 2.7f, 3.9f, 5.1f, 6.3f}},
    {K | J | T, {2.0f, 3.0f, 4.1f, 5.3f, 6.3f}},
    {K | J, {1.5f, 2.5f, 3.6f, 4.8f, 6.0f}},
    {K | T, {1.25f, 2.2f, 3.4f, 5.5f, 5.7f}},
    {K, {1.0f, 1.6f, 3.0f, 5.1f, 5.3f}},
    {Q | J | T, {1.5f, 2.5f, 3.7f, 4.8f, 6.0f}},
    {Q | J, {1.25f, 2.0f, 3.0f, 4.4f, 5.6f}},
    {Q | T, {1.0f, 1.8f, 3.0f, 4.2f, 5.3f}},
    {Q, {0.75f, 1.2f, 2.4f, 3.7f, 5.0f}},
    {J | T, {0.7f, 1.3f, 2.7f, 4.0f, 5.0f}},
    {J, {0.5f, 1.0f, 2.2f, 3.5f, 5.0f}},
    {T, {0.5f, 1.0f, 2.1f, 3.5f, 5.0f}},
    {0, {0.5f, 1.0f, 1.8f, 3.1f, 5.0f}},
};

// A doubleton or three-card holding that is not solid, by its honours.
constexpr float courte(unsigned h, int L) {
    const bool a = h & A, k = h & K, q = h & Q, j = h & J, t = h & T;
    if (L == 2) {
        if (a && q) return 1.5f;
        if (a) return 1.0f;
        if (k && !q) return 0.5f;
        return 0.0f;
    }
    if (L == 3) {
        if (a && k) return j ? 2.5f : 2.0f;
        if (a && q) return j ? 2.5f : (t ? 2.0f : 1.5f);
        if (a && j) return t ? 1.75f : 1.25f;
        if (a) return 1.0f;
        if (k && q) return 1.5f;
        if (k && j) return t ? 1.5f : 1.0f;
        if (k) return 0.5f;
        if (q && j) return 0.75f;
        if (q && t) return 0.5f;
        if (q) return 0.25f;
    }
    return 0.0f;
}

struct TableLevees {
    float v[14][32];  // [length][honours]; 9 cards and more count 0 unless solid
};

constexpr TableLevees construit_levees() {
    TableLevees t{};
    for (unsigned h = 0; h < 32; ++h) {
        t.v[2][h] = courte(h, 2);
        t.v[3][h] = courte(h, 3);
    }
    for (const Ligne& l : longues)
        for (int L = 4; L <= 8; ++L) t.v[L][l.h] = l.v[L - 4];
    return t;
}

constexpr TableLevees levees = construit_levees();

// Playing tricks of a holding of L cards in in-suit position bits.
inline float levees_couleur(unsigned pos, int L) {
    const unsigned plein = (1u << L) - 1;
    // Solid holdings: the L top cards from the ace, the king or the queen.
    if (pos == plein) return static_cast<float>(L);
    if (pos == plein << 1) return static_cast<float>(L - 1);
    if (pos == plein << 2) return static_cast<float>(L - 2);
    return levees.v[L][pos & Honneurs];
}

// Playing tricks of a hand: the suits added in single precision, ♠ first.
inline float levees_main(std::uint64_t m) {
    const Longueurs L = longueurs(m);
    float t = 0.0f;
    for (int s = 0; s < 4; ++s) t += levees_couleur(couleur(m, s), L.l[s]);
    return t;
}

}  // namespace

// --- counts and honours -----------------------------------------------------

int compte(const char* deal, int seat, int suit, int to, int from) {
    if (from < 0) from = 0;
    if (to > 13) to = 13;
    if (from >= to) return 0;
    const unsigned fenetre = ((1u << to) - 1) & ~((1u << from) - 1);
    return nb13(couleur(main_de(deal, lettre(seat)), suit) & fenetre);
}

unsigned coulenbits(const char* deal, int seat, int suit) {
    return couleur(main_de(deal, lettre(seat)), suit);
}

bool aas(const char* deal, int seat, int suit) { return deal[bloc(suit)] == lettre(seat); }
bool roi(const char* deal, int seat, int suit) { return deal[bloc(suit) + 1] == lettre(seat); }
bool dame(const char* deal, int seat, int suit) { return deal[bloc(suit) + 2] == lettre(seat); }
bool valet(const char* deal, int seat, int suit) { return deal[bloc(suit) + 3] == lettre(seat); }
bool dix(const char* deal, int seat, int suit) { return deal[bloc(suit) + 4] == lettre_partenaire(seat); }

int nbas(const char* deal, int seat) { return nb(main_de(deal, lettre(seat)) & rangee(0)); }
int nbrois(const char* deal, int seat) { return nb(main_de(deal, lettre(seat)) & rangee(1)); }

int nbcles(const char* deal, int seat, int suit) {
    return nbas(deal, seat) + static_cast<int>(roi(deal, seat, suit));
}

int nb_contr_it(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    return 2 * nb(m & rangee(0)) + nb(m & rangee(1));
}

int nb_rang(const char* deal, int seat, int k) {
    if (k < 0 || k > 12) return 0;
    return nb(main_de(deal, lettre(seat)) & rangee(k));
}

void fodistr_bits(std::uint64_t main, int lens[4], int sorted[4]) {
    const Longueurs L = longueurs(main);
    for (int s = 0; s < 4; ++s) {
        lens[s] = L.l[s];
        sorted[s] = L.trie[s];
    }
}

void fodistr(const char* deal, int seat, int lens[4], int sorted[4]) {
    const Longueurs L = longueurs(main_de(deal, lettre(seat)));
    for (int s = 0; s < 4; ++s) {
        lens[s] = L.l[s];
        sorted[s] = L.trie[s];
    }
}

int xxxx(const char* deal, int seat) {
    const Longueurs L = longueurs(main_de(deal, lettre(seat)));
    return 1000 * L.l[0] + 100 * L.l[1] + 10 * L.l[2] + L.l[3];
}

int couleur_max(const char* deal, int seat) { return plus_longue(longueurs(main_de(deal, lettre(seat)))); }

// --- point counts -----------------------------------------------------------

int points(const char* deal, int seat) { return hcp(main_de(deal, lettre(seat))); }

int points(const char* deal, int seat, int suit) {
    return hcp_tete[couleur(main_de(deal, lettre(seat)), suit) & 0xF];
}

namespace {

inline int hl(std::uint64_t m, const Longueurs& L) {
    const int cle = cle_plus_longue(L);
    const int lg = cle >> 2;
    const int t = nb13(couleur(m, 3 - (cle & 3)) & Honneurs);
    return hcp(m) + ((lg >= 5) & (t >= 3)) * (lg - 4) + ((lg == 6) & (t == 2));
}

}  // namespace

int pointsHL(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    return hl(m, longueurs(m));
}

int pointsDH(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    const int l1 = L.trie[0], l2 = L.trie[1], l4 = L.trie[3];
    int d = hcp(m) + (3 - l1) + (l2 < 3) * (3 - l2) + (l4 >= 6) * (l4 - 5);
    for (int s = 0; s < 4; ++s) d -= tables.cout_dh[plafond(L.l[s], 3)][couleur(m, s) & 0xF];
    // A 4-3-3-3 hand is counted as HL points instead.
    const int h = hl(m, L);
    return l1 >= 3 ? h : d;
}

float pointsDHS(const char* deal, int seat, int suit) {
    const int t = suit & 3;
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    // The terms are applied one at a time on the value widened to double and
    // narrowed back to single precision after each, in the order ♠ ♥ ♦ ♣.
    auto ajoute = [](float v, double x) { return static_cast<float>(static_cast<double>(v) + x); };
    float v = static_cast<float>(hcp(m) + (L.l[t] >= 3) * (L.l[t] - L.trie[0]));
    for (int s = 0; s < 4; ++s) {
        // The trump suit takes the row of a long suit: a zero term.
        const int lc = (s != t) * plafond(L.l[s], 3);
        v = ajoute(v, tables.dhs[lc][couleur(m, s) & 0xF]);
    }
    return ajoute(v, dix(deal, seat, t) ? 0.2 : -0.1);
}

int perdantes(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    int p = 0;
    for (int s = 0; s < 4; ++s) p += tables.perdantes[plafond(L.l[s], 5)][couleur(m, s) & 0xF];
    return p;
}

int arrets(const char* deal, int seat, int suit) {
    const unsigned c = couleur(main_de(deal, lettre(seat)), suit);
    const int L = nb13(c);
    return 100 * !!(c & As) + 100 * (L >= 2 && (c & Roi)) + 25 * L * !!(c & Dame) + 20 * L * !!(c & Valet) +
           10 * L * dix(deal, seat, suit);
}

float compte_levees_couleur(unsigned mask) {
    // Rank r sits at in-suit position 14 - r; bits outside 2..14 are not cards.
    unsigned pos = 0;
    for (int r = 2; r <= 14; ++r) pos |= ((mask >> r) & 1u) << (14 - r);
    return levees_couleur(pos, nb13(pos));
}

float ldj(const char* deal, int seat) {
    return levees_main(main_de(deal, lettre(seat)));
}

// --- composite tests ----------------------------------------------------------

bool condSA(const char* deal, int seat, int range, bool flag) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    const int S = L.l[0], H = L.l[1];
    const int l1 = L.trie[0], l2 = L.trie[1], l3 = L.trie[2], l4 = L.trie[3];
    // The shape tests are combined without branches: on random deals each
    // of them goes either way too often for a branch to be predicted.
    const bool irreguliere = (l1 < 2) | (S >= 6) | (H >= 6) | (l4 >= 7);
    const bool deux_doubletons_quatre_piques = (l2 == 2) & (S == 4);
    const bool majeure_cinq = (S == 5) | (H == 5);
    const bool refusee = irreguliere | deux_doubletons_quatre_piques | (majeure_cinq & ((l3 == 4) | !flag));
    static constexpr int bas[5] = {12, 15, 18, 20, 22};
    static constexpr int haut[5] = {14, 17, 19, 21, 23};
    if (range < 0 || range > 4) return !refusee;
    const int p = hl(m, L);
    return !refusee & (bas[range] <= p) & (p <= haut[range]);
}

bool ouv_barrage_nat(const char* deal, int seat, int suit, int level, int board) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const unsigned c = couleur(m, suit);
    if (nb13(c) != level + 4) return false;
    const bool vulnerable = vul(seat, board);
    if ((suit & 3) <= 1 && nb13(c & Honneurs) >= 3 && !vulnerable) return true;
    const int a = nb(m & rangee(0));
    if (a >= 2 || hcp(m) >= 11) return false;
    const double t = levees_main(m);
    const double n = level;
    if (!vulnerable) return n + 1.75 <= t && t < n + 3.6;
    if (a + nb(m & rangee(1)) + nb13(c & (As | Roi | Dame)) < 2) return false;
    return n + 2.75 <= t && t <= n + 4.0;
}

bool cond_bicolore(const char* deal, int seat, int s1, int s2, int min1, int min2) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const unsigned c1 = couleur(m, s1), c2 = couleur(m, s2);
    return nb13(c1) >= 5 && nb13(c2) >= 5 &&
           nb13(c1 & (As | Roi | Dame)) >= min1 && nb13(c2 & (As | Roi | Dame)) >= min2;
}
