// The hand-pattern conditions on hands built for each bound. Every expected
// value below is worked out by hand from the rules of the condition and of
// the hand evaluation; the hands are Sud's unless a test says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "allocations.h"
#include "formes.h"
#include "jeux.h"

namespace {

// Kind 3: joueurs, nature, couleur, mini, maxi.
bool pts(const Jeu& j, int ligne, int nature, int couleur, int mini, int maxi) {
    return cond_points(j.donne(), cond(3, {ligne, nature, couleur, mini, maxi}));
}
// Kind 4: a length code per suit, 99 "x" for the others.
bool fo(const Jeu& j, int pi, int co = 99, int ca = 99, int tr = 99) {
    return forme(j.donne(), cond(4, {pi, co, ca, tr}));
}
bool dist(const Jeu& j, int code) { return distribution(j.donne(), cond(5, {code})); }
bool ten(const Jeu& j, int suit, int mask, int longueur) {
    return teneur(j.donne(), cond(8, {suit, mask, longueur}));
}
bool ldj_entre(const Jeu& j, int suit, int mini, int maxi) {
    return cond_ldj(j.donne(), cond(14, {suit, mini, maxi}));
}

// Hands reused by several tests, with their suit lengths ♠ ♥ ♦ ♣.
const Jeu m5422 = sud("AR532", "D864", "V7", "92");
const Jeu m5521 = sud("AR532", "D8643", "V7", "9");
const Jeu m4432 = sud("AR53", "D864", "V72", "92");
const Jeu m6331 = sud("AR5432", "D86", "V72", "9");
const Jeu m6421 = sud("AR5432", "D864", "V7", "9");
const Jeu m3631 = sud("AR5", "D86432", "V72", "9");
const Jeu m5431 = sud("AR532", "D864", "V72", "9");
const Jeu m5440 = sud("AR532", "D864", "", "9876");
const Jeu m5314 = sud("AR532", "D86", "V", "9876");
const Jeu m3442 = sud("AR5", "D864", "V732", "92");
const Jeu m3433 = sud("AR5", "D864", "V73", "982");
const Jeu m2542 = sud("AR", "D8643", "V732", "92");
const Jeu m1552 = sud("A", "D8643", "V7432", "92");
const Jeu m4441 = sud("AR53", "D864", "V732", "9");
const Jeu m4333 = sud("AR53", "D86", "V72", "962");
const Jeu m5332 = sud("AR532", "D86", "V72", "92");
const Jeu m6322 = sud("AR5432", "D86", "V7", "92");
const Jeu m4621 = sud("AR53", "D86432", "V7", "9");

}  // namespace

TEST(Points, HighCardPointsAreInclusiveBounds) {
    const Jeu h11 = sud("AR52", "DV4", "V73", "962");
    const Jeu h12 = sud("AR52", "DV4", "D73", "962");
    const Jeu h14 = sud("AR52", "DV4", "R73", "V62");
    const Jeu h15 = sud("AR52", "DV4", "R73", "D62");
    EXPECT_FALSE(pts(h11, 0, 0, 5, 12, 14));
    EXPECT_TRUE(pts(h12, 0, 0, 5, 12, 14));
    EXPECT_TRUE(pts(h14, 0, 0, 5, 12, 14));
    EXPECT_FALSE(pts(h15, 0, 0, 5, 12, 14));
    // In one suit: ♠AR52 is 7.
    EXPECT_TRUE(pts(h12, 0, 0, 0, 7, 7));
    EXPECT_FALSE(pts(h12, 0, 0, 0, 8, 36));
    EXPECT_FALSE(pts(h12, 0, 0, 0, 0, 6));
    // Another seat: Nord's hand is what is counted, not Sud's.
    Jeu j;
    j.main(0, "DV43", "A86", "9765", "A4").complete();  // 2+1+4+4 = 11
    EXPECT_TRUE(cond_points(j.donne(), cond(3, {0, 0, 5, 11, 11}, 0)));
}

