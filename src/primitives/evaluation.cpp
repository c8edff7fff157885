#include "evaluation.h"

#include <cstdint>

#include "bridge.h"
#include "score.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
inline std::uint64_t main_de(const char* deal, char c) {
#if defined(__SSE2__)
    const __m128i l = _mm_set1_epi8(c);
    auto seize = [&](int debut) -> std::uint64_t {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(deal + debut));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, l)));
    };
    // The last load starts at 36 so that it ends exactly on the 52nd card.
    return seize(0) | seize(16) << 16 | seize(32) << 32 | seize(36) << 36;
#else
    std::uint64_t m = 0;
    for (int i = 0; i < 52; ++i) m |= static_cast<std::uint64_t>(deal[i] == c) << i;
    return m;
#endif
}

inline unsigned couleur(std::uint64_t m, int suit) {
    return static_cast<unsigned>(m >> bloc(suit)) & 0x1FFFu;
}

inline int nb(std::uint64_t m) { return __builtin_popcountll(m); }

// The cards of in-suit position k in the four suits.
constexpr std::uint64_t rangee(int k) {
    return (1ULL << k) | (1ULL << (13 + k)) | (1ULL << (26 + k)) | (1ULL << (39 + k));
}

inline int hcp(std::uint64_t m) {
    return 4 * nb(m & rangee(0)) + 3 * nb(m & rangee(1)) + 2 * nb(m & rangee(2)) + nb(m & rangee(3));
}

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
    Longueurs r;
    for (int s = 0; s < 4; ++s) r.l[s] = r.trie[s] = __builtin_popcount(couleur(m, s));
    // Sorting network for four values: no data-dependent branch.
    echange(r.trie[0], r.trie[1]);
    echange(r.trie[2], r.trie[3]);
    echange(r.trie[0], r.trie[2]);
    echange(r.trie[1], r.trie[3]);
    echange(r.trie[1], r.trie[2]);
    return r;
}

inline int plus_longue(const Longueurs& L) {
    int s = 0;
    for (int t = 1; t < 4; ++t)
        if (L.l[t] > L.l[s]) s = t;
    return s;
}

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
    float v[9][32];  // [length][honours], lengths 0..8
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

// Playing tricks of a holding in in-suit position bits.
inline float levees_couleur(unsigned pos) {
    const int L = __builtin_popcount(pos);
    const unsigned plein = (1u << L) - 1;
    // Solid holdings: the L top cards from the ace, the king or the queen.
    if (pos == plein) return static_cast<float>(L);
    if (pos == plein << 1) return static_cast<float>(L - 1);
    if (pos == plein << 2) return static_cast<float>(L - 2);
    return L <= 8 ? levees.v[L][pos & Honneurs] : 0.0f;
}

}  // namespace

// --- counts and honours -----------------------------------------------------

int compte(const char* deal, int seat, int suit, int to, int from) {
    if (from < 0) from = 0;
    if (to > 13) to = 13;
    if (from >= to) return 0;
    const unsigned fenetre = ((1u << to) - 1) & ~((1u << from) - 1);
    return __builtin_popcount(couleur(main_de(deal, lettre(seat)), suit) & fenetre);
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
    const unsigned c = couleur(main_de(deal, lettre(seat)), suit);
    return 4 * !!(c & As) + 3 * !!(c & Roi) + 2 * !!(c & Dame) + !!(c & Valet);
}

