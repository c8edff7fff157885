// Responses to partner's opening. Every hand's measures were worked out by
// hand from the evaluation rules; the ASSERT on a measure guards the hand, so
// that a typo in a hand fails loudly instead of testing another case.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "allocations.h"
#include "evaluation.h"
#include "jeux.h"
#include "reponses.h"

namespace {

constexpr int SUD = 2, SEF = 0, SMI = 10;

Condouv rep(int ouv, int reponse, int systeme = SEF, int seat = SUD) {
    Condouv c;
    c.id_condition = 1;
    c.joueur = seat;
    c.params = {systeme, ouv, reponse};
    return c;
}

bool R(const Jeu& j, int ouv, int reponse, int systeme = SEF) {
    return repo(j.donne(), 1, rep(ouv, reponse, systeme));
}

int hl(const Jeu& j) { return pointsHL(j.donne(), SUD); }
int dh(const Jeu& j) { return pointsDH(j.donne(), SUD); }

// Sud's hand with the ten of one suit given to another seat (for the support
// count, whose last term asks whether partner holds the trump ten).
Jeu sud_dix(const char* pi, const char* co, const char* ca, const char* tr, int seat_du_dix, int suit) {
    const char* dix[4] = {"", "", "", ""};
    dix[suit] = "X";
    Jeu j;
    j.main(SUD, pi, co, ca, tr).main(seat_du_dix, dix[0], dix[1], dix[2], dix[3]).complete();
    return j;
}

}  // namespace

TEST(Reponses, UnTrefleUnCarreauAttenteFaible) {
    const Jeu h6 = sud("R32", "D32", "432", "V432");  // 3-3-3-4
    ASSERT_EQ(hl(h6), 6);
    EXPECT_TRUE(R(h6, 10, 11));
    EXPECT_TRUE(R(sud("R32", "V32", "432", "V432"), 10, 11));   // 5 HL
    EXPECT_FALSE(R(sud("R32", "432", "432", "V432"), 10, 11));  // 4 HL
    EXPECT_TRUE(R(sud("R32", "D32", "432", "D432"), 10, 11));   // 7 HL
    // 8 HL with four diamonds: too strong to wait, no five diamonds.
    const Jeu h8 = sud("R32", "D32", "D432", "V32");
    ASSERT_EQ(hl(h8), 8);
    EXPECT_FALSE(R(h8, 10, 11));
    // 6 HL with four spades, or five clubs: not the waiting shape.
    EXPECT_FALSE(R(sud("R432", "D32", "432", "V32"), 10, 11));
    EXPECT_FALSE(R(sud("R32", "D32", "32", "V5432"), 10, 11));
    // Five diamonds: DH 6 is enough (two doubletons), DH 5 is not.
    const Jeu k6 = sud("5432", "32", "RV432", "32");
    ASSERT_EQ(hl(k6), 4);
    ASSERT_EQ(dh(k6), 6);
    EXPECT_TRUE(R(k6, 10, 11));
    const Jeu k5 = sud("5432", "32", "DV432", "32");
    ASSERT_EQ(dh(k5), 5);
    EXPECT_FALSE(R(k5, 10, 11));
}

