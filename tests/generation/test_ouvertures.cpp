// The opening condition: each opening's bounds just inside and just outside,
// the particularités, the grouped codes against their members.
//
// Every hand's measures (points, DH, HL, playing tricks) were worked out by
// hand; the EXPECT on a measure guards the hand itself, so a test that would
// silently exercise another case fails instead.
#include <gtest/gtest.h>

#include <thread>

#include "donne_test.h"
#include "evaluation.h"
#include "ouvertures.h"
#include "score.h"

namespace {

constexpr int SUD = 2;
// Boards seen from Sud: position in the bidding and vulnerability.
constexpr int B_POS3 = 1;      // dealer Nord, nobody vulnerable
constexpr int B_POS2_VUL = 2;  // dealer Est, Nord-Sud vulnerable
constexpr int B_POS1 = 3;      // Sud deals, Est-Ouest vulnerable
constexpr int B_POS3_VUL = 5;  // dealer Nord, Nord-Sud vulnerable
constexpr int B_POS4_VUL = 4;  // dealer Ouest, both vulnerable
constexpr int B_POS4 = 8;      // dealer Ouest, nobody vulnerable

std::string sud(const char* p, const char* c, const char* k, const char* t) {
    return donne_main(SUD, p, c, k, t);
}

Condouv cond(int choix, int q = 0, int seat = SUD, int systeme = 0) {
    Condouv c;
    c.id_condition = 0;
    c.joueur = seat;
    c.params = {systeme, choix, q};
    return c;
}

bool ouv(const std::string& d, int choix, int q = 0, int board = B_POS3) {
    return ouverture(d.data(), board, cond(choix, q));
}

}  // namespace

TEST(Ouvertures, BoardsSeenFromSud) {
    // The board constants above are what the tests rely on.
    EXPECT_EQ(position(SUD, B_POS3), 3);
    EXPECT_FALSE(vul(SUD, B_POS3));
    EXPECT_EQ(position(SUD, B_POS2_VUL), 2);
    EXPECT_TRUE(vul(SUD, B_POS2_VUL));
    EXPECT_EQ(position(SUD, B_POS1), 1);
    EXPECT_FALSE(vul(SUD, B_POS1));
    EXPECT_EQ(position(SUD, B_POS3_VUL), 3);
    EXPECT_TRUE(vul(SUD, B_POS3_VUL));
    EXPECT_EQ(position(SUD, B_POS4_VUL), 4);
    EXPECT_TRUE(vul(SUD, B_POS4_VUL));
    EXPECT_EQ(position(SUD, B_POS4), 4);
    EXPECT_FALSE(vul(SUD, B_POS4));
}

TEST(Ouvertures, QuinzePoints4423SontUnTrefleEtUnSA) {
    const std::string d = sud("AD32", "RV32", "R2", "D32");
    ASSERT_EQ(points(d.data(), SUD), 15);
    ASSERT_EQ(xxxx(d.data(), SUD), 4423);
    EXPECT_TRUE(ouv(d, 10));
    EXPECT_TRUE(ouv(d, 14));
    EXPECT_FALSE(ouv(d, 11));
    // The same points as 4-4-3-2: only 1SA.
    const std::string e = sud("AD32", "RV32", "R32", "D2");
    ASSERT_EQ(points(e.data(), SUD), 15);
    EXPECT_FALSE(ouv(e, 10));
    EXPECT_TRUE(ouv(e, 14));
    EXPECT_FALSE(ouv(e, 11));
    // 16 as 4-4-2-3 is a notrump hand that 1 ♣ leaves alone.
    const std::string f = sud("AD32", "RV32", "R2", "R32");
    ASSERT_EQ(points(f.data(), SUD), 16);
    EXPECT_FALSE(ouv(f, 10));
    EXPECT_TRUE(ouv(f, 14));
}

TEST(Ouvertures, UnTreflePointsEtDH) {
    // 14 as 4-4-2-3: 1 ♣ below the notrump range, and its particularités.
    const std::string d = sud("AD32", "RV32", "R2", "V32");
    ASSERT_EQ(points(d.data(), SUD), 14);
    ASSERT_EQ(pointsDH(d.data(), SUD), 15);
    EXPECT_TRUE(ouv(d, 10));
    EXPECT_TRUE(ouv(d, 10, partic_1214));
    EXPECT_FALSE(ouv(d, 10, partic_1819));
    EXPECT_FALSE(ouv(d, 14));
    EXPECT_FALSE(ouv(d, 11));
    // 11 points: DH 12 opens, DH 11 does not.
    const std::string a = sud("AD32", "R432", "32", "D32");
    ASSERT_EQ(points(a.data(), SUD), 11);
    ASSERT_EQ(pointsDH(a.data(), SUD), 12);
    EXPECT_TRUE(ouv(a, 10));
    const std::string b = sud("AD32", "R432", "D2", "432");
    ASSERT_EQ(points(b.data(), SUD), 11);
    ASSERT_EQ(pointsDH(b.data(), SUD), 11);
    EXPECT_FALSE(ouv(b, 10));
    // Six clubs: 21 points open 1 ♣, 22 do not.
    const std::string c = sud("A", "AR2", "RV2", "AD5432");
    ASSERT_EQ(points(c.data(), SUD), 21);
    ASSERT_EQ(pointsDH(c.data(), SUD), 23);
    EXPECT_TRUE(ouv(c, 10));
    EXPECT_FALSE(ouv(c, 11));
    const std::string e = sud("A", "AR2", "RD2", "AD5432");
    ASSERT_EQ(points(e.data(), SUD), 22);
    EXPECT_FALSE(ouv(e, 10));
    // 4-3-3-3 with four spades: 14 opens 1 ♣; 1 ♦ needs 4-4-3-2 with three diamonds.
    const std::string g = sud("AD32", "R32", "R32", "D32");
    ASSERT_EQ(points(g.data(), SUD), 14);
    EXPECT_TRUE(ouv(g, 10));
    EXPECT_FALSE(ouv(g, 11));
}