TEST(Points, LineAddsThePartnersHand) {
    Jeu j;  // Sud 12, Nord 13
    j.main(2, "AR52", "DV4", "D73", "962").main(0, "D43", "AR2", "9865", "A43").complete();
    EXPECT_TRUE(pts(j, 1, 0, 5, 25, 25));
    EXPECT_FALSE(pts(j, 1, 0, 5, 26, 36));
    EXPECT_FALSE(pts(j, 1, 0, 5, 0, 24));
    // The same from Nord's seat; in spades 7 + 2.
    EXPECT_TRUE(cond_points(j.donne(), cond(3, {1, 0, 5, 25, 25}, 0)));
    EXPECT_TRUE(pts(j, 1, 0, 0, 9, 9));
}

TEST(Points, HlAndDhCounts) {
    // 10 high-card points; five spades with A R D: HL 11; a singleton: DH 12.
    const Jeu j = sud("ARD52", "8", "V732", "962");
    EXPECT_TRUE(pts(j, 0, 0, 5, 10, 10));
    EXPECT_TRUE(pts(j, 0, 1, 5, 11, 11));
    EXPECT_FALSE(pts(j, 0, 1, 5, 12, 12));
    EXPECT_TRUE(pts(j, 0, 2, 5, 12, 12));
    EXPECT_FALSE(pts(j, 0, 2, 5, 11, 11));
    // The suit plays no part in HL and DH.
    EXPECT_TRUE(pts(j, 0, 1, 2, 11, 11));

    // A line counts the nature on both hands: HL 11 + Nord's 19 (five clubs
    // with only two top honours: HL = high-card points) = 30, not 29.
    Jeu l;
    l.main(2, "ARD52", "8", "V732", "962").main(0, "V4", "AR2", "A98", "AR543").complete();
    EXPECT_TRUE(pts(l, 1, 1, 5, 30, 30));
    EXPECT_FALSE(pts(l, 1, 1, 5, 29, 29));
}

TEST(Points, SupportCountWithinHalfAPointOfTheBound) {
    // 12 + (8 − 1) − 1.5 (bare king) − 0.85 (RD) − 0.36 (RV) + 0.2 (partner's
    // ten) = 16.49.
    Jeu a;
    a.main(2, "98765432", "R", "RD", "RV").main(0, "X", "", "", "").complete();
    EXPECT_TRUE(pts(a, 0, 3, 0, 0, 16));
    EXPECT_FALSE(pts(a, 0, 3, 0, 0, 15));
    // 9 + (6 − 2) + 0.66 + 0.66 (two ace doubletons) + 0.2 = 14.52.
    Jeu b;
    b.main(2, "V98765", "A2", "A2", "543").main(0, "X", "", "", "").complete();
    EXPECT_FALSE(pts(b, 0, 3, 0, 0, 14));
    EXPECT_TRUE(pts(b, 0, 3, 0, 0, 15));
    EXPECT_TRUE(pts(b, 0, 3, 0, 15, 36));
    EXPECT_FALSE(pts(b, 0, 3, 0, 16, 36));
}

TEST(Points, SupportCountWithoutTrumpIsNotMet) {
    const Jeu j = sud("AR52", "DV4", "D73", "962");
    EXPECT_FALSE(pts(j, 0, 3, 5, 0, 36));
    EXPECT_FALSE(pts(j, 1, 3, 5, 0, 36));
    // Codes the catalogue does not offer.
    EXPECT_FALSE(pts(j, 0, 0, 4, 0, 36));
    EXPECT_FALSE(pts(j, 0, 4, 5, 0, 36));
    EXPECT_FALSE(pts(j, 2, 0, 5, 0, 36));
}

