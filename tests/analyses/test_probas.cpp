// Exact distribution probabilities: binomials against Pascal's triangle,
// probabilities against products of binomials and against each other.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "probas.h"

namespace {

// Pascal's triangle up to 52, built by additions only.
std::vector<std::vector<std::uint64_t>> pascal() {
    std::vector<std::vector<std::uint64_t>> p(53);
    for (int n = 0; n <= 52; ++n) {
        p[n].assign(n + 1, 1);
        for (int k = 1; k < n; ++k) p[n][k] = p[n - 1][k - 1] + p[n - 1][k];
    }
    return p;
}

double c(int n, int k) {
    static const auto p = pascal();
    return static_cast<double>(p[n][k]);
}

struct Bornes {
    int min1[4], max1[4], min2[4], max2[4];
};

}  // namespace

TEST(Binom, MatchesPascalsTriangleAndIsZeroOutside) {
    const auto p = pascal();
    for (int n = 0; n <= 52; ++n) {
        for (int k = 0; k <= n; ++k) EXPECT_EQ(binom(n, k), p[n][k]) << n << " " << k;
        EXPECT_EQ(binom(n, -1), 0u);
        EXPECT_EQ(binom(n, n + 1), 0u);
    }
}

TEST(Pr, ExactProbabilitiesOfLengthRanges) {
    const double deal = c(52, 13);
    struct Cas {
        const char* nom;
        Bornes b;
        double attendu;
    };
    const Cas cas[] = {
        {"open", {{0, 0, 0, 0}, {13, 13, 13, 13}, {0, 0, 0, 0}, {13, 13, 13, 13}}, 1.0},
        {"4333",
         {{4, 3, 3, 3}, {4, 3, 3, 3}, {0, 0, 0, 0}, {13, 13, 13, 13}},
         c(13, 4) * c(13, 3) * c(13, 3) * c(13, 3) / deal},
        {"maxima 3", {{0, 0, 0, 0}, {3, 3, 3, 3}, {0, 0, 0, 0}, {13, 13, 13, 13}}, 0.0},
        {"empty range", {{5, 0, 0, 0}, {4, 13, 13, 13}, {0, 0, 0, 0}, {13, 13, 13, 13}}, 0.0},
        // Bounds beyond 0..13 are clamped: no length lies outside.
        {"wide bounds",
         {{-5, -1, 0, -100}, {20, 13, 99, 14}, {-3, 0, 0, 0}, {13, 40, 13, 13}},
         1.0},
        // An upper bound below 0 leaves no length: it is not read as 0.
        {"at most -1 hearts",
         {{0, 0, 0, 0}, {13, -1, 13, 13}, {0, 0, 0, 0}, {13, 13, 13, 13}},
         0.0},
        {"second at most -1",
         {{0, 0, 0, 0}, {13, 13, 13, 13}, {0, 0, 0, 0}, {13, 13, -1, 13}},
         0.0},
        {"void", {{0, 0, 0, 0}, {13, 13, 13, 0}, {0, 0, 0, 0}, {13, 13, 13, 13}}, c(39, 13) / deal},
        // Both hands five spades exactly: the first among 52, the second
        // among the 39 cards left, eight spades among them.
        {"5 and 5 spades",
         {{5, 0, 0, 0}, {5, 13, 13, 13}, {5, 0, 0, 0}, {5, 13, 13, 13}},
         c(13, 5) * c(39, 8) / deal * c(8, 5) * c(31, 8) / c(39, 13)},
    };
    for (const Cas& k : cas)
        EXPECT_NEAR(Pr(k.b.min1, k.b.max1, k.b.min2, k.b.max2, L0), k.attendu, 1e-12) << k.nom;
    EXPECT_NEAR(Pr(cas[1].b.min1, cas[1].b.max1, m0, M0, L0), 0.02634, 5e-6);
}

TEST(Pr, ExactLengthsOfOneSuitAddUpToOne) {
    for (int suit = 0; suit < 4; ++suit) {
        double somme = 0;
        for (int x = 0; x <= 13; ++x) {
            int lo[4] = {0, 0, 0, 0}, hi[4] = {13, 13, 13, 13};
            lo[suit] = hi[suit] = x;
            somme += Pr(lo, hi, m0, M0, L0);
        }
        EXPECT_NEAR(somme, 1.0, 1e-12);
    }
}

TEST(CalculeDistribution, EventsAAndB) {
    int mins[4][4] = {}, maxs[4][4];
    for (auto& r : maxs)
        for (int& v : r) v = 13;
    // B open: only P(A).
    ProbasDistribution p = calcule_distribution(mins, maxs);
    EXPECT_NEAR(p.pA, 1.0, 1e-12);
    EXPECT_EQ(p.pAB, -1);

    // A: joueur1 at most one spade; B: joueur1 at least five spades.
    maxs[0][0] = 1;
    mins[2][0] = 5;
    p = calcule_distribution(mins, maxs);
    EXPECT_NEAR(p.pA, (c(39, 13) + c(13, 1) * c(39, 12)) / c(52, 13), 1e-12);
    EXPECT_EQ(p.pAB, 0.0);

    // B: joueur2 at least 4 hearts, A open for joueur2: the intersection.
    mins[2][0] = 0;
    mins[3][1] = 4;
    const int lo1[4] = {0, 0, 0, 0}, hi1[4] = {1, 13, 13, 13};
    const int lo2[4] = {0, 4, 0, 0}, hi2[4] = {13, 13, 13, 13};
    p = calcule_distribution(mins, maxs);
    EXPECT_GT(p.pAB, 0);
    EXPECT_LT(p.pAB, p.pA);
    EXPECT_DOUBLE_EQ(p.pAB, Pr(lo1, hi1, lo2, hi2, L0));
}
