#include <gtest/gtest.h>

#include "evaluation.h"
#include "outils.h"

using outils::donne;
using outils::masque;

namespace {

enum { P = 0, C = 1, K = 2, T = 3 };
enum { Nord = 0, Est = 1, Sud = 2, Ouest = 3 };

// The DHS count applies some constants on the value widened to double and
// narrowed again: this is that step, written out for the expected values.
float etape(float v, double x) { return static_cast<float>(static_cast<double>(v) + x); }

}  // namespace

TEST(Comptes, HonneursEtLongueurs) {
    // North ♠A R V 4 ♥D 3 2 ♦X 9 8 7 ♣A 5; South holds the tens of spades and hearts.
    const std::string d = donne("ARV4.D32.X987.A5", "", "X.X.-.-");
    const char* p = d.data();
    EXPECT_EQ(points(p, Nord), 14);
    EXPECT_EQ(points(p, Nord, P), 8);
    EXPECT_EQ(points(p, Nord, C), 2);
    EXPECT_EQ(points(p, Nord, K), 0);
    EXPECT_EQ(points(p, Nord, T), 4);
    EXPECT_EQ(points(p, Sud), 0);

    EXPECT_EQ(compte(p, Nord, P, 13, 0), 4);
    EXPECT_EQ(compte(p, Nord, P, 3, 0), 2);
    EXPECT_EQ(compte(p, Nord, P, 5, 0), 3);
    EXPECT_EQ(compte(p, Nord, P, 4, 2), 1);
    EXPECT_EQ(compte(p, Nord, P, 0, 5), 0);
    EXPECT_EQ(compte(p, Nord, P, 20, -3), 4);
    EXPECT_EQ(coulenbits(p, Nord, P), (1u << 0) | (1u << 1) | (1u << 3) | (1u << 10));
    EXPECT_EQ(coulenbits(p, Nord, K), (1u << 4) | (1u << 5) | (1u << 6) | (1u << 7));

    EXPECT_TRUE(aas(p, Nord, P));
    EXPECT_TRUE(roi(p, Nord, P));
    EXPECT_FALSE(dame(p, Nord, P));
    EXPECT_TRUE(valet(p, Nord, P));
    EXPECT_TRUE(dame(p, Nord, C));
    EXPECT_FALSE(aas(p, Nord, C));
    EXPECT_TRUE(dix(p, Nord, P));   // partner's ten
    EXPECT_FALSE(dix(p, Nord, K));  // North's own ten is not partner's
    EXPECT_TRUE(dix(p, Sud, K));
    EXPECT_FALSE(dix(p, Est, P));

    EXPECT_EQ(nbas(p, Nord), 2);
    EXPECT_EQ(nbrois(p, Nord), 1);
    EXPECT_EQ(nbcles(p, Nord, P), 3);
    EXPECT_EQ(nbcles(p, Nord, C), 2);
    EXPECT_EQ(nb_contr_it(p, Nord), 5);
    EXPECT_EQ(nb_rang(p, Nord, 0), 2);
    EXPECT_EQ(nb_rang(p, Nord, 4), 1);
    EXPECT_EQ(nb_rang(p, Nord, 12), 1);
    EXPECT_EQ(nb_rang(p, Nord, 13), 0);

    int l[4], s[4];
    fodistr(p, Nord, l, s);
    EXPECT_EQ(l[0], 4);
    EXPECT_EQ(l[1], 3);
    EXPECT_EQ(l[2], 4);
    EXPECT_EQ(l[3], 2);
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[1], 3);
    EXPECT_EQ(s[2], 4);
    EXPECT_EQ(s[3], 4);
    EXPECT_EQ(xxxx(p, Nord), 4342);
    EXPECT_EQ(couleur_max(p, Nord), 0);  // spades and diamonds tie: spades
    EXPECT_EQ(xxxx(p, Ouest), 0);
}

TEST(Comptes, CouleurMax) {
    EXPECT_EQ(couleur_max(donne("AR32.5432.5432.2").data(), Nord), 0);
    EXPECT_EQ(couleur_max(donne("2.AR32.5432.5432").data(), Nord), 1);
    EXPECT_EQ(couleur_max(donne("2.32.AR5432.5432").data(), Nord), 2);
    EXPECT_EQ(couleur_max(donne("-.32.AR543.875432").data(), Nord), 3);
}