TEST(Forme, AtLeastAndAtMost) {
    EXPECT_TRUE(fo(m5422, 15, 24));
    EXPECT_FALSE(fo(m5521, 15, 24));  // five hearts
    EXPECT_FALSE(fo(m4432, 15, 24));  // four spades
    for (const Jeu* j : {&m5422, &m5521, &m1552, &m5440})
        EXPECT_TRUE(fo(*j, 99, 99, 99, 99));
    // Negative codes leave a suit free.
    EXPECT_TRUE(fo(m1552, -1, -1, -1, -1));
    EXPECT_TRUE(fo(m1552, 21));
    EXPECT_FALSE(fo(m2542, 21));
    EXPECT_TRUE(fo(m5440, 99, 99, 0));
    EXPECT_FALSE(fo(m5431, 99, 99, 0));
    EXPECT_TRUE(fo(m5440, 5, 4, 0, 4));
    EXPECT_FALSE(fo(m5440, 5, 4, 0, 3));
}

TEST(Forme, EitherLengthAndRanges) {
    // ♠ lengths 1, 2, 3, 4, 5.
    const Jeu* h[5] = {&m1552, &m2542, &m3442, &m4432, &m5422};
    const bool ou24[5] = {false, true, false, true, false};
    const bool r23[5] = {false, true, true, false, false};
    const bool ou13[5] = {true, false, true, false, false};
    const bool r15[5] = {true, true, true, true, true};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(fo(*h[i], 204), ou24[i]);
        EXPECT_EQ(fo(*h[i], 2003), r23[i]);
        EXPECT_EQ(fo(*h[i], 103), ou13[i]);
        EXPECT_EQ(fo(*h[i], 1005), r15[i]);
    }
    EXPECT_FALSE(fo(m6331, 1005));
    EXPECT_TRUE(fo(m5422, 305));
    EXPECT_FALSE(fo(m4432, 305));
}

TEST(Forme, ShapeFamilies) {
    EXPECT_TRUE(fo(m6331, 6331));
    EXPECT_FALSE(fo(m6421, 6331));
    EXPECT_FALSE(fo(m3631, 6331));  // 6-3-3-1 but three spades
    EXPECT_TRUE(fo(m6421, 6421));
    EXPECT_FALSE(fo(m6331, 6421));
    // The four-card heart suit of a 5-4-2-2, not of a 4-4-3-2 or a 5-4-3-1.
    EXPECT_TRUE(fo(m5422, 99, 4522));
    EXPECT_FALSE(fo(m4432, 99, 4522));
    EXPECT_FALSE(fo(m5431, 99, 4522));
    EXPECT_FALSE(fo(m5422, 4522));  // the five-card suit
    EXPECT_TRUE(fo(m4432, 4432));
    EXPECT_TRUE(fo(m4432, 99, 4432));
    EXPECT_FALSE(fo(m4333, 4432));
    EXPECT_TRUE(fo(m4441, 4441));
    EXPECT_FALSE(fo(m4441, 99, 99, 99, 4441));
    EXPECT_TRUE(fo(m5332, 5332));
    EXPECT_FALSE(fo(m5422, 5332));
    EXPECT_FALSE(fo(m5440, 5530));  // 5-4-4-0 is no 5-5-3-0
    EXPECT_TRUE(fo(sud("AR532", "D8643", "V72", ""), 5530));
}

TEST(Forme, LengthWithTheShortestSuit) {
    // ♣ four cards and a void.
    EXPECT_TRUE(fo(m5440, 99, 99, 99, 4990));
    EXPECT_FALSE(fo(m5314, 99, 99, 99, 4990));
    EXPECT_TRUE(fo(m5314, 99, 99, 99, 4991));
    EXPECT_FALSE(fo(m5440, 99, 99, 99, 4991));
    EXPECT_FALSE(fo(m5440, 99, 99, 99, 5990));
    // Three cards when the shortest suit is a doubleton.
    EXPECT_TRUE(fo(m3442, 3992));
    EXPECT_FALSE(fo(m3433, 3992));
    EXPECT_FALSE(fo(m4432, 3992));
    EXPECT_TRUE(fo(m6331, 6991));
}