TEST(Ouvertures, UnTrefleOuUnCarreauAvecQuatreTrefles) {
    // 3-2-4-4 with strong clubs and weak diamonds: 1 ♣, not 1 ♦.
    const std::string d = sud("R32", "D2", "V432", "AR32");
    ASSERT_EQ(points(d.data(), SUD), 13);
    ASSERT_EQ(pointsDH(d.data(), SUD), 13);
    EXPECT_TRUE(ouv(d, 10));
    EXPECT_FALSE(ouv(d, 11));
    // The same with the diamond queen (2 points): 1 ♦, not 1 ♣.
    const std::string e = sud("R32", "V2", "D432", "AR32");
    ASSERT_EQ(points(e.data(), SUD), 13);
    ASSERT_EQ(pointsDH(e.data(), SUD), 13);
    EXPECT_FALSE(ouv(e, 10));
    EXPECT_TRUE(ouv(e, 11));
    // 1-4-4-4: 1 ♦.
    const std::string f = sud("2", "R432", "A432", "RD32");
    ASSERT_EQ(points(f.data(), SUD), 12);
    EXPECT_FALSE(ouv(f, 10));
    EXPECT_TRUE(ouv(f, 11));
    // Five-five in the minors: 1 ♦ (clubs are not longer).
    const std::string g = sud("2", "32", "AR432", "AD432");
    EXPECT_FALSE(ouv(g, 10));
    EXPECT_TRUE(ouv(g, 11));
}

TEST(Ouvertures, UnCarreau) {
    const std::string d = sud("AD32", "RV32", "R32", "32");
    ASSERT_EQ(points(d.data(), SUD), 13);
    EXPECT_TRUE(ouv(d, 11));
    EXPECT_FALSE(ouv(d, 10));
    // 10 points and DH 13 open; 9 points do not.
    const std::string a = sud("2", "32", "AD432", "RV432");
    ASSERT_EQ(points(a.data(), SUD), 10);
    ASSERT_EQ(pointsDH(a.data(), SUD), 13);
    EXPECT_TRUE(ouv(a, 11));
    const std::string b = sud("2", "32", "AD432", "R5432");
    ASSERT_EQ(points(b.data(), SUD), 9);
    EXPECT_FALSE(ouv(b, 11));
    // 10 points and DH 12 do not.
    const std::string c = sud("32", "32", "AD432", "RV32");
    ASSERT_EQ(points(c.data(), SUD), 10);
    ASSERT_EQ(pointsDH(c.data(), SUD), 12);
    EXPECT_FALSE(ouv(c, 11));
    // Four diamonds beside five hearts: 1 ♥.
    const std::string e = sud("32", "AR432", "RD32", "32");
    EXPECT_FALSE(ouv(e, 11));
    EXPECT_TRUE(ouv(e, 12));
}

TEST(Ouvertures, SixCarreauxEtCinqPiques) {
    // Below 13 points the 6-5 opens the five-card major.
    const std::string d = sud("RD432", "2", "AV5432", "2");
    ASSERT_EQ(points(d.data(), SUD), 10);
    ASSERT_EQ(pointsDH(d.data(), SUD), 15);
    EXPECT_FALSE(ouv(d, 11));
    EXPECT_TRUE(ouv(d, 13));
    const std::string e = sud("RD432", "2", "AR5432", "2");
    ASSERT_EQ(points(e.data(), SUD), 12);
    EXPECT_FALSE(ouv(e, 11));
    EXPECT_TRUE(ouv(e, 13));
    // From 13 points, 1 ♦.
    const std::string f = sud("RD432", "2", "ARV432", "2");
    ASSERT_EQ(points(f.data(), SUD), 13);
    EXPECT_TRUE(ouv(f, 11));
    EXPECT_FALSE(ouv(f, 13));
}

TEST(Ouvertures, UnSA) {
    // 4-3-3-3 from 14 to 18 points: 15..17 only.
    EXPECT_FALSE(ouv(sud("AD32", "R32", "R32", "D32"), 14));
    EXPECT_TRUE(ouv(sud("AD32", "R32", "R32", "R32"), 14));
    EXPECT_TRUE(ouv(sud("AD32", "AV2", "R32", "R32"), 14));
    const std::string h18 = sud("AD32", "AD2", "R32", "R32");
    ASSERT_EQ(points(h18.data(), SUD), 18);
    EXPECT_FALSE(ouv(h18, 14));
    // 17 points and five hearts: not 1SA, although the hand is a 15-17 notrump hand.
    const std::string d = sud("R2", "AR432", "D32", "AV2");
    ASSERT_EQ(points(d.data(), SUD), 17);
    ASSERT_EQ(pointsHL(d.data(), SUD), 17);
    ASSERT_TRUE(condSA(d.data(), SUD, 1, true));
    EXPECT_FALSE(ouv(d, 14));
    EXPECT_TRUE(ouv(d, 12));
    // 16 and five hearts: 1SA, unless the five-card major is excluded.
    const std::string e = sud("R2", "AR432", "D32", "RV2");
    ASSERT_EQ(points(e.data(), SUD), 16);
    EXPECT_TRUE(ouv(e, 14));
    EXPECT_FALSE(ouv(e, 14, partic_sans_majeure5));
    EXPECT_TRUE(ouv(e, 14, partic_1214));
    EXPECT_TRUE(ouv(e, 12));
    // Without a five-card major the particularité changes nothing.
    EXPECT_TRUE(ouv(sud("AD32", "R32", "R32", "R32"), 14, partic_sans_majeure5));
}