TEST(Points, HL) {
    // A five-card suit with three top honours: +1.
    EXPECT_EQ(pointsHL(donne("ARD54.32.432.432").data(), Nord), 10);
    // Six cards with two honours: +1; with one: nothing.
    EXPECT_EQ(pointsHL(donne("AV5432.R2.432.32").data(), Nord), 9);
    EXPECT_EQ(pointsHL(donne("A65432.R2.432.32").data(), Nord), 7);
    // Seven cards with four honours: +3.
    EXPECT_EQ(pointsHL(donne("ARDX432.R2.32.32").data(), Nord), 15);
    // Two five-card suits: only the higher-ranking one (spades, no honour) counts.
    EXPECT_EQ(pointsHL(donne("65432.ARD54.2.32").data(), Nord), 9);
    // No five-card suit: the plain count.
    EXPECT_EQ(pointsHL(donne("ARD2.ARD2.432.32").data(), Nord), 18);
}

TEST(Points, DH) {
    // 4-3-3-3: the HL count.
    const std::string plat = donne("AR32.D32.V32.432");
    EXPECT_EQ(pointsDH(plat.data(), Nord), pointsHL(plat.data(), Nord));
    EXPECT_EQ(pointsDH(plat.data(), Nord), 10);
    // Singleton ace: 9 + 2 (singleton) + 1 (doubleton) = 12, less 1 for the bare ace.
    EXPECT_EQ(pointsDH(donne("A.R5432.D5432.32").data(), Nord), 11);
    // Void and six-card suit: 11 + 3 + 1.
    EXPECT_EQ(pointsDH(donne("-.ARV876.D432.V32").data(), Nord), 15);
    // Singleton jack and doubleton queen-jack: 11 + 2 + 1 + 1 − 1 − 1.
    EXPECT_EQ(pointsDH(donne("V.DV.AR5432.5432").data(), Nord), 13);
    // Doubleton ace-queen costs 1 too; a third doubleton gets no shortness point,
    // seven clubs get 2.
    EXPECT_EQ(pointsDH(donne("AD.R2.V2.9876543").data(), Nord), 10 + 1 + 1 + 2 - 1 - 1);
}

// The expected values follow the prescribed rounding steps, so they are
// compared exactly: an arithmetic done all in float or all in double may
// land one unit away.
TEST(Points, DHSDoubletons) {
    // North ♠A R 4 3 2 (trumps) with a doubleton in hearts; 12 + 3 for the trump length.
    struct Cas {
        const char* coeur;
        int hcp;
        double terme;
    };
    const Cas cas[] = {
        {"A5", 4, 0.66}, {"AD", 6, 0.66}, {"RD", 5, -0.85}, {"DV", 3, -1.18}, {"D5", 2, -0.62},
        {"RV", 4, -0.36}, {"V5", 1, -0.27}, {"R5", 3, 0.0},  {"X5", 0, 0.0},
    };
    for (const Cas& c : cas) {
        const std::string d = donne(std::string("AR432.") + c.coeur + ".432.432");
        const float base = static_cast<float>(7 + c.hcp + 3);
        const float sans_dix = etape(c.terme == 0.0 ? base : etape(base, c.terme), -0.1);
        EXPECT_EQ(pointsDHS(d.data(), Nord, P), sans_dix) << c.coeur;
        // The partner's ten of trumps: +0.2 instead of −0.1.
        const std::string d2 = donne(std::string("AR432.") + c.coeur + ".432.432", "", "X.-.-.-");
        const float avec_dix = etape(c.terme == 0.0 ? base : etape(base, c.terme), 0.2);
        EXPECT_EQ(pointsDHS(d2.data(), Nord, P), avec_dix) << c.coeur;
    }
}