TEST(Distribution, Patterns) {
    EXPECT_TRUE(dist(m5431, 5431));
    EXPECT_FALSE(dist(m4441, 5431));
    EXPECT_TRUE(dist(m4441, 4441));
    EXPECT_TRUE(dist(m5440, 1));
    EXPECT_TRUE(dist(m5431, 1));
    EXPECT_FALSE(dist(m5422, 1));
    EXPECT_TRUE(dist(m4333, 4333));
    EXPECT_FALSE(dist(m4432, 4333));
    EXPECT_TRUE(dist(m4432, 4432));
    EXPECT_TRUE(dist(m5332, 5332));
    EXPECT_FALSE(dist(m5422, 5332));
    EXPECT_TRUE(dist(m5422, 5422));
    EXPECT_TRUE(dist(m6322, 6322));
    EXPECT_FALSE(dist(m6331, 6322));
    EXPECT_TRUE(dist(m6331, 6331));
    EXPECT_TRUE(dist(m6421, 64001111));
    EXPECT_FALSE(dist(m6331, 64001111));
    EXPECT_FALSE(dist(m5440, 64001111));
    // A code with no pattern of its own asks nothing.
    EXPECT_TRUE(dist(m4333, 7222));
}

TEST(CouleurPlusLongue, ModesOnTiedAndSingleLongSuits) {
    auto clo = [](const Jeu& j, int suit, int mode) {
        const bool r = coul_plus_longue(j.donne(), cond(6, {suit, mode}));
        EXPECT_EQ(r, coul_plus_longue(j.donne(), 2, suit, mode));
        return r;
    };
    // Five spades and five hearts: spades rank first.
    EXPECT_TRUE(clo(m5521, 0, 0));
    EXPECT_FALSE(clo(m5521, 0, 1));
    EXPECT_TRUE(clo(m5521, 0, 2));
    EXPECT_FALSE(clo(m5521, 1, 0));
    EXPECT_FALSE(clo(m5521, 1, 1));
    EXPECT_TRUE(clo(m5521, 1, 2));
    EXPECT_FALSE(clo(m5521, 2, 2));
    // Six hearts alone.
    EXPECT_TRUE(clo(m4621, 1, 0));
    EXPECT_TRUE(clo(m4621, 1, 1));
    EXPECT_FALSE(clo(m4621, 0, 2));
    // Notrump is no suit; an unknown mode asks what cannot be answered.
    EXPECT_FALSE(clo(m4621, 4, 2));
    EXPECT_FALSE(clo(m4621, 1, 3));
}

TEST(ComparaisonCouleurs, Signs) {
    auto cmp = [](int a, int b, int signe) {
        return comp_couleurs(m5521.donne(), cond(7, {a, b, signe}));
    };
    EXPECT_FALSE(cmp(0, 1, 0));
    EXPECT_TRUE(cmp(0, 1, 1));
    EXPECT_TRUE(cmp(0, 1, 2));
    EXPECT_TRUE(cmp(3, 2, 0));  // 1 < 2
    EXPECT_FALSE(cmp(2, 3, 1));
    EXPECT_FALSE(cmp(2, 3, 2));
    EXPECT_FALSE(cmp(0, 1, 3));
}

TEST(Teneur, HonoursHeld) {
    const Jeu j = sud("AD95", "R864", "V72", "92");
    EXPECT_TRUE(ten(j, 0, 37, 4));   // As-Dame-9, four cards
    EXPECT_FALSE(ten(j, 0, 37, 5));
    EXPECT_TRUE(ten(j, 0, 37, 99));
    EXPECT_TRUE(ten(j, 0, 5, 14));   // As-Dame, 4+
    EXPECT_TRUE(ten(j, 0, 1, 99));
    EXPECT_TRUE(ten(j, 0, 32, 99));
    EXPECT_TRUE(ten(j, 0, 36, 99));
    EXPECT_FALSE(ten(j, 0, 3, 99));  // no king
    EXPECT_FALSE(ten(j, 0, 16, 99));
    EXPECT_TRUE(ten(j, 1, 2, 4));
    EXPECT_FALSE(ten(j, 1, 6, 4));
    EXPECT_TRUE(ten(sud("AR52", "VX3", "D73", "962"), 1, 24, 3));
    EXPECT_FALSE(ten(sud("AR52", "V93", "D73", "962"), 1, 24, 3));
    // A void holds no honour.
    EXPECT_FALSE(ten(m5440, 2, 1, 99));
    EXPECT_FALSE(ten(m5440, 2, 32, 0));
}