TEST(Reponses, UnTrefleDeuxTrefleSelonLeSysteme) {
    // Five clubs, DH 7, HL 6: a SEF 2 ♣, not a SMI one.
    const Jeu d7 = sud("432", "432", "32", "AD432");
    ASSERT_EQ(hl(d7), 6);
    ASSERT_EQ(dh(d7), 7);
    EXPECT_TRUE(R(d7, 10, 20, SEF));
    EXPECT_FALSE(R(d7, 10, 20, SMI));
    // HL 11 (clubs A R V: one point of length), DH 11: SMI yes, SEF no.
    const Jeu d11 = sud("432", "D32", "32", "ARV32");
    ASSERT_EQ(hl(d11), 11);
    ASSERT_EQ(dh(d11), 11);
    EXPECT_TRUE(R(d11, 10, 20, SMI));
    EXPECT_FALSE(R(d11, 10, 20, SEF));
    // HL 10, DH 10: the SEF top, below the SMI floor.
    const Jeu d10 = sud("432", "V32", "32", "ARV32");
    ASSERT_EQ(hl(d10), 10);
    ASSERT_EQ(dh(d10), 10);
    EXPECT_TRUE(R(d10, 10, 20, SEF));
    EXPECT_FALSE(R(d10, 10, 20, SMI));
    // The SEF floor: DH 5 yes, DH 4 no.
    EXPECT_TRUE(R(sud("432", "432", "32", "RV432"), 10, 20, SEF));
    EXPECT_FALSE(R(sud("432", "432", "32", "DV432"), 10, 20, SEF));
    // Four clubs is never enough, whatever the strength.
    const Jeu t4 = sud("432", "R32", "432", "ARV3");
    ASSERT_EQ(hl(t4), 11);
    EXPECT_FALSE(R(t4, 10, 20, SMI));
    EXPECT_FALSE(R(t4, 10, 20, SEF));
}

TEST(Reponses, UnTrefleMajeures) {
    const Jeu m44 = sud("R432", "D432", "V32", "32");
    EXPECT_TRUE(R(m44, 10, 12));   // hearts as long as any suit
    EXPECT_FALSE(R(m44, 10, 13));  // four spades beside four hearts
    const Jeu p4 = sud("R432", "D32", "V432", "32");
    EXPECT_TRUE(R(p4, 10, 13));
    EXPECT_FALSE(R(p4, 10, 12));
    EXPECT_FALSE(R(sud("R432", "D3", "V5432", "32"), 10, 13));  // five diamonds
    // 5-5 in the majors: spades first.
    const Jeu m55 = sud("R5432", "D5432", "V", "2");
    EXPECT_TRUE(R(m55, 10, 13));
    EXPECT_FALSE(R(m55, 10, 12));
    // Five spades under six clubs.
    EXPECT_FALSE(R(sud("R5432", "2", "3", "D65432"), 10, 13));
    // The heart response needs 4 HL.
    EXPECT_FALSE(R(sud("R32", "5432", "432", "432"), 10, 12));
    EXPECT_TRUE(R(sud("R32", "V432", "432", "432"), 10, 12));
}

TEST(Reponses, UnCarreauMajeures) {
    // 4-4: hearts; 5-5: spades (the choice for spades no longer than hearts).
    const Jeu m44 = sud("R432", "D432", "V32", "32");
    ASSERT_EQ(dh(m44), 7);
    EXPECT_TRUE(R(m44, 11, 12));
    EXPECT_FALSE(R(m44, 11, 13));
    const Jeu m55 = sud("R5432", "D5432", "V", "2");
    ASSERT_EQ(dh(m55), 9);
    EXPECT_FALSE(R(m55, 11, 12));
    EXPECT_TRUE(R(m55, 11, 13));
    // Four hearts and five spades: spades.
    const Jeu p5 = sud("R5432", "D432", "V32", "2");
    EXPECT_FALSE(R(p5, 11, 12));
    EXPECT_TRUE(R(p5, 11, 13));
    // Longer hearts: hearts only.
    const Jeu c5 = sud("R432", "D5432", "V32", "2");
    EXPECT_TRUE(R(c5, 11, 12));
    EXPECT_FALSE(R(c5, 11, 13));
    // DH 6 is the floor.
    const Jeu f6 = sud("R432", "D432", "432", "32");
    ASSERT_EQ(dh(f6), 6);
    EXPECT_TRUE(R(f6, 11, 12));
    const Jeu f5 = sud("R432", "V432", "432", "32");
    ASSERT_EQ(dh(f5), 5);
    EXPECT_FALSE(R(f5, 11, 12));
}