TEST(Ouvertures, UnCoeur) {
    // Five hearts and six diamonds, 7 points: 1 ♥ (no minimum for the weak 5-6).
    const std::string d = sud("2", "RD432", "D65432", "2");
    ASSERT_EQ(points(d.data(), SUD), 7);
    EXPECT_TRUE(ouv(d, 12));
    EXPECT_FALSE(ouv(d, 11));
    // Five-five in the majors: 1 ♠.
    const std::string e = sud("AR432", "RV432", "R", "32");
    ASSERT_EQ(points(e.data(), SUD), 14);
    EXPECT_FALSE(ouv(e, 12));
    EXPECT_TRUE(ouv(e, 13));
    // 10 points: DH 13 opens, DH 12 does not.
    const std::string a = sud("2", "ADV32", "R5432", "32");
    ASSERT_EQ(points(a.data(), SUD), 10);
    ASSERT_EQ(pointsDH(a.data(), SUD), 13);
    EXPECT_TRUE(ouv(a, 12));
    const std::string b = sud("32", "ADV32", "R532", "32");
    ASSERT_EQ(points(b.data(), SUD), 10);
    ASSERT_EQ(pointsDH(b.data(), SUD), 12);
    EXPECT_FALSE(ouv(b, 12));
    // 21 points open, 22 are strong.
    const std::string c = sud("A2", "ARD32", "AD2", "D32");
    ASSERT_EQ(points(c.data(), SUD), 21);
    ASSERT_EQ(pointsDH(c.data(), SUD), 22);
    EXPECT_TRUE(ouv(c, 12));
    EXPECT_FALSE(ouv(sud("A2", "ARD32", "AD2", "R32"), 12));
    // DH 23 opens, DH 24 is strong.
    const std::string f = sud("-", "ARD432", "ARV432", "2");
    ASSERT_EQ(pointsDH(f.data(), SUD), 23);
    EXPECT_TRUE(ouv(f, 12));
    const std::string g = sud("-", "ARD432", "ARD432", "2");
    ASSERT_EQ(points(g.data(), SUD), 18);
    ASSERT_EQ(pointsDH(g.data(), SUD), 24);
    EXPECT_FALSE(ouv(g, 12));
}

TEST(Ouvertures, SixCoeursEtCinqPiques) {
    const std::string d = sud("RD432", "AV5432", "2", "2");
    ASSERT_EQ(points(d.data(), SUD), 10);
    EXPECT_FALSE(ouv(d, 12));
    EXPECT_TRUE(ouv(d, 13));
    const std::string e = sud("RD432", "AR5432", "2", "2");
    ASSERT_EQ(points(e.data(), SUD), 12);
    EXPECT_TRUE(ouv(e, 12));
    EXPECT_FALSE(ouv(e, 13));
}

TEST(Ouvertures, UnPique) {
    const std::string a = sud("ADV32", "2", "R5432", "32");
    ASSERT_EQ(points(a.data(), SUD), 10);
    ASSERT_EQ(pointsDH(a.data(), SUD), 13);
    EXPECT_TRUE(ouv(a, 13));
    const std::string b = sud("ADV32", "32", "R532", "32");
    ASSERT_EQ(points(b.data(), SUD), 10);
    ASSERT_EQ(pointsDH(b.data(), SUD), 12);
    EXPECT_FALSE(ouv(b, 13));
    // Six spades and 11 points, DH 13: 1 ♠, so not a pass.
    const std::string c = sud("AD5432", "R32", "D2", "32");
    ASSERT_EQ(points(c.data(), SUD), 11);
    ASSERT_EQ(pointsDH(c.data(), SUD), 13);
    EXPECT_TRUE(ouv(c, 13));
    EXPECT_FALSE(ouv(c, 0));
    EXPECT_FALSE(ouv(sud("AD5432", "R32", "32", "32"), 13));  // 9 points
    // Seven spades and 12 points: the preempt test takes it when not
    // vulnerable, but it is too strong for a preempt and opens 1 ♠ anyway.
    const std::string e = sud("ARD5432", "R2", "32", "32");
    ASSERT_EQ(points(e.data(), SUD), 12);
    EXPECT_TRUE(ouv(e, 13, 0, B_POS3));
    EXPECT_TRUE(ouv(e, 33, 0, B_POS3));
    EXPECT_TRUE(ouv(e, 13, 0, B_POS2_VUL));
    EXPECT_FALSE(ouv(e, 33, 0, B_POS2_VUL));
    // Six spades of a strong hand are not opened at the one level.
    const std::string f = sud("ARD432", "AR2", "A2", "A2");
    ASSERT_EQ(points(f.data(), SUD), 24);
    EXPECT_FALSE(ouv(f, 13));
}

TEST(Ouvertures, LonguesPiquesPreemptSeulementDansSaForce) {
    // The natural-preempt exclusion of 1 ♠ holds only up to 10 points. On
    // board 1 (nobody vulnerable) and board 2 (Nord-Sud vulnerable), for
    // 1 ♠, "1 Majeure" and "1 Couleur".
    struct Cas {
        const char* pi;
        const char* co;
        const char* ca;
        const char* tr;
        int p;
        bool barrage_nv;  // the preempt test alone, not vulnerable
        bool un_pique_nv, un_pique_v;
    };
    const Cas cas[] = {
        // Seven spades with A R V 10, 15 points: opened 1 ♠.
        {"ARVX432", "A2", "R2", "32", 15, true, true, true},
        // The same suit with 10 points (DH 13 or more): a preempt on both
        // vulnerabilities, not 1 ♠.
        {"ARVX432", "D2", "32", "32", 10, true, false, false},
        // Eight spades and 15 points: the four-level preempt shape, 1 ♠.
        {"ARVX5432", "A2", "R2", "2", 15, true, true, true},
        // Six spades, 11 points: no preempt shape, 1 ♠ either way.
        {"ADV432", "R32", "D2", "32", 12, false, true, true},
    };
    for (const Cas& k : cas) {
        const std::string d = sud(k.pi, k.co, k.ca, k.tr);
        const std::string nom = std::string(k.pi) + " " + k.co + " " + k.ca + " " + k.tr;
        ASSERT_EQ(points(d.data(), SUD), k.p) << nom;
        ASSERT_GE(pointsDH(d.data(), SUD), 13) << nom;
        const bool barrage = ouv_barrage_nat(d.data(), SUD, 0, 3, B_POS3) ||
                             ouv_barrage_nat(d.data(), SUD, 0, 4, B_POS3);
        EXPECT_EQ(barrage, k.barrage_nv) << nom;
        for (int code : {13, 200, 400}) {
            EXPECT_EQ(ouv(d, code, 0, B_POS3), k.un_pique_nv) << nom << " code " << code;
            EXPECT_EQ(ouv(d, code, 0, B_POS2_VUL), k.un_pique_v) << nom << " code " << code;
        }
    }
}