TEST(Teneur, Control) {
    const Jeu j = sud("AD95", "R864", "V72", "92");
    EXPECT_TRUE(ten(j, 0, 5000, 99));
    EXPECT_TRUE(ten(j, 1, 5000, 99));
    EXPECT_FALSE(ten(j, 2, 5000, 99));
    EXPECT_FALSE(ten(j, 3, 5000, 99));
    EXPECT_TRUE(ten(m5440, 2, 5000, 99));  // void
    EXPECT_TRUE(ten(m5431, 3, 5000, 99));  // singleton
    EXPECT_TRUE(ten(sud("AR532", "D864", "V72", "D"), 3, 5000, 1));
    EXPECT_FALSE(ten(j, 1, 5000, 3));      // the length still counts
}

TEST(Teneur, LengthCodesAgainstTheShapeCondition) {
    // Shape families name the whole hand: a holding ignores them, the shape
    // condition does not.
    EXPECT_TRUE(ten(m4432, 0, 1, 6331));
    EXPECT_FALSE(fo(m4432, 6331));
    EXPECT_TRUE(ten(m4432, 0, 1, 4990));
    EXPECT_FALSE(fo(m4432, 4990));
    // "2 ou 4" means two or four cards in both.
    EXPECT_TRUE(ten(m4432, 0, 1, 204));
    EXPECT_TRUE(ten(m2542, 0, 1, 204));
    EXPECT_FALSE(ten(m3442, 0, 1, 204));
    EXPECT_TRUE(ten(m5422, 0, 1, 205));
    EXPECT_FALSE(ten(m4432, 0, 1, 305));
    // A negative length is "no requirement" only for a shape.
    EXPECT_FALSE(ten(m4432, 0, 1, -1));
    EXPECT_TRUE(fo(m4432, -1));
    // Ranges and bounds alike.
    EXPECT_TRUE(ten(m4432, 0, 1, 3004));
    EXPECT_FALSE(ten(m4432, 0, 1, 3));
}

TEST(NbCartes, CardsOfARankRange) {
    const Jeu j = sud("ARDVX92", "864", "V7", "9");
    auto nb = [&](int petite, int grande, int mini, int maxi) {
        return nb_cartes(j.donne(), cond(9, {0, petite, grande, mini, maxi}));
    };
    EXPECT_TRUE(nb(10, 14, 5, 5));  // A R D V X
    EXPECT_FALSE(nb(10, 14, 6, 12));
    EXPECT_FALSE(nb(10, 14, 0, 4));
    EXPECT_TRUE(nb(2, 9, 2, 2));    // 9 and 2
    EXPECT_TRUE(nb(11, 13, 3, 3));  // R D V
    EXPECT_TRUE(nb(14, 14, 1, 1));
    EXPECT_TRUE(nb(12, 10, 0, 0));  // inverted range: nothing
    EXPECT_FALSE(nb(12, 10, 1, 13));
    EXPECT_TRUE(nb(2, 14, 7, 7));
    EXPECT_TRUE(nb_cartes(j.donne(), cond(9, {1, 2, 14, 3, 3})));
}

TEST(CartesNiveau, CardsOfOneRank) {
    const Jeu j = sud("AR52", "AV4", "D73", "962");
    auto niv = [&](int rang, int mini, int maxi) {
        return cartes_niveau(j.donne(), cond(10, {rang, mini, maxi}));
    };
    EXPECT_TRUE(niv(14, 2, 2));
    EXPECT_FALSE(niv(14, 3, 4));
    EXPECT_FALSE(niv(14, 0, 1));
    EXPECT_TRUE(niv(13, 1, 1));
    EXPECT_TRUE(niv(2, 2, 2));
    EXPECT_TRUE(niv(10, 0, 0));
}