TEST(Reponses, UnCarreauDeuxTrefle) {
    EXPECT_TRUE(R(sud("32", "432", "R32", "AR432"), 11, 20));   // p + ♣ = 10 + 5
    EXPECT_FALSE(R(sud("32", "432", "D32", "AR432"), 11, 20));  // 9 + 5
    // A four-card major needs DH 13.
    const Jeu m16 = sud("A432", "2", "R32", "AR432");
    ASSERT_EQ(dh(m16), 16);
    EXPECT_TRUE(R(m16, 11, 20));
    const Jeu m12 = sud("5432", "2", "R32", "AR432");
    ASSERT_EQ(dh(m12), 12);
    EXPECT_FALSE(R(m12, 11, 20));
    // Four clubs: only with short majors and a singleton.
    EXPECT_TRUE(R(sud("2", "432", "AR432", "AR32"), 11, 20));
    EXPECT_FALSE(R(sud("32", "432", "AR32", "AR32"), 11, 20));
}

TEST(Reponses, DeuxiemeNiveauSurUneMajeure) {
    // Five diamonds as long as the spades: no 2 ♦ over 1 ♥, 2 ♦ over 1 ♠.
    const Jeu k = sud("A5432", "2", "AR432", "32");
    EXPECT_FALSE(R(k, 12, 21));
    EXPECT_TRUE(R(k, 13, 21));
    // Four diamonds need HL 12.
    const Jeu k12 = sud("432", "D32", "AR32", "R32");
    ASSERT_EQ(hl(k12), 12);
    EXPECT_TRUE(R(k12, 12, 21));
    const Jeu k11 = sud("432", "V32", "AR32", "R32");
    ASSERT_EQ(hl(k11), 11);
    EXPECT_FALSE(R(k11, 12, 21));
    // Five clubs, p + ♣ = 16, over either major.
    const Jeu t = sud("32", "A32", "432", "AR432");
    EXPECT_TRUE(R(t, 12, 20));
    EXPECT_TRUE(R(t, 13, 20));
    EXPECT_FALSE(R(sud("32", "D32", "432", "AR432"), 13, 20));  // 9 + 5
}

TEST(Reponses, SoutienSimpleCompteTronque) {
    // 3-3-3-4, 11 HCP: 11 + 3 − 3, then −0.1 (partner lacks the ten) = 10.9 → 10.
    const Jeu a = sud_dix("432", "AR2", "V32", "R432", 1, 0);
    ASSERT_NEAR(pointsDHS(a.donne(), SUD, 0), 10.9, 1e-5);
    EXPECT_TRUE(R(a, 13, 23));
    // Partner holds the ten: 11.2 → 11, too much.
    const Jeu b = sud_dix("432", "AR2", "V32", "R432", 0, 0);
    ASSERT_NEAR(pointsDHS(b.donne(), SUD, 0), 11.2, 1e-5);
    EXPECT_FALSE(R(b, 13, 23));
    // 11.0 exactly: 11 + 3 − 1, −1.5 (singleton king), −0.4 (singleton
    // jack), −0.1.
    const Jeu c = sud_dix("432", "R", "V", "AR765432", 1, 0);
    ASSERT_FLOAT_EQ(pointsDHS(c.donne(), SUD, 0), 11.0f);
    EXPECT_FALSE(R(c, 13, 23));
    // The floor: 6.2 → 6 yes, 5.9 → 5 no.
    const Jeu e = sud_dix("432", "R32", "D32", "V432", 0, 0);
    ASSERT_NEAR(pointsDHS(e.donne(), SUD, 0), 6.2, 1e-5);
    EXPECT_TRUE(R(e, 13, 23));
    const Jeu f = sud_dix("432", "R32", "D32", "V432", 1, 0);
    ASSERT_NEAR(pointsDHS(f.donne(), SUD, 0), 5.9, 1e-5);
    EXPECT_FALSE(R(f, 13, 23));
    // Exactly three trumps.
    EXPECT_FALSE(R(sud_dix("5432", "AR", "V32", "R432", 1, 0), 13, 23));
    // The same count in hearts over 1 ♥.
    const Jeu h = sud_dix("AR2", "432", "V32", "R432", 1, 1);
    ASSERT_NEAR(pointsDHS(h.donne(), SUD, 1), 10.9, 1e-5);
    EXPECT_TRUE(R(h, 12, 22));
}