TEST(Ouvertures, SeptPiquesDeDouzeADixSeptPointsOuvrentUnPique) {
    // Over random deals, every hand with seven spades or more, 12 to 17
    // points and no strong-opening DH opens 1 ♠ on both vulnerabilities.
    int vus = 0;
    for (const std::string& s : donnes_aleatoires(100000, 1313u)) {
        const char* d = s.data();
        for (int j = 0; j < 4; ++j) {
            int l[4], tri[4];
            fodistr(d, j, l, tri);
            const int p = points(d, j);
            if (l[0] < 7 || p < 12 || p > 17 || pointsDH(d, j) >= 24) continue;
            ++vus;
            for (int board : {1, 2, 3, 4})
                ASSERT_TRUE(ouverture(d, board, cond(13, 0, j))) << s << " seat " << j;
        }
    }
    EXPECT_GT(vus, 100);
}

TEST(Ouvertures, CinqPiquesEtSixTrefles) {
    // 10 points: clubs cannot be opened, 1 ♠ is.
    const std::string a = sud("AD432", "2", "2", "RV5432");
    ASSERT_EQ(points(a.data(), SUD), 10);
    EXPECT_FALSE(ouv(a, 10));
    EXPECT_TRUE(ouv(a, 13));
    // 11 points: 1 ♣.
    const std::string b = sud("AD432", "2", "2", "RD5432");
    ASSERT_EQ(points(b.data(), SUD), 11);
    EXPECT_TRUE(ouv(b, 10));
    EXPECT_FALSE(ouv(b, 13));
    // Beside seven clubs, never 1 ♠.
    EXPECT_FALSE(ouv(sud("AD432", "-", "2", "RV65432"), 13));
}

TEST(Ouvertures, ParticularitesDesOuverturesAUn) {
    // 12 points 2-5-3-3: a 12-14 balanced hand.
    const std::string d = sud("32", "AD432", "R32", "R32");
    ASSERT_EQ(pointsHL(d.data(), SUD), 12);
    EXPECT_TRUE(ouv(d, 12));
    EXPECT_TRUE(ouv(d, 12, partic_1214));
    EXPECT_FALSE(ouv(d, 12, partic_1819));
    EXPECT_TRUE(ouv(d, 200, partic_1214));
    EXPECT_FALSE(ouv(d, 200, partic_1819));
    // 1 ♣ needs the range without a five-card major; "1 Couleur" ignores it.
    const std::string e = sud("AD32", "RV32", "R2", "V32");
    EXPECT_FALSE(ouv(e, 100, partic_1819));
    EXPECT_TRUE(ouv(e, 100, partic_1214));
    EXPECT_TRUE(ouv(e, 400, partic_1819));
    EXPECT_EQ(ouv(e, 400, partic_1819), ouv(e, 400, partic_aucune));
}

TEST(Ouvertures, DeuxTrefleFort) {
    // Five hearts: 20 points open 2 ♣, 19 points with 6.8 tricks do not.
    const std::string a = sud("A2", "ARD32", "AR2", "432");
    ASSERT_EQ(points(a.data(), SUD), 20);
    ASSERT_EQ(pointsDH(a.data(), SUD), 21);
    EXPECT_TRUE(cond2Mfort(1, a.data(), SUD));
    EXPECT_TRUE(ouv(a, 20));
    const std::string b = sud("A2", "ARD32", "AD2", "432");
    ASSERT_EQ(points(b.data(), SUD), 19);
    ASSERT_FLOAT_EQ(ldj(b.data(), SUD), 6.8f);
    EXPECT_FALSE(ouv(b, 20));
    // 19 points with 8.4 tricks: 2 ♣.
    const std::string c = sud("2", "ARDV2", "ARD2", "432");
    ASSERT_EQ(points(c.data(), SUD), 19);
    ASSERT_FLOAT_EQ(ldj(c.data(), SUD), 8.4f);
    EXPECT_TRUE(cond2Mfort(1, c.data(), SUD));
    EXPECT_FALSE(cond2Mfort(0, c.data(), SUD));
    EXPECT_TRUE(ouv(c, 20));
    // Seven solid-topped clubs: 9 tricks open, 8.5 do not.
    const std::string e = sud("A2", "A2", "32", "ARDV432");
    ASSERT_EQ(points(e.data(), SUD), 18);
    ASSERT_FLOAT_EQ(ldj(e.data(), SUD), 9.0f);
    EXPECT_TRUE(cond2mfort(3, e.data(), SUD));
    EXPECT_TRUE(ouv(e, 20));
    const std::string f = sud("R2", "A2", "32", "ARDV432");
    ASSERT_FLOAT_EQ(ldj(f.data(), SUD), 8.5f);
    EXPECT_FALSE(ouv(f, 20));
    // Both majors with two top honours each, 21 points (5-5 is too long a
    // second suit for the strong major).
    const std::string g = sud("ARD32", "ARV32", "A", "32");
    ASSERT_EQ(points(g.data(), SUD), 21);
    EXPECT_FALSE(cond2Mfort(0, g.data(), SUD));
    EXPECT_FALSE(cond2Mfort(1, g.data(), SUD));
    EXPECT_TRUE(ouv(g, 20));
    EXPECT_FALSE(ouv(sud("ARD32", "ARV32", "32", "2"), 20));  // 17 points
}