TEST(Arrets, StopperScoreBetweenBounds) {
    auto arr = [](const Jeu& j, int mini, int maxi) {
        return arret(j.donne(), cond(11, {0, mini, maxi}));
    };
    // The ten goes to an opponent unless the test gives it to Nord.
    auto main_sud = [](const char* pi, const char* co, const char* ca, const char* tr) {
        Jeu j;
        j.main(2, pi, co, ca, tr).main(1, "X", "", "", "").complete();
        return j;
    };
    const Jeu r5 = main_sud("R5", "D8643", "V732", "92");    // 100
    const Jeu r = main_sud("R", "D8643", "V7432", "92");     // bare king: 0
    const Jeu ard5 = main_sud("ARD5", "D864", "V72", "92");  // 100 + 100 + 4 × 25
    Jeu v54;                                              // 3 × 20 + 3 × 10
    v54.main(2, "V54", "D864", "V732", "92").main(0, "X", "", "", "").complete();
    EXPECT_TRUE(arr(r5, 100, 200));
    EXPECT_TRUE(arr(r5, 100, 100));
    EXPECT_FALSE(arr(r5, 150, 1000));
    EXPECT_FALSE(arr(r, 50, 1000));
    EXPECT_TRUE(arr(r, 0, 0));
    EXPECT_FALSE(arr(ard5, 100, 200));
    EXPECT_TRUE(arr(ard5, 200, 1000));
    EXPECT_TRUE(arr(v54, 50, 100));
    EXPECT_FALSE(arr(v54, 100, 1000));
    EXPECT_FALSE(arr(v54, 0, 50));
}

TEST(Cles, KeyCardCodes) {
    auto cl = [](const Jeu& j, int suit, int code) { return cles(j.donne(), cond(12, {suit, code})); };
    const Jeu avec_dame = sud("RD52", "A86", "V73", "962");  // one ace, ♠R, ♠D
    const Jeu sans_dame = sud("R652", "A86", "V73", "D62");
    EXPECT_FALSE(cl(avec_dame, 0, 62));
    EXPECT_TRUE(cl(avec_dame, 0, 72));
    EXPECT_TRUE(cl(avec_dame, 0, 2));
    EXPECT_TRUE(cl(sans_dame, 0, 62));
    EXPECT_FALSE(cl(sans_dame, 0, 72));
    // The king of another suit is no key card.
    EXPECT_TRUE(cl(avec_dame, 1, 1));
    const Jeu zero = sud("D652", "D86", "V73", "962");
    const Jeu un = sud("R652", "D86", "V73", "962");
    const Jeu trois = sud("AR52", "A86", "V73", "962");
    EXPECT_TRUE(cl(zero, 0, 30));
    EXPECT_TRUE(cl(trois, 0, 30));
    EXPECT_FALSE(cl(un, 0, 30));
    EXPECT_TRUE(cl(un, 0, 41));
    EXPECT_FALSE(cl(trois, 0, 41));
    EXPECT_TRUE(cl(trois, 0, 13));
    EXPECT_FALSE(cl(trois, 0, 14));
    EXPECT_TRUE(cl(trois, 0, 23));
    EXPECT_FALSE(cl(trois, 0, 22));
    EXPECT_TRUE(cl(sud("AR52", "A86", "A73", "A62"), 0, 5));
    EXPECT_FALSE(cl(trois, 0, 6));
}

TEST(Cles, NotrumpCountsTheAces) {
    auto cl = [](const Jeu& j, int code) { return cles(j.donne(), cond(12, {4, code})); };
    const Jeu j = sud("ARD2", "A86", "V73", "962");  // two aces, the ♠R and ♠D
    EXPECT_TRUE(cl(j, 2));
    EXPECT_FALSE(cl(j, 3));
    EXPECT_TRUE(cl(j, 62));   // no trump queen at notrump
    EXPECT_FALSE(cl(j, 72));
    EXPECT_TRUE(cles(j.donne(), cond(12, {0, 3})));
    EXPECT_FALSE(cles(j.donne(), cond(12, {0, 72})));  // three key cards with spades
}