namespace {

int hl(std::uint64_t m, const Longueurs& L) {
    const int h = hcp(m);
    const int s = plus_longue(L);
    const int lg = L.l[s];
    if (lg < 5) return h;
    const int t = __builtin_popcount(couleur(m, s) & Honneurs);
    if (t >= 3) return h + lg - 4;
    if (lg == 6 && t == 2) return h + 1;
    return h;
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
    if (l1 >= 3) return hl(m, L);
    int d = hcp(m) + (3 - l1);
    if (l2 < 3) d += 3 - l2;
    if (l4 >= 6) d += l4 - 5;
    for (int s = 0; s < 4; ++s) {
        const unsigned c = couleur(m, s);
        d -= (L.l[s] == 1 && (c & (As | Roi | Dame | Valet))) + (L.l[s] == 2 && (c & (Dame | Valet)));
    }
    return d;
}

float pointsDHS(const char* deal, int seat, int suit) {
    const int t = suit & 3;
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    // Each constant below is applied at the precision the count was defined
    // with: 1.5 and 1.0 in single precision, the others on the value widened
    // to double and narrowed again after each step.
    auto ajoute = [](float v, double x) { return static_cast<float>(static_cast<double>(v) + x); };
    float v = static_cast<float>(hcp(m));
    if (L.l[t] >= 3) v += static_cast<float>(L.l[t] - L.trie[0]);
    for (int s = 0; s < 4; ++s) {
        if (s == t) continue;
        const unsigned c = couleur(m, s);
        if (L.l[s] == 1) {
            if (c & Roi)
                v -= 1.5f;
            else if (c & Dame)
                v -= 1.0f;
            else if (c & Valet)
                v = ajoute(v, -0.4);
        } else if (L.l[s] == 2) {
            if (c & As)
                v = ajoute(v, 0.66);
            else if (c & Dame)
                v = ajoute(v, (c & Roi) ? -0.85 : (c & Valet) ? -1.18 : -0.62);
            else if (c & Valet)
                v = ajoute(v, (c & Roi) ? -0.36 : -0.27);
        }
    }
    v = ajoute(v, dix(deal, seat, t) ? 0.2 : -0.1);
    return v;
}

int perdantes(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    int p = 0;
    for (int s = 0; s < 4; ++s) {
        const unsigned c = couleur(m, s);
        const int L = __builtin_popcount(c);
        p += (L >= 1 && !(c & As)) + (L >= 2 && !(c & Roi)) + (L >= 3 && !(c & Dame)) +
             (L == 4 && !(c & Valet));
    }
    return p;
}

int arrets(const char* deal, int seat, int suit) {
    const unsigned c = couleur(main_de(deal, lettre(seat)), suit);
    const int L = __builtin_popcount(c);
    return 100 * !!(c & As) + 100 * (L >= 2 && (c & Roi)) + 25 * L * !!(c & Dame) + 20 * L * !!(c & Valet) +
           10 * L * dix(deal, seat, suit);
}

float compte_levees_couleur(unsigned mask) {
    // Rank r sits at in-suit position 14 - r; bits outside 2..14 are not cards.
    unsigned pos = 0;
    for (int r = 2; r <= 14; ++r) pos |= ((mask >> r) & 1u) << (14 - r);
    return levees_couleur(pos);
}

float ldj(const char* deal, int seat) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    float t = 0.0f;
    for (int s = 0; s < 4; ++s) t += levees_couleur(couleur(m, s));
    return t;
}

// --- composite tests ----------------------------------------------------------

bool condSA(const char* deal, int seat, int range, bool flag) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const Longueurs L = longueurs(m);
    const int S = L.l[0], H = L.l[1];
    const int l1 = L.trie[0], l2 = L.trie[1], l3 = L.trie[2], l4 = L.trie[3];
    if (l1 < 2 || S >= 6 || H >= 6 || l4 >= 7) return false;
    if (S != 5 && H != 5) {
        if (l2 == 2 && S == 4) return false;
    } else {
        if (l3 == 4 || (l2 == 2 && S == 4) || !flag) return false;
    }
    static constexpr int bas[5] = {12, 15, 18, 20, 22};
    static constexpr int haut[5] = {14, 17, 19, 21, 23};
    if (range < 0 || range > 4) return true;
    const int p = hl(m, L);
    return bas[range] <= p && p <= haut[range];
}

bool ouv_barrage_nat(const char* deal, int seat, int suit, int level, int board) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const unsigned c = couleur(m, suit);
    if (__builtin_popcount(c) != level + 4) return false;
    const bool vulnerable = vul(seat, board);
    if ((suit & 3) <= 1 && __builtin_popcount(c & Honneurs) >= 3 && !vulnerable) return true;
    const int a = nb(m & rangee(0));
    if (a >= 2 || hcp(m) >= 11) return false;
    double t = 0.0;
    {
        float f = 0.0f;
        for (int s = 0; s < 4; ++s) f += levees_couleur(couleur(m, s));
        t = f;
    }
    const double n = level;
    if (!vulnerable) return n + 1.75 <= t && t < n + 3.6;
    if (a + nb(m & rangee(1)) + __builtin_popcount(c & (As | Roi | Dame)) < 2) return false;
    return n + 2.75 <= t && t <= n + 4.0;
}

bool cond_bicolore(const char* deal, int seat, int s1, int s2, int min1, int min2) {
    const std::uint64_t m = main_de(deal, lettre(seat));
    const unsigned c1 = couleur(m, s1), c2 = couleur(m, s2);
    return __builtin_popcount(c1) >= 5 && __builtin_popcount(c2) >= 5 &&
           __builtin_popcount(c1 & (As | Roi | Dame)) >= min1 && __builtin_popcount(c2 & (As | Roi | Dame)) >= min2;
}