TEST(Ouvertures, DeuxSAEtSuper2SA) {
    const std::string a = sud("AR32", "AD2", "AD2", "R32");
    ASSERT_EQ(pointsHL(a.data(), SUD), 22);
    EXPECT_TRUE(ouv(a, 240));
    EXPECT_TRUE(ouv(a, 20));
    EXPECT_FALSE(ouv(a, 24));
    const std::string b = sud("AR32", "AD2", "AV2", "R32");
    ASSERT_EQ(pointsHL(b.data(), SUD), 21);
    EXPECT_TRUE(ouv(b, 24));
    EXPECT_FALSE(ouv(b, 240));
    EXPECT_FALSE(ouv(b, 20));
}

TEST(Ouvertures, ForcingManche) {
    // Three losers.
    const std::string a = sud("ARDV2", "ARD2", "AR2", "2");
    ASSERT_EQ(perdantes(a.data(), SUD), 3);
    EXPECT_TRUE(ouv(a, 20, partic_forcing_manche));
    EXPECT_TRUE(ouv(a, 21, partic_forcing_manche));
    // 2 ♦ has no rule without the particularité.
    EXPECT_FALSE(ouv(a, 21));
    EXPECT_FALSE(ouv(a, 21, partic_1214));
    // Two-suiter with three losers and few points: forcing by the losers alone.
    const std::string p3 = sud("AR65432", "A65432", "-", "-");
    ASSERT_EQ(perdantes(p3.data(), SUD), 3);
    ASSERT_EQ(points(p3.data(), SUD), 11);
    ASSERT_EQ(pointsHL(p3.data(), SUD), 11);
    EXPECT_TRUE(ouvFM(p3.data(), SUD));
    const std::string p4 = sud("A765432", "A65432", "-", "-");
    ASSERT_EQ(perdantes(p4.data(), SUD), 4);
    EXPECT_FALSE(ouvFM(p4.data(), SUD));
    // 8.5 tricks or more: 14 points force, 13 do not.
    const std::string b = sud("32", "2", "A2", "ARDVX987");
    ASSERT_EQ(points(b.data(), SUD), 14);
    ASSERT_EQ(perdantes(b.data(), SUD), 4);
    ASSERT_FLOAT_EQ(ldj(b.data(), SUD), 9.0f);
    EXPECT_TRUE(ouvFM(b.data(), SUD));
    const std::string c = sud("32", "2", "R2", "ARDVX987");
    ASSERT_EQ(points(c.data(), SUD), 13);
    ASSERT_EQ(perdantes(c.data(), SUD), 4);
    ASSERT_FLOAT_EQ(ldj(c.data(), SUD), 8.5f);
    EXPECT_FALSE(ouvFM(c.data(), SUD));
    EXPECT_FALSE(ouv(c, 21, partic_forcing_manche));
    // HL 24 forces, 23 does not.
    const std::string e = sud("ARD2", "AR2", "AD2", "D32");
    ASSERT_EQ(pointsHL(e.data(), SUD), 24);
    ASSERT_EQ(perdantes(e.data(), SUD), 5);
    EXPECT_TRUE(ouvFM(e.data(), SUD));
    const std::string f = sud("ARD2", "AR2", "AV2", "D32");
    ASSERT_EQ(pointsHL(f.data(), SUD), 23);
    ASSERT_LT(ldj(f.data(), SUD), 8.5f);
    EXPECT_FALSE(ouvFM(f.data(), SUD));
    EXPECT_FALSE(ouv(f, 20, partic_forcing_manche));
}

TEST(Ouvertures, DeuxFaible) {
    // K Q J x x x of hearts, 7 points, DH 10, two spades.
    const std::string a = sud("32", "RDV432", "V32", "32");
    ASSERT_EQ(points(a.data(), SUD), 7);
    ASSERT_EQ(pointsDH(a.data(), SUD), 10);
    EXPECT_TRUE(ouv(a, 22, 0, B_POS3));
    EXPECT_TRUE(ouv(a, 22, 0, B_POS2_VUL));
    EXPECT_TRUE(ouv(a, 220));
    EXPECT_FALSE(ouv(a, 23));
    EXPECT_FALSE(ouv(a, 0));
    EXPECT_TRUE(cond_2Mfaible(1, a.data(), SUD, true));
    // The same in spades.
    const std::string s = sud("RDV432", "32", "V32", "32");
    EXPECT_TRUE(ouv(s, 23));
    EXPECT_FALSE(ouv(s, 22));
    EXPECT_TRUE(ouv(s, 220));
    // One ace is allowed, two are not.
    EXPECT_TRUE(ouv(sud("R2", "A65432", "432", "32"), 22));
    EXPECT_FALSE(ouv(sud("A2", "A65432", "432", "32"), 22));
    // Seven hearts.
    EXPECT_FALSE(ouv(sud("2", "RDV5432", "V32", "32"), 22));
    // A king alone among the five top honours, without the ace.
    EXPECT_FALSE(ouv(sud("32", "R65432", "D32", "A2"), 22));
    // 10 points: DH 13 is weak enough, DH 14 is not; 11 points are too many.
    const std::string b = sud("2", "RDV432", "R432", "V2");
    ASSERT_EQ(points(b.data(), SUD), 10);
    ASSERT_EQ(pointsDH(b.data(), SUD), 13);
    EXPECT_TRUE(ouv(b, 22));
    const std::string c = sud("2", "RDV432", "RV32", "32");
    ASSERT_EQ(points(c.data(), SUD), 10);
    ASSERT_EQ(pointsDH(c.data(), SUD), 14);
    EXPECT_FALSE(ouv(c, 22));
    EXPECT_FALSE(ouv(sud("2", "RDV432", "RD32", "32"), 22));
    // Four spades: only without an honour among their ace, king, queen.
    EXPECT_FALSE(ouv(sud("D432", "RDV432", "32", "2"), 22));
    EXPECT_TRUE(ouv(sud("5432", "RDV432", "32", "2"), 22));
    // DH below 9: three of the top five honours do, but only not vulnerable.
    const std::string e = sud("432", "DVX432", "32", "32");
    ASSERT_EQ(pointsDH(e.data(), SUD), 6);
    EXPECT_TRUE(ouv(e, 22, 0, B_POS3));
    EXPECT_FALSE(ouv(e, 22, 0, B_POS2_VUL));
    EXPECT_FALSE(ouv(e, 220, 0, B_POS2_VUL));
    // Not a major: nothing.
    EXPECT_FALSE(cond_2Mfaible(2, sud("32", "32", "RDV432", "V32").data(), SUD, false));
}