TEST(ControlesItaliens, AcesTwoKingsOne) {
    const Jeu j = sud("AR52", "A86", "V73", "962");  // 2 + 1 + 2
    EXPECT_TRUE(contr_italiens(j.donne(), cond(13, {5, 5})));
    EXPECT_FALSE(contr_italiens(j.donne(), cond(13, {0, 4})));
    EXPECT_FALSE(contr_italiens(j.donne(), cond(13, {6, 6})));
}

TEST(LeveesDeJeu, BoundsInTenthsHoldExactly) {
    const Jeu t68 = sud("ARD5432", "2", "543", "32");   // A R D in seven cards
    const Jeu t51 = sud("AV65432", "2", "543", "32");   // A V in seven cards
    const Jeu t74 = sud("ADVX5432", "32", "32", "2");   // A D V X in eight cards
    const Jeu t75 = sud("ARD432", "A2", "A2", "432");   // 5.5 + 1 + 1
    const Jeu t725 = sud("ARD432", "AVX", "32", "32");  // 5.5 + 1.75
    EXPECT_TRUE(ldj_entre(t68, 4, 68, 68));
    EXPECT_FALSE(ldj_entre(t68, 4, 69, 81));
    EXPECT_FALSE(ldj_entre(t68, 4, 50, 67));
    EXPECT_TRUE(ldj_entre(t51, 4, 51, 51));
    EXPECT_FALSE(ldj_entre(t51, 4, 52, 81));
    EXPECT_FALSE(ldj_entre(t51, 4, 50, 50));
    EXPECT_FALSE(ldj_entre(t74, 4, 75, 81));
    EXPECT_TRUE(ldj_entre(t75, 4, 75, 81));
    EXPECT_TRUE(ldj_entre(t74, 4, 74, 74));
    // A quarter trick is not rounded onto the next tenth.
    EXPECT_FALSE(ldj_entre(t725, 4, 73, 81));
    EXPECT_FALSE(ldj_entre(t725, 4, 50, 72));
    EXPECT_TRUE(ldj_entre(t725, 4, 72, 73));
}

TEST(LeveesDeJeu, ChosenSuitMustBeTheLongest) {
    const Jeu t68 = sud("ARD5432", "2", "543", "32");
    EXPECT_TRUE(ldj_entre(t68, 0, 68, 68));
    EXPECT_FALSE(ldj_entre(t68, 1, 68, 68));
    EXPECT_FALSE(ldj_entre(t68, 2, 50, 81));
    // Five spades and five hearts, 4.3 + 3.3: spades are the longest by rank.
    const Jeu t76 = sud("ARD52", "AR643", "V7", "9");
    EXPECT_TRUE(ldj_entre(t76, 0, 76, 76));
    EXPECT_TRUE(ldj_entre(t76, 4, 76, 76));
    EXPECT_FALSE(ldj_entre(t76, 1, 76, 76));
}

TEST(Conditions, OutOfCatalogueSeatsAndParametersAreNotMet) {
    const char* d = m5422.donne();
    Condouv c = cond(4, {99, 99, 99, 99}, 4);
    EXPECT_FALSE(forme(d, c));
    c.joueur = -1;
    EXPECT_FALSE(forme(d, c));
    EXPECT_FALSE(forme(d, cond(4, {99, 99, 99})));
    EXPECT_FALSE(cond_points(d, cond(3, {0, 0, 5, 0})));
    EXPECT_FALSE(distribution(d, cond(5, {})));
    EXPECT_FALSE(coul_plus_longue(d, 7, 0, 2));
    EXPECT_FALSE(comp_couleurs(d, cond(7, {0, 5, 1})));
    EXPECT_FALSE(teneur(d, cond(8, {4, 1, 99})));
    EXPECT_FALSE(nb_cartes(d, cond(9, {0, 1, 14, 0, 13})));
    EXPECT_FALSE(nb_cartes(d, cond(9, {0, 2, 15, 0, 13})));
    EXPECT_FALSE(cartes_niveau(d, cond(10, {15, 0, 4})));
    EXPECT_FALSE(arret(d, cond(11, {4, 0, 1000})));
    EXPECT_FALSE(cles(d, cond(12, {5, 0})));
    EXPECT_FALSE(contr_italiens(d, cond(13, {0})));
    EXPECT_FALSE(cond_ldj(d, cond(14, {5, 0, 130})));
}