TEST(Reponses, UnPiqueSansAtoutEtQuatrePiques) {
    EXPECT_TRUE(R(sud("32", "R432", "D432", "V32"), 13, 14));    // 6 HL
    EXPECT_FALSE(R(sud("432", "R32", "D432", "V32"), 13, 14));   // three spades
    EXPECT_TRUE(R(sud("32", "AR32", "D432", "V32"), 13, 14));    // 10 HL
    EXPECT_FALSE(R(sud("32", "AR32", "D432", "D32"), 13, 14));   // 11 HL
    EXPECT_TRUE(R(sud("32", "R432", "V432", "V32"), 13, 14));    // 5 HL
    EXPECT_FALSE(R(sud("32", "R432", "V432", "432"), 13, 14));   // 4 HL
    // 4 ♠: five trumps and at most one key card.
    EXPECT_TRUE(R(sud("A5432", "432", "432", "32"), 13, 43));
    EXPECT_TRUE(R(sud("R5432", "432", "432", "32"), 13, 43));
    EXPECT_FALSE(R(sud("A5432", "A32", "432", "32"), 13, 43));
    EXPECT_FALSE(R(sud("AR432", "432", "432", "32"), 13, 43));
    EXPECT_FALSE(R(sud("A432", "5432", "432", "32"), 13, 43));
}

TEST(Reponses, UnSansAtoutStayman) {
    // 4-3-3-3 with four spades: 8 HL yes, 7 no.
    const Jeu s8 = sud("R432", "D32", "D32", "V32");
    ASSERT_EQ(hl(s8), 8);
    EXPECT_TRUE(R(s8, 14, 20));
    EXPECT_FALSE(R(sud("R432", "D32", "V32", "V32"), 14, 20));
    // No four-card major: exactly 8 HL with three spades or five.
    EXPECT_TRUE(R(sud("R32", "D32", "D432", "V32"), 14, 20));
    EXPECT_FALSE(R(sud("R32", "D32", "D432", "D32"), 14, 20));
    const Jeu p5 = sud("R5432", "D32", "D32", "V2");
    ASSERT_EQ(hl(p5), 8);
    EXPECT_TRUE(R(p5, 14, 20));
    EXPECT_FALSE(R(sud("R5432", "D32", "D32", "D2"), 14, 20));
}

TEST(Reponses, UnSansAtoutTransferts) {
    // 2 ♦: five hearts, any strength but exactly 8.
    EXPECT_TRUE(R(sud("32", "R5432", "432", "432"), 14, 21));
    EXPECT_FALSE(R(sud("32", "R5432", "D32", "R32"), 14, 21));  // p 8
    EXPECT_TRUE(R(sud("32", "R5432", "D32", "A32"), 14, 21));   // p 9
    EXPECT_FALSE(R(sud("R432", "D5432", "A32", "2"), 14, 21));  // four spades, 9 HL
    EXPECT_TRUE(R(sud("R432", "D5432", "D32", "2"), 14, 21));   // four spades, 7 HL
    EXPECT_FALSE(R(sud("2", "R5432", "D65432", "2"), 14, 21));  // longer diamonds
    EXPECT_FALSE(R(sud("R5432", "D5432", "2", "2"), 14, 21));   // spades ranked first
    // Six hearts: any strength beside a four-card suit, else 12 HCP at most.
    EXPECT_TRUE(R(sud("2", "AR5432", "AR32", "32"), 14, 21));
    EXPECT_TRUE(R(sud("32", "AR5432", "A32", "32"), 14, 21));   // p 11
    EXPECT_FALSE(R(sud("32", "AR5432", "A32", "R2"), 14, 21));  // p 14
    // 2 ♥: five spades from 7 HCP, but not exactly 8.
    EXPECT_TRUE(R(sud("R5432", "D32", "V32", "V2"), 14, 22));   // 7
    EXPECT_FALSE(R(sud("R5432", "D32", "D32", "V2"), 14, 22));  // 8
    EXPECT_TRUE(R(sud("R5432", "D32", "D32", "D2"), 14, 22));   // 9
    EXPECT_FALSE(R(sud("R5432", "V32", "V32", "V2"), 14, 22));  // 6
    EXPECT_FALSE(R(sud("R432", "D32", "D32", "AV2"), 14, 22));  // four spades
    // 5-5 in the majors from 7 HCP needs 15 HL.
    EXPECT_FALSE(R(sud("A5432", "R5432", "2", "2"), 14, 22));
}