TEST(Ouvertures, DeuxCoeurEkrenEtMuiderberg) {
    const std::string a = sud("R5432", "D432", "32", "32");
    ASSERT_EQ(points(a.data(), SUD), 5);
    EXPECT_TRUE(ouv(a, 221, 0, B_POS3));
    EXPECT_FALSE(ouv(a, 221, 0, B_POS2_VUL));
    EXPECT_FALSE(ouv(sud("R432", "D432", "432", "32"), 221));
    EXPECT_TRUE(ouv(sud("AR32", "D432", "V32", "32"), 221));   // 10 points
    EXPECT_FALSE(ouv(sud("AR32", "D432", "D32", "32"), 221));  // 11 points
    EXPECT_FALSE(ouv(sud("AR32", "D32", "V432", "32"), 221));  // three hearts

    EXPECT_TRUE(ouv(sud("32", "RD432", "D432", "32"), 222));
    EXPECT_TRUE(ouv(sud("432", "RD432", "2", "D432"), 222));
    EXPECT_FALSE(ouv(sud("5432", "RD432", "D432", "-"), 222));  // four spades
    EXPECT_FALSE(ouv(sud("32", "D5432", "D432", "32"), 222));   // 4 points
    EXPECT_TRUE(ouv(sud("32", "R5432", "D432", "32"), 222));    // 5 points
    EXPECT_TRUE(ouv(sud("32", "AD432", "RV32", "32"), 222));    // 10 points
    EXPECT_FALSE(ouv(sud("32", "AD432", "RD32", "32"), 222));   // 11 points
    EXPECT_FALSE(ouv(sud("2", "RD5432", "D432", "32"), 222));   // six hearts
    EXPECT_FALSE(ouv(sud("32", "RD432", "D32", "432"), 222));  // no four-card minor
}

TEST(Ouvertures, TroisMineure) {
    // Six clubs Q x x x x x and four diamonds, 5 points.
    const std::string a = sud("32", "2", "R432", "D65432");
    ASSERT_EQ(points(a.data(), SUD), 5);
    EXPECT_TRUE(ouv(a, 30, 0, B_POS3));
    EXPECT_FALSE(ouv(a, 30, 0, B_POS1));
    EXPECT_FALSE(ouv(a, 30, 0, B_POS3_VUL));
    // Seven clubs with two top honours, any position.
    const std::string b = sud("432", "2", "32", "RD65432");
    EXPECT_TRUE(ouv(b, 30, 0, B_POS1));
    EXPECT_TRUE(ouv(b, 30, 0, B_POS3_VUL));
    EXPECT_FALSE(ouv(b, 31));
    EXPECT_FALSE(ouv(sud("432", "2", "32", "D765432"), 30, 0, B_POS1));
    EXPECT_FALSE(ouv(sud("432", "2", "432", "RD5432"), 30, 0, B_POS1));   // six clubs
    EXPECT_FALSE(ouv(sud("32", "2", "32", "RD765432"), 30, 0, B_POS1));   // eight clubs
    EXPECT_FALSE(ouv(sud("32", "2", "R432", "V65432"), 30, 0, B_POS3));  // no top honour
    EXPECT_FALSE(ouv(sud("32", "5432", "-", "RD65432"), 30));            // four hearts
    EXPECT_TRUE(ouv(sud("A2", "V2", "32", "RD65432"), 30));              // 10 points
    EXPECT_FALSE(ouv(sud("A2", "D2", "32", "RD65432"), 30));             // 11 points
    // Diamonds.
    EXPECT_TRUE(ouv(sud("32", "2", "RD65432", "432"), 31, 0, B_POS1));
    const std::string c = sud("32", "2", "D65432", "R432");
    EXPECT_TRUE(ouv(c, 31, 0, B_POS3));
    EXPECT_FALSE(ouv(c, 31, 0, B_POS1));
    EXPECT_FALSE(ouv(c, 30, 0, B_POS3));
}

TEST(Ouvertures, TroisSA) {
    EXPECT_TRUE(ouv(sud("432", "32", "2", "ARDV432"), 34));
    EXPECT_TRUE(ouv(sud("D32", "32", "2", "ARDV432"), 34));   // 12 points
    EXPECT_FALSE(ouv(sud("R32", "32", "2", "ARDV432"), 34));  // 13 points
    EXPECT_FALSE(ouv(sud("432", "32", "2", "ARD5432"), 34));  // no jack
    EXPECT_TRUE(ouv(sud("432", "32", "ARDV432", "2"), 34));
    EXPECT_FALSE(ouv(sud("ARDV432", "32", "2", "432"), 34));  // a major
}