TEST(Points, DHSSingletonsEtAtoutsCourts) {
    // Singletons: king −1.5, queen −1.0 in single precision, jack −0.4, ace nothing.
    // ♠A R 4 3 2 trumps, ♥ singleton, ♦ 5 4 3 2, ♣ 4 3 2: 7 + honour + (5 − 1).
    EXPECT_EQ(pointsDHS(donne("AR432.R.5432.432").data(), Nord, P), etape(14.0f - 1.5f, -0.1));
    EXPECT_EQ(pointsDHS(donne("AR432.D.5432.432").data(), Nord, P), etape(13.0f - 1.0f, -0.1));
    EXPECT_EQ(pointsDHS(donne("AR432.V.5432.432").data(), Nord, P), etape(etape(12.0f, -0.4), -0.1));
    EXPECT_EQ(pointsDHS(donne("AR432.A.5432.432").data(), Nord, P), etape(15.0f, -0.1));
    // Four trumps and ♥D V: 3 + (4 − 2), then −1.18 and −0.1 on the widened value;
    // the same steps in single precision give 3.72000027 instead of 3.72000003.
    EXPECT_EQ(pointsDHS(donne("5432.DV.5432.432").data(), Nord, P), etape(etape(5.0f, -1.18), -0.1));
    EXPECT_NEAR(pointsDHS(donne("5432.DV.5432.432").data(), Nord, P), 3.72, 1e-6);
    // Two trumps: no length term, and the trump doubleton is not judged.
    const std::string d = donne("R2.AR432.V32.432");
    EXPECT_EQ(pointsDHS(d.data(), Nord, P), etape(11.0f, -0.1));
    // Hearts as trumps in the same hand: 11 + (5 − 2); the ♠K 2 doubleton counts 0.
    EXPECT_EQ(pointsDHS(d.data(), Nord, C), etape(14.0f, -0.1));
}

TEST(Points, Perdantes) {
    EXPECT_EQ(perdantes(donne("65432").data(), Nord), 3);  // five cards: no jack term
    EXPECT_EQ(perdantes(donne("5432").data(), Nord), 4);   // four cards: the jack counts
    EXPECT_EQ(perdantes(donne("ARD5").data(), Nord), 1);
    EXPECT_EQ(perdantes(donne("ARDV").data(), Nord), 0);
    EXPECT_EQ(perdantes(donne("ARD54").data(), Nord), 0);
    EXPECT_EQ(perdantes(donne("A").data(), Nord), 0);
    EXPECT_EQ(perdantes(donne("5").data(), Nord), 1);
    EXPECT_EQ(perdantes(donne("R5").data(), Nord), 1);
    EXPECT_EQ(perdantes(donne("D5").data(), Nord), 2);
    EXPECT_EQ(perdantes(donne("D54").data(), Nord), 2);
    EXPECT_EQ(perdantes(donne("").data(), Nord), 0);
    // Four suits added: ♠A R V 4 (1) ♥D 3 2 (2) ♦X 9 8 7 (4) ♣A 5 (1).
    EXPECT_EQ(perdantes(donne("ARV4.D32.X987.A5").data(), Nord), 8);
}

TEST(Points, Arrets) {
    EXPECT_EQ(arrets(donne("R").data(), Nord, P), 0);
    EXPECT_EQ(arrets(donne("R5").data(), Nord, P), 100);
    EXPECT_EQ(arrets(donne("A").data(), Nord, P), 100);
    EXPECT_EQ(arrets(donne("ARD5").data(), Nord, P), 300);
    EXPECT_EQ(arrets(donne("V32").data(), Nord, P), 60);
    // Partner's ten adds 10 per card: ♠A R V 4 with South's ten: 100 + 100 + 80 + 40.
    const std::string d = donne("ARV4.D32.X987.A5", "", "X.X.-.-");
    EXPECT_EQ(arrets(d.data(), Nord, P), 320);
    EXPECT_EQ(arrets(d.data(), Nord, C), 105);
    EXPECT_EQ(arrets(d.data(), Nord, K), 0);
    EXPECT_EQ(arrets(d.data(), Nord, T), 100);
}

TEST(LeveesDeJeu, CourtesEtSolides) {
    struct Cas {
        const char* tenue;
        float levees;
    };
    const Cas cas[] = {
        {"", 0.0f},      {"A", 1.0f},     {"R", 0.0f},     {"D", -1.0f},    {"V", 0.0f},     {"5", 0.0f},
        {"AR", 2.0f},    {"RD", 1.0f},    {"DV", 0.0f},    {"AD", 1.5f},    {"A5", 1.0f},    {"AV", 1.0f},
        {"R5", 0.5f},    {"RV", 0.5f},    {"D5", 0.0f},    {"X9", 0.0f},    {"ARD", 3.0f},   {"RDV", 2.0f},
        {"DVX", 1.0f},   {"ARV", 2.5f},   {"AR5", 2.0f},   {"ARX", 2.0f},   {"ADV", 2.5f},   {"ADX", 2.0f},
        {"AD5", 1.5f},   {"AVX", 1.75f},  {"AV5", 1.25f},  {"AX5", 1.0f},   {"A54", 1.0f},   {"RDX", 1.5f},
        {"RD5", 1.5f},   {"RVX", 1.5f},   {"RV5", 1.0f},   {"RX5", 0.5f},   {"R54", 0.5f},   {"DV5", 0.75f},
        {"DX5", 0.5f},   {"D54", 0.25f},  {"VX5", 0.0f},   {"543", 0.0f},
    };
    for (const Cas& c : cas) EXPECT_FLOAT_EQ(compte_levees_couleur(masque(c.tenue)), c.levees) << c.tenue;
}