TEST(Reponses, UnSansAtoutTroisPiquesEtTroisSA) {
    EXPECT_TRUE(R(sud("2", "D32", "A5432", "R432"), 14, 33));    // 9 HL
    EXPECT_FALSE(R(sud("2", "R32", "D5432", "R432"), 14, 33));   // 8 HL
    EXPECT_FALSE(R(sud("32", "R32", "A5432", "R32"), 14, 33));   // two spades
    // 3SA with four spades: 4-3-3-3 yes, 4-3-4-2 no.
    EXPECT_TRUE(R(sud("R432", "R32", "R32", "432"), 14, 34));    // 9 HL
    EXPECT_FALSE(R(sud("R432", "R32", "D32", "432"), 14, 34));   // 8 HL
    EXPECT_FALSE(R(sud("R432", "R32", "R432", "32"), 14, 34));
    EXPECT_TRUE(R(sud("AR32", "A32", "R32", "V32"), 14, 34));    // 15 HL
    EXPECT_FALSE(R(sud("AR32", "A32", "R32", "D32"), 14, 34));   // 16 HL
    EXPECT_TRUE(R(sud("R32", "R32", "32", "RV432"), 14, 34));    // 3-3-2-5
    EXPECT_FALSE(R(sud("R32", "R32", "2", "RV5432"), 14, 34));   // singleton
}

TEST(Reponses, DeuxSansAtout) {
    // 4-3-3-3 with four diamonds, 5 HL, DH 5: 3SA.
    const Jeu k = sud("R32", "D32", "5432", "432");
    ASSERT_EQ(dh(k), 5);
    EXPECT_TRUE(R(k, 24, 34));
    EXPECT_FALSE(R(k, 24, 30));
    EXPECT_FALSE(R(sud("R32", "D432", "432", "432"), 24, 34));  // four hearts
    EXPECT_FALSE(R(sud("R32", "432", "5432", "432"), 24, 34));  // 3 HL
    EXPECT_TRUE(R(sud("A32", "AD2", "5432", "V32"), 24, 34));   // DH 11
    EXPECT_FALSE(R(sud("A32", "AR2", "5432", "V32"), 24, 34));  // DH 12
    EXPECT_TRUE(R(sud("R432", "D32", "432", "V32"), 24, 30));
    EXPECT_FALSE(R(sud("R432", "432", "5432", "32"), 24, 30));  // 3 HL
    EXPECT_FALSE(R(sud("R32", "D32", "5432", "V32"), 24, 30));  // no four-card major
}