TEST(Conditions, TestsAllocateNothing) {
    Jeu j;
    j.main(2, "ARD52", "8", "V732", "962").main(0, "V4", "AR2", "A98", "AR543").complete();
    const char* d = j.donne();
    const Condouv c3 = cond(3, {1, 3, 0, 0, 36}), c4 = cond(4, {15, 4990, 2003, 204}),
                  c5 = cond(5, {5431}), c6 = cond(6, {0, 1}), c7 = cond(7, {0, 1, 1}),
                  c8 = cond(8, {0, 37, 4522}), c9 = cond(9, {0, 10, 14, 0, 5}),
                  c10 = cond(10, {14, 0, 4}), c11 = cond(11, {0, 100, 1000}),
                  c12 = cond(12, {4, 62}), c13 = cond(13, {0, 6}), c14 = cond(14, {0, 50, 81});
    // The counter does see an allocation.
    const long temoin = allocations_faites();
    std::vector<int>* v = new std::vector<int>(100);
    delete v;
    ASSERT_GT(allocations_faites(), temoin);

    const long avant = allocations_faites();
    const int vrais = cond_points(d, c3) + forme(d, c4) + distribution(d, c5) +
                      coul_plus_longue(d, c6) + coul_plus_longue(d, 1, 2, 0) +
                      comp_couleurs(d, c7) + teneur(d, c8) + nb_cartes(d, c9) +
                      cartes_niveau(d, c10) + arret(d, c11) + cles(d, c12) +
                      contr_italiens(d, c13) + cond_ldj(d, c14);
    EXPECT_EQ(allocations_faites() - avant, 0);
    EXPECT_GT(vrais, 0);
}

TEST(Conditions, SameAnswersOnSeveralThreadsAtOnce) {
    // The generator's workers run the tests side by side: any hidden shared
    // state would make a thread's answers differ from a lone run.
    std::mt19937 gen(7);
    std::string base;
    for (int i = 0; i < 52; ++i) base += "NESO"[i % 4];
    std::vector<std::string> donnes;
    for (int k = 0; k < 2000; ++k) {
        std::shuffle(base.begin(), base.end(), gen);
        donnes.push_back(base);
    }
    const std::vector<Condouv> cs = {cond(3, {1, 3, 1, 0, 25}), cond(4, {15, 24, 2003, 4990}),
                                     cond(5, {1}), cond(6, {1, 0}), cond(8, {0, 5, 4522}),
                                     cond(9, {2, 10, 14, 1, 3}), cond(11, {3, 100, 1000}),
                                     cond(12, {0, 13}), cond(14, {4, 60, 81})};
    auto passe = [&](std::vector<char>& r) {
        for (const std::string& d : donnes) {
            const char* p = d.data();
            r.push_back(cond_points(p, cs[0]));
            r.push_back(forme(p, cs[1]));
            r.push_back(distribution(p, cs[2]));
            r.push_back(coul_plus_longue(p, cs[3]));
            r.push_back(teneur(p, cs[4]));
            r.push_back(nb_cartes(p, cs[5]));
            r.push_back(arret(p, cs[6]));
            r.push_back(cles(p, cs[7]));
            r.push_back(cond_ldj(p, cs[8]));
        }
    };
    std::vector<char> seul;
    passe(seul);
    std::vector<std::vector<char>> r(4);
    std::vector<std::thread> t;
    for (auto& v : r) t.emplace_back([&passe, &v] { passe(v); });
    for (auto& th : t) th.join();
    for (const auto& v : r) EXPECT_EQ(v, seul);
    // The random deals meet some of the conditions and fail others.
    EXPECT_GT(std::count(seul.begin(), seul.end(), 1), 100);
    EXPECT_GT(std::count(seul.begin(), seul.end(), 0), 100);
}