TEST(LeveesDeJeu, LignesDeLaTable) {
    struct Cas {
        const char* tenue;
        float levees;
    };
    const Cas cas[] = {
        {"AR32", 2.5f},      {"ADVX", 3.5f},      {"A543", 1.5f},       {"R543", 1.0f},      {"D543", 0.75f},
        {"V543", 0.5f},      {"X543", 0.5f},      {"5432", 0.5f},       {"ARDV", 4.0f},      {"ARDX2", 4.7f},
        {"A5432", 1.9f},     {"ADX54", 3.7f},     {"ARDV5", 5.0f},      {"RDVX2", 3.8f},     {"RDVX9", 4.0f},
        {"ARDX32", 5.8f},    {"RX5432", 3.4f},    {"VX5432", 2.7f},     {"RDVX432", 5.0f},   {"RDV5432", 5.8f},
        {"RX65432", 5.5f},   {"R765432", 5.1f},   {"ARV5432", 6.4f},    {"VX98765", 4.0f},   {"ARDVX98", 7.0f},
        {"98765432", 5.0f},  {"AR765432", 7.1f},  {"AV765432", 6.1f},   {"RX765432", 5.7f},  {"ARDV8765", 8.0f},
        {"ARV765432", 0.0f}, {"ARDVX9876", 9.0f}, {"RDVX987654", 9.0f}, {"AR98765432", 0.0f},
    };
    for (const Cas& c : cas) EXPECT_FLOAT_EQ(compte_levees_couleur(masque(c.tenue)), c.levees) << c.tenue;
    // Bits that are not ranks are not cards.
    EXPECT_FLOAT_EQ(compte_levees_couleur(masque("A") | 0x3u | (1u << 15) | (1u << 31)), 1.0f);
}

TEST(LeveesDeJeu, MainEntiere) {
    // ♠A R D 5 (3.4) ♥ singleton + ♦5 4 3 2 (0.5) ♣5 4 3 2 (0.5).
    const float avec_dame = ldj(donne("ARD5.D.5432.5432").data(), Nord);
    const float avec_petite = ldj(donne("ARD5.6.5432.5432").data(), Nord);
    EXPECT_FLOAT_EQ(avec_dame, 3.4f);
    EXPECT_FLOAT_EQ(avec_petite, 4.4f);
    EXPECT_FLOAT_EQ(avec_petite - avec_dame, 1.0f);
    EXPECT_FLOAT_EQ(ldj(std::string(52, 'V').data(), Nord), 0.0f);
}

TEST(Composites, SansAtoutForme) {
    const auto sa = [](const char* main, int range, bool flag) {
        return condSA(donne(main).data(), Nord, range, flag);
    };
    EXPECT_TRUE(sa("5432.432.432.432", 5, false));  // any count outside the bands
    EXPECT_TRUE(sa("5432.432.432.432", -1, false));
    EXPECT_FALSE(sa("5432.432.432.432", 0, false));
    EXPECT_FALSE(sa("AR32.AD2.D5432.2", 5, true));   // singleton
    EXPECT_FALSE(sa("AR5432.AD2.32.32", 5, true));   // six spades
    EXPECT_FALSE(sa("32.AR5432.AD2.32", 5, true));   // six hearts
    EXPECT_FALSE(sa("32.32.AR65432.32", 5, true));   // seven diamonds
    EXPECT_TRUE(sa("432.32.32.AR5432", 5, false));   // six clubs pass the shape
    EXPECT_FALSE(sa("AR32.32.32.AD432", 5, true));   // four spades and two doubletons
    EXPECT_TRUE(sa("32.32.AR32.AD432", 5, false));   // two doubletons without four spades
    EXPECT_TRUE(sa("AR32.AD32.432.32", 5, false));   // 4-4-3-2
    EXPECT_FALSE(sa("AD432.R32.V32.32", 5, false));  // five spades need the flag
    EXPECT_TRUE(sa("AD432.R32.V32.32", 5, true));
    EXPECT_TRUE(sa("R32.AD432.V32.32", 5, true));
    EXPECT_FALSE(sa("AR32.AD432.32.32", 5, true));   // 5-4-2-2
    EXPECT_FALSE(sa("AD432.32.AR32.32", 5, true));
}

