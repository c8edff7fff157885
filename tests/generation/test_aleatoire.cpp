// The random source: the generator's own sequence against values computed
// independently from its published definition (xoshiro256++ seeded by
// splitmix64, 2^128 jump), the reductions without bias, and the streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "aleatoire.h"

namespace {

TEST(Flux, FollowsTheXoshiroSequenceSeededBySplitmix) {
    // Reference values from a separate implementation of splitmix64 (seed 0
    // gives 0xe220a8397b1dcdaf first, its published value) and of
    // xoshiro256++ (state {1,2,3,4} gives 41943041 then 58720359).
    Flux f(0);
    EXPECT_EQ(f.suivant(), 0x53175d61490b23dfULL);
    EXPECT_EQ(f.suivant(), 0x61da6f3dc380d507ULL);
    EXPECT_EQ(f.suivant(), 0x5c0fdf91ec9a7bfcULL);
    Flux g(12345);
    EXPECT_EQ(g.suivant(), 0x8d948a82def8a568ULL);
    EXPECT_EQ(g.suivant(), 0x3477f953796702a0ULL);
    EXPECT_TRUE(Flux() == Flux(0));
}

TEST(Flux, JumpLandsWhereThePolynomialSays) {
    Flux f(0);
    f.saut();
    EXPECT_EQ(f.suivant(), 0x2107d23f5380538bULL);
    EXPECT_EQ(f.suivant(), 0x860c46fba09246f0ULL);
}

// Every 16-bit input, reduced to 0..m-1: the inputs that are kept must give
// each value equally often, or the shuffle would favour some cards.
void verifie_sans_biais_16(std::uint32_t m) {
    const std::uint32_t seuil = 65536u % m;
    std::vector<int> n(m, 0);
    int gardes = 0;
    for (std::uint32_t x = 0; x < 65536; ++x) {
        if (((x * m) & 0xFFFFu) < seuil) continue;  // redrawn
        Flux f(1);
        const Flux avant = f;
        const std::uint32_t v = f.reduit16(x, m);
        ASSERT_LT(v, m);
        // A kept input draws nothing more from the stream.
        ASSERT_TRUE(f == avant) << "x " << x;
        ++n[v];
        ++gardes;
    }
    EXPECT_EQ(gardes, 65536 - static_cast<int>(seuil));
    for (std::uint32_t v = 0; v < m; ++v) EXPECT_EQ(n[v], gardes / static_cast<int>(m)) << "m " << m << " v " << v;
}

TEST(Flux, SixteenBitReductionHasNoBias) {
    for (std::uint32_t m : {2u, 3u, 7u, 13u, 39u, 51u, 52u, 200u, 256u}) verifie_sans_biais_16(m);
}

TEST(Flux, RejectedInputsAreDrawnAgain) {
    // 32 bits: for m = 3, 2^32 mod 3 = 1, so only x = 0 falls in the zone
    // that would favour 0; x = 1 gives the high half of 3, that is 0.
    Flux f(9);
    const Flux avant = f;
    EXPECT_EQ(f.reduit(1, 3), 0u);
    EXPECT_TRUE(f == avant);
    const std::uint32_t v = f.reduit(0, 3);
    EXPECT_LT(v, 3u);
    EXPECT_FALSE(f == avant);
    // 16 bits: 65536 mod 52 = 16; x = 0 gives a low half of 0 < 16.
    Flux g(9);
    EXPECT_LT(g.reduit16(0, 52), 52u);
    EXPECT_FALSE(g == avant);
    // The top value: x = 2^32 - 1 gives m - 1.
    EXPECT_EQ(f.reduit(0xFFFFFFFFu, 52), 51u);
    EXPECT_EQ(f.reduit16(0xFFFFu, 52), 51u);
}

TEST(Flux, TireStaysInRangeAndReachesEveryValue) {
    Flux f(3);
    for (std::uint32_t m : {1u, 2u, 52u, 1000u, 0x80000001u}) {
        std::set<std::uint32_t> vus;
        for (int i = 0; i < 4000; ++i) {
            const std::uint32_t v = f.tire(m);
            ASSERT_LT(v, m);
            vus.insert(v);
        }
        if (m <= 52) {
            EXPECT_EQ(vus.size(), m);
        }
    }
}

TEST(Flux, StreamsOfATeamAreDistinctAndFollowTheSeed) {
    graine_aleatoire(77);
    const std::vector<Flux> a = flux_equipe(4);
    graine_aleatoire(77);
    const std::vector<Flux> b = flux_equipe(4);
    ASSERT_EQ(a.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(a[i] == b[i]);
        for (int j = i + 1; j < 4; ++j) EXPECT_FALSE(a[i] == a[j]);
    }
    // Each stream starts 2^128 draws after the previous one.
    Flux x = a[0];
    x.saut();
    EXPECT_TRUE(x == a[1]);
    // Streams are aligned on their own cache line.
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(&a[1]) % 64, 0u);
    EXPECT_TRUE(flux_equipe(0).empty());
    EXPECT_TRUE(flux_equipe(-2).empty());
}

TEST(Flux, ThreadStreamIsRetakenAfterReseeding) {
    graine_aleatoire(5);
    const std::uint64_t a = flux_thread().suivant();
    const std::uint64_t b = flux_thread().suivant();
    EXPECT_NE(a, b);
    graine_aleatoire(5);
    EXPECT_EQ(flux_thread().suivant(), a);
    EXPECT_EQ(flux_thread().suivant(), b);
    graine_aleatoire(6);
    EXPECT_NE(flux_thread().suivant(), a);
}

}  // namespace
