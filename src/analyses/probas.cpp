#include "probas.h"

#include <algorithm>

int minis[4][4] = {};
int maxis[4][4] = {{13, 13, 13, 13}, {13, 13, 13, 13}, {13, 13, 13, 13}, {13, 13, 13, 13}};

const int L0[4] = {13, 13, 13, 13};
const int M0[4] = {13, 13, 13, 13};
const int m0[4] = {0, 0, 0, 0};

std::uint64_t binom(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    // C(n-k+i, i) from C(n-k+i-1, i-1), multiplying before dividing: each
    // division is exact and nothing overflows for the deck sizes used here.
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

bool jact(const int lower[4], const int upper[4]) {
    for (int i = 0; i < 4; ++i)
        if (lower[i] != 0 || upper[i] != 13) return true;
    return false;
}

namespace {

// Pr over lower bounds of at least 0 and upper bounds of at most 13.
double pr(const int a[4], const int b[4], const int c[4], const int d[4], const int e[4]) {
    for (int i = 0; i < 4; ++i) {
        if (a[i] >= b[i]) continue;
        // The first suit with a range: one exact length at a time.
        int aa[4], bb[4];
        std::copy(a, a + 4, aa);
        std::copy(b, b + 4, bb);
        double s = 0;
        for (int x = a[i]; x <= b[i]; ++x) {
            aa[i] = bb[i] = x;
            s += pr(aa, bb, c, d, e);
        }
        return s;
    }
    int somme = 0;
    for (int i = 0; i < 4; ++i) {
        if (a[i] > b[i] || a[i] > e[i]) return 0;
        somme += a[i];
    }
    if (somme != 13) return 0;
    double n = 1;
    for (int i = 0; i < 4; ++i) n *= static_cast<double>(binom(e[i], a[i]));
    if (!jact(c, d)) {
        const std::uint64_t mains = binom(e[0] + e[1] + e[2] + e[3], 13);
        return mains == 0 ? 0 : n / static_cast<double>(mains);
    }
    // The second hand among the 39 cards the first leaves in a full deck,
    // times the chance of the first hand's exact lengths.
    int reste[4];
    for (int i = 0; i < 4; ++i) reste[i] = 13 - a[i];
    return pr(c, d, m0, M0, reste) * pr(a, a, m0, M0, L0);
}

// A lower bound below 0 or an upper bound above 13 excludes no length and
// is brought back to 0 or 13; the other side is kept, so that "at least 14"
// or "at most -1" stays an empty range (probability 0), and no negative
// length reaches binom.
void borne_basse(const int in[4], int out[4]) {
    for (int i = 0; i < 4; ++i) out[i] = std::max(in[i], 0);
}
void borne_haute(const int in[4], int out[4]) {
    for (int i = 0; i < 4; ++i) out[i] = std::min(in[i], 13);
}

}  // namespace

double Pr(const int lower1[4], const int upper1[4], const int lower2[4], const int upper2[4],
          const int remaining[4]) {
    int a[4], b[4], c[4], d[4];
    borne_basse(lower1, a);
    borne_haute(upper1, b);
    borne_basse(lower2, c);
    borne_haute(upper2, d);
    return pr(a, b, c, d, remaining);
}

ProbasDistribution calcule_distribution(const int mins[4][4], const int maxs[4][4]) {
    ProbasDistribution p;
    p.pA = Pr(mins[0], maxs[0], mins[1], maxs[1], L0);
    if (!jact(mins[2], maxs[2]) && !jact(mins[3], maxs[3])) return p;
    int j1min[4], j1max[4], j2min[4], j2max[4];
    for (int i = 0; i < 4; ++i) {
        j1min[i] = std::max(mins[0][i], mins[2][i]);
        j1max[i] = std::min(maxs[0][i], maxs[2][i]);
        j2min[i] = std::max(mins[1][i], mins[3][i]);
        j2max[i] = std::min(maxs[1][i], maxs[3][i]);
    }
    p.pAB = Pr(j1min, j1max, j2min, j2max, L0);
    return p;
}