TEST(Composites, SansAtoutPoints) {
    const auto sa = [](const char* main, int range) { return condSA(donne(main).data(), Nord, range, true); };
    EXPECT_FALSE(sa("AR32.A32.432.432", 0));  // 11
    EXPECT_TRUE(sa("AR32.AV2.432.432", 0));   // 12
    EXPECT_TRUE(sa("AR32.AD2.V32.432", 0));   // 14
    EXPECT_FALSE(sa("AR32.AD2.D32.432", 0));  // 15
    EXPECT_FALSE(sa("AR32.AD2.V32.432", 1));
    EXPECT_TRUE(sa("AR32.AD2.D32.432", 1));
    EXPECT_TRUE(sa("ARD2.ARD.D32.432", 3));   // 20
    EXPECT_FALSE(sa("ARD2.ARD.D32.432", 2));
    EXPECT_TRUE(sa("ARD2.ARD.AV2.432", 4));   // 23
    EXPECT_FALSE(sa("ARD2.ARD.AD2.432", 4));  // 24
    // HL, not the plain count: 14 high-card points and a five-card suit headed A R D make 15.
    EXPECT_TRUE(sa("ARD32.A32.32.432", 0));   // 13 + 1
    EXPECT_FALSE(sa("ARD32.AV2.32.432", 0));  // 14 + 1
    EXPECT_TRUE(sa("ARD32.AV2.32.432", 1));
}

TEST(Composites, BarrageNaturel) {
    // Seven spades: a level-2 preempt needs exactly six.
    EXPECT_FALSE(ouv_barrage_nat(donne("RD65432.32.32.32").data(), Nord, P, 2, 1));
    // A major with three top honours, not vulnerable: true whatever the rest.
    const std::string fort = donne("ARD6543.A2.A2.32");
    EXPECT_TRUE(ouv_barrage_nat(fort.data(), Nord, P, 3, 1));
    EXPECT_FALSE(ouv_barrage_nat(fort.data(), Nord, P, 3, 2));  // vulnerable: three aces
    // Not vulnerable: 2 + 1.75 ≤ ldj < 2 + 3.6.
    EXPECT_TRUE(ouv_barrage_nat(donne("32.RD5432.432.32").data(), Nord, C, 2, 1));   // 3.9
    EXPECT_TRUE(ouv_barrage_nat(donne("32.R65432.D432.2").data(), Nord, C, 2, 1));    // 3.75
    EXPECT_FALSE(ouv_barrage_nat(donne("32.R65432.5432.2").data(), Nord, C, 2, 1));   // 3.5
    EXPECT_FALSE(ouv_barrage_nat(donne("A2.R65432.A432.2").data(), Nord, C, 2, 1));   // two aces
    // Vulnerable (board 2 for North): 4.75 ≤ ldj ≤ 6 and enough top cards.
    EXPECT_TRUE(ouv_barrage_nat(donne("32.RD5432.R432.2").data(), Nord, C, 2, 2));    // 4.9
    EXPECT_TRUE(ouv_barrage_nat(donne("2.A65432.DVX2.32").data(), Nord, C, 2, 2));    // ace counts twice
    const std::string sans_controle = donne("-.D65432.DVX2.DVX");                      // 4.9
    EXPECT_TRUE(ouv_barrage_nat(sans_controle.data(), Nord, C, 2, 1));
    EXPECT_FALSE(ouv_barrage_nat(sans_controle.data(), Nord, C, 2, 2));
    EXPECT_FALSE(ouv_barrage_nat(donne("32.RD5432.432.32").data(), Nord, C, 2, 2));  // 3.9
}

TEST(Composites, Bicolore) {
    const std::string d = donne("ARD54.R5432.32.2");
    EXPECT_TRUE(cond_bicolore(d.data(), Nord, P, C, 3, 1));
    EXPECT_FALSE(cond_bicolore(d.data(), Nord, P, C, 3, 2));
    EXPECT_TRUE(cond_bicolore(d.data(), Nord, C, P, 0, 0));
    EXPECT_FALSE(cond_bicolore(d.data(), Nord, P, K, 0, 0));
}