TEST(Ouvertures, QuatreMineure) {
    EXPECT_TRUE(ouv(sud("2", "32", "32", "RD765432"), 40));
    EXPECT_TRUE(ouv(sud("D", "D2", "32", "RD765432"), 40));    // 9 points
    EXPECT_FALSE(ouv(sud("D", "DV", "32", "RD765432"), 40));   // 10 points
    EXPECT_FALSE(ouv(sud("2", "32", "R2", "RD765432"), 40));   // a side king
    EXPECT_FALSE(ouv(sud("2", "32", "432", "RD65432"), 40));   // seven clubs
    EXPECT_FALSE(ouv(sud("2", "32", "32", "V8765432"), 40));   // one top honour
    EXPECT_FALSE(ouv(sud("5432", "2", "-", "RD765432"), 40));  // four spades

    EXPECT_TRUE(ouv(sud("2", "2", "RD65432", "5432"), 41));
    EXPECT_FALSE(ouv(sud("32", "2", "RD65432", "432"), 41));   // seven and three clubs
    EXPECT_TRUE(ouv(sud("32", "2", "RD765432", "32"), 41));
    EXPECT_TRUE(ouv(sud("2", "2", "RD65432", "A432"), 41));    // the club ace is allowed
    EXPECT_FALSE(ouv(sud("2", "2", "RD65432", "AV32"), 41));   // 10 points
    EXPECT_FALSE(ouv(sud("A", "2", "RD65432", "5432"), 41));   // the spade ace
}

TEST(Ouvertures, QuatrePiqueEtBarrages) {
    // Fourth hand: seven spades, three top honours, 8 to 10 tricks exclusive.
    const std::string a = sud("ARDV432", "A2", "32", "32");
    ASSERT_FLOAT_EQ(ldj(a.data(), SUD), 8.0f);
    EXPECT_TRUE(ouv(a, 43, 0, B_POS4));
    EXPECT_TRUE(ouv(a, 43, 0, B_POS4_VUL));
    EXPECT_FALSE(ouv(a, 43, 0, B_POS1));  // elsewhere the natural preempt needs eight spades
    const std::string b = sud("ARD5432", "A2", "32", "32");
    ASSERT_FLOAT_EQ(ldj(b.data(), SUD), 7.8f);
    EXPECT_FALSE(ouv(b, 43, 0, B_POS4));
    const std::string c = sud("ARDV432", "AR", "A2", "32");
    ASSERT_FLOAT_EQ(ldj(c.data(), SUD), 10.0f);
    EXPECT_FALSE(ouv(c, 43, 0, B_POS4));
    // Eight spades with three top honours, not vulnerable, third hand.
    const std::string e = sud("RDV65432", "2", "32", "32");
    EXPECT_TRUE(ouv(e, 43, 0, B_POS3));
    EXPECT_EQ(ouv(e, 43, 0, B_POS3), ouv_barrage_nat(e.data(), SUD, 0, 4, B_POS3));
    // Hearts at the three and four levels are the natural preempt.
    const std::string f = sud("2", "RDV5432", "32", "432");
    EXPECT_TRUE(ouv(f, 32));
    EXPECT_FALSE(ouv(f, 42));
    EXPECT_FALSE(ouv(f, 22));
}

TEST(Ouvertures, Passe) {
    // Seven clubs, 6.5 tricks: a pass.
    const std::string a = sud("32", "32", "A2", "RDX6543");
    ASSERT_EQ(points(a.data(), SUD), 9);
    ASSERT_FLOAT_EQ(ldj(a.data(), SUD), 6.5f);
    EXPECT_TRUE(ouv(a, 0, 0, B_POS3));
    EXPECT_TRUE(ouv(a, 0, 0, B_POS2_VUL));
    // 6.75 tricks: not a pass, unless vulnerable (6.75 − 1).
    const std::string b = sud("32", "2", "AV2", "RDX6543");
    ASSERT_EQ(points(b.data(), SUD), 10);
    ASSERT_FLOAT_EQ(ldj(b.data(), SUD), 6.75f);
    EXPECT_FALSE(ouv(b, 0, 0, B_POS3));
    EXPECT_TRUE(ouv(b, 0, 0, B_POS2_VUL));
    // 11 points that open nothing: a pass; 12 points never are.
    const std::string c = sud("R32", "R32", "R432", "D32");
    ASSERT_EQ(points(c.data(), SUD), 11);
    EXPECT_TRUE(ouv(c, 0));
    const std::string e = sud("R32", "R32", "R432", "R32");
    ASSERT_EQ(points(e.data(), SUD), 12);
    EXPECT_FALSE(ouv(e, 400));
    EXPECT_FALSE(ouv(e, 0));
    // 11 points and DH 12 in a 1 ♣ shape: not a pass; with DH 11, a pass.
    EXPECT_FALSE(ouv(sud("AD32", "R432", "32", "D32"), 0));
    EXPECT_TRUE(ouv(sud("AD32", "R432", "D2", "432"), 0));
    // A weak two is not a pass.
    EXPECT_FALSE(passe(sud("RDV432", "32", "V32", "32").data(), SUD, B_POS3));
}

TEST(Ouvertures, ConditionsMalFormees) {
    const std::string d = sud("AD32", "RV32", "R2", "D32");  // 1 ♣ and 1SA
    ASSERT_TRUE(ouverture(d.data(), B_POS3, cond(10)));
    EXPECT_FALSE(ouverture(d.data(), B_POS3, cond(10, 0, SUD, 10)));  // another system
    EXPECT_FALSE(ouverture(d.data(), B_POS3, cond(10, 0, 4)));
    EXPECT_FALSE(ouverture(d.data(), B_POS3, cond(10, 0, -1)));
    Condouv court = cond(10);
    court.params.pop_back();
    EXPECT_FALSE(ouverture(d.data(), B_POS3, court));
    for (int code : {-1, 1, 8, 15, 25, 35, 44, 101, 223, 241, 401})
        EXPECT_FALSE(ouverture(d.data(), B_POS3, cond(code))) << code;
    // The seat of the condition is the one tested.
    for (int seat : {0, 1, 3}) {
        const std::string e = donne_main(seat, "AD32", "RV32", "R2", "D32");
        EXPECT_TRUE(ouverture(e.data(), B_POS3, cond(10, 0, seat))) << seat;
        EXPECT_TRUE(ouverture(e.data(), B_POS3, cond(14, 0, seat))) << seat;
    }
}