TEST(Reponses, SansAtoutNaturelsApresUneMineure) {
    const Jeu n11 = sud("R32", "D32", "A432", "D32");
    ASSERT_EQ(hl(n11), 11);
    for (int ouv : {10, 11}) {
        EXPECT_TRUE(R(n11, ouv, 24));
        EXPECT_FALSE(R(n11, ouv, 34));  // 11 HCP: not yet 3SA
        EXPECT_FALSE(R(sud("R32", "D32", "A432", "V32"), ouv, 24));  // 10
        EXPECT_FALSE(R(sud("R32", "D432", "A32", "D32"), ouv, 24));  // four hearts
        EXPECT_TRUE(R(sud("R32", "D32", "A432", "R32"), ouv, 34));   // 12
        EXPECT_FALSE(R(sud("R32", "D32", "A432", "R32"), ouv, 24));  // 12
        EXPECT_TRUE(R(sud("A32", "AD2", "A432", "D32"), ouv, 34));   // 16
        EXPECT_FALSE(R(sud("A32", "AD2", "A432", "R32"), ouv, 34));  // 17
    }
}

TEST(Reponses, LeSiegeEtLaConditionMalFormee) {
    // Est's hand is the one tested.
    Jeu j;
    j.main(1, "R32", "D32", "432", "V432").main(SUD, "ADV5", "ARV", "ARD", "AD5").complete();
    EXPECT_TRUE(repo(j.donne(), 1, rep(10, 11, SEF, 1)));
    EXPECT_FALSE(repo(j.donne(), 1, rep(10, 11, SEF, SUD)));
    Condouv c = rep(10, 11, SEF, 1);
    c.params.pop_back();
    EXPECT_FALSE(repo(j.donne(), 1, c));
    EXPECT_FALSE(repo(j.donne(), 1, rep(10, 11, SEF, 4)));
    EXPECT_FALSE(repo(j.donne(), 1, rep(10, 11, SEF, -1)));
    EXPECT_FALSE(repo(j.donne(), 1, rep(10, 11, 5, 1)));
}

TEST(Reponses, PairesSansRegleToujoursFaussesEtLesAutresVivantes) {
    // The catalogue's openings and responses, every combination.
    const Condition& k = conditions.at(1);
    std::mt19937 gen(11);
    std::string d;
    for (int i = 0; i < 52; ++i) d += "NESO"[i % 4];
    std::vector<std::string> donnes;
    for (int n = 0; n < 20000; ++n) {
        std::shuffle(d.begin(), d.end(), gen);
        donnes.push_back(d);
    }
    int definies = 0;
    for (const v_n& o : k.choix[1])
        for (const v_n& r : k.choix[2]) {
            const bool def = repo_definie(o.v, r.v);
            definies += def;
            for (int sys : {SEF, SMI}) {
                int vrais = 0;
                for (const std::string& x : donnes)
                    for (int seat = 0; seat < 4; ++seat) vrais += repo(x.data(), 1, rep(o.v, r.v, sys, seat));
                if (def)
                    EXPECT_GT(vrais, 0) << o.v << "-" << r.v << " système " << sys;
                else
                    EXPECT_EQ(vrais, 0) << o.v << "-" << r.v << " système " << sys;
            }
        }
    EXPECT_EQ(definies, 6 + 5 + 3 + 5 + 5 + 2);
}

TEST(Reponses, SansAllocationEtMemesReponsesSurPlusieursThreads) {
    std::mt19937 gen(5);
    std::string d;
    for (int i = 0; i < 52; ++i) d += "NESO"[i % 4];
    std::vector<std::string> donnes;
    for (int n = 0; n < 3000; ++n) {
        std::shuffle(d.begin(), d.end(), gen);
        donnes.push_back(d);
    }
    std::vector<Condouv> cs;
    for (int o : {10, 11, 12, 13, 14, 24})
        for (int r : {11, 12, 13, 14, 20, 21, 22, 23, 24, 30, 33, 34, 43}) cs.push_back(rep(o, r, SMI, 0));
    auto toutes = [&](std::vector<char>& out) {
        for (const std::string& x : donnes)
            for (const Condouv& c : cs) out.push_back(repo(x.data(), 1, c));
    };
    verifie_pur_et_reentrant(toutes, donnes.size() * cs.size());
}