TEST(Ouvertures, CodesSansRegle) {
    for (int q : {0, 1214, 1819, 10})
        EXPECT_FALSE(ouverture_definie(21, q)) << q;
    EXPECT_TRUE(ouverture_definie(21, 20));
    for (int code : {0, 10, 11, 12, 13, 14, 20, 22, 23, 24, 30, 31, 32, 33, 34, 40, 41, 42, 43,
                     100, 200, 220, 221, 222, 240, 400})
        for (int q : {0, 1214, 1819, 10, 20}) EXPECT_TRUE(ouverture_definie(code, q)) << code << " " << q;
    EXPECT_FALSE(ouverture_definie(44, 0));
}

// Over many random deals, each grouped code agrees with its members, each
// code of the dispatch with its own test, and the preempts and high-level
// codes with any particularité.
TEST(Ouvertures, CodesGroupesSurDixMilleDonnes) {
    const auto donnes = donnes_aleatoires(10000, 20240611u);
    int vus[5] = {0, 0, 0, 0, 0};
    int nd = 0;
    for (const std::string& s : donnes) {
        const char* d = s.data();
        const int board = 1 + nd++ % 16;
        for (int j = 0; j < 4; ++j) {
            auto o = [&](int choix, int q = 0) { return ouverture(d, board, cond(choix, q, j)); };
            const bool v = vul(j, board);
            const bool t = ouv1T(d, j, 0), k = ouv1K(d, j, 0), c = ouv1C(d, j, 0),
                       p = ouv1P(d, j, board, 0);
            ASSERT_EQ(o(10), t);
            ASSERT_EQ(o(11), k);
            ASSERT_EQ(o(12), c);
            ASSERT_EQ(o(13), p);
            ASSERT_EQ(o(200), c || p);
            ASSERT_EQ(o(100), t || k);
            ASSERT_EQ(o(400), t || k || c || p);
            ASSERT_EQ(o(400, partic_1214), o(400));
            ASSERT_EQ(o(200, partic_1214), ouv1C(d, j, partic_1214) || ouv1P(d, j, board, partic_1214));
            ASSERT_EQ(o(100, partic_1819), ouv1T(d, j, partic_1819) || ouv1K(d, j, partic_1819));
            const bool fc = cond_2Mfaible(1, d, j, v), fp = cond_2Mfaible(0, d, j, v);
            ASSERT_EQ(o(22), fc);
            ASSERT_EQ(o(23), fp);
            ASSERT_EQ(o(220), fc || fp);
            ASSERT_EQ(o(24), condSA(d, j, 3, true));
            ASSERT_EQ(o(240), condSA(d, j, 4, true));
            ASSERT_EQ(o(14), ouv1SA(d, j, 0));
            ASSERT_EQ(o(0), passe(d, j, board));
            ASSERT_EQ(o(20), ouv2T(d, j, 0));
            ASSERT_EQ(o(20, partic_forcing_manche), ouvFM(d, j));
            ASSERT_EQ(o(21, partic_forcing_manche), ouvFM(d, j));
            ASSERT_FALSE(o(21));
            ASSERT_EQ(o(221), ouv2C_Ekren(d, j, board));
            ASSERT_EQ(o(222), ouv2C_Muiderberg(d, j));
            ASSERT_EQ(o(30), ouv3T(d, j, board));
            ASSERT_EQ(o(31), ouv3K(d, j, board));
            ASSERT_EQ(o(32), ouv3C(d, j, board));
            ASSERT_EQ(o(33), ouv3P(d, j, board));
            ASSERT_EQ(o(34), ouv3SA(d, j));
            ASSERT_EQ(o(40), ouv4T(d, j));
            ASSERT_EQ(o(41), ouv4K(d, j));
            ASSERT_EQ(o(42), ouv4C(d, j, board));
            ASSERT_EQ(o(43), ouv4P(d, j, board));
            for (int code : {30, 31, 32, 33, 34, 40, 41, 42, 43})
                for (int q : {1214, 1819, 10, 20}) ASSERT_EQ(o(code, q), o(code)) << code << " " << q;
            // A pass and a one-level opening exclude each other.
            if (o(0)) {
                ASSERT_FALSE(o(400));
            }
            vus[0] += c || p;
            vus[1] += t || k;
            vus[2] += fc || fp;
            vus[3] += o(0);
            vus[4] += o(240);
        }
    }
    // The comparisons above are not vacuous: each group holds on some deals.
    for (int n : vus) EXPECT_GT(n, 0);
}

TEST(Ouvertures, MemesReponsesSurPlusieursFils) {
    const auto donnes = donnes_aleatoires(2000, 7u);
    auto compte = [&](int choix) {
        int n = 0;
        for (size_t i = 0; i < donnes.size(); ++i)
            for (int j = 0; j < 4; ++j) n += ouverture(donnes[i].data(), 1 + i % 16, cond(choix, 0, j));
        return n;
    };
    const int codes[4] = {0, 400, 20, 220};
    int attendu[4];
    for (int i = 0; i < 4; ++i) attendu[i] = compte(codes[i]);
    int obtenu[4][4];
    std::vector<std::thread> fils;
    for (int f = 0; f < 4; ++f)
        fils.emplace_back([&, f] {
            for (int i = 0; i < 4; ++i) obtenu[f][i] = compte(codes[i]);
        });
    for (auto& f : fils) f.join();
    for (int f = 0; f < 4; ++f)
        for (int i = 0; i < 4; ++i) EXPECT_EQ(obtenu[f][i], attendu[i]);
}
