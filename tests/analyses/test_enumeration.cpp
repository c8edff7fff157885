// The enumeration of the deals completing two hands: the revolving-door
// order, the counts against a brute-force count, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "../generation/jeux.h"
#include "aides.h"
#include "condouv.h"
#include "enumeration.h"
#include "generateur.h"

namespace {

Contraintes ensemble(const std::string& fixees) {
    Contraintes c;
    std::memcpy(c.cfixees, fixees.data(), 52);
    c.eff();
    return c;
}

// Nord and Sud complete (the spades and the hearts), the rest free.
std::string nord_sud() {
    return std::string(26, 'V') + std::string(13, 'S') + std::string(13, 'N');
}

}  // namespace

TEST(PorteTournante, VisitsEverySubsetOnceOneSwapAtATime) {
    const int cas[][2] = {{5, 0}, {5, 5},  {6, 1},  {6, 2},  {7, 3},
                          {8, 4}, {10, 5}, {12, 7}, {13, 12}};
    for (const auto& nt : cas) {
        const int n = nt[0], t = nt[1];
        std::uint32_t courant = 0;
        std::set<std::uint32_t> vus;
        std::size_t visites = 0;
        porte_tournante(
            n, t,
            [&] {
                courant = (1u << t) - 1;
                vus.insert(courant);
                ++visites;
            },
            [&](int sort, int entre) {
                ASSERT_TRUE(courant >> sort & 1) << n << " " << t;
                ASSERT_FALSE(courant >> entre & 1) << n << " " << t;
                ASSERT_LT(entre, n);
                courant ^= (1u << sort) | (1u << entre);
                vus.insert(courant);
                ++visites;
            });
        std::size_t attendu = 0;
        for (std::uint32_t m = 0; m < (1u << n); ++m)
            attendu += std::bitset<32>(m).count() == std::size_t(t);
        EXPECT_EQ(visites, attendu) << n << " " << t;
        EXPECT_EQ(vus.size(), attendu) << n << " " << t;
    }
}

TEST(TraiteFix, CountsAndRefusalsOfTemplates) {
    std::string est_ouest_12 = nord_sud();
    for (int i = 0; i < 12; ++i) est_ouest_12[i] = 'E';
    for (int i = 12; i < 24; ++i) est_ouest_12[i] = 'O';
    std::string un_complet = std::string(39, 'V') + std::string(13, 'N');
    std::string trois_complets =
        std::string(13, 'V') + std::string(13, 'E') + std::string(13, 'S') + std::string(13, 'N');
    std::string quatorze = nord_sud();
    quatorze[0] = 'N';
    struct Cas {
        std::string fixees;
        std::int64_t visites;  // 0: refused
        const char* alerte;
    };
    const Cas cas[] = {
        {nord_sud(), 10400600, nullptr},       {est_ouest_12, 2, nullptr},
        {un_complet, 0, message_deux_jeux},    {trois_complets, 0, message_deux_jeux},
        {quatorze, 0, message_trop_de_cartes},
    };
    for (const Cas& k : cas)
        for (int threads : {1, 3}) {
            EnregistreurAlertes rec;
            Contraintes c = ensemble(k.fixees);
            c.con = "Non";
            c.calculs = {Calcul{"x", "a", false}};
            Comptes counts;
            EXPECT_EQ(traite_fix(c, counts, threads), k.alerte == nullptr);
            ASSERT_EQ(counts.size(), 3u);
            EXPECT_EQ(counts[0], k.visites) << k.fixees;
            // A context of "Non" lets every visited deal count.
            EXPECT_EQ(counts[1], k.visites);
            EXPECT_EQ(counts[2], 0);  // no condition a: false
            if (k.alerte)
                EXPECT_EQ(rec.alertes, std::vector<std::string>({k.alerte}));
            else
                EXPECT_TRUE(rec.alertes.empty());
        }
}

// Est and Ouest share 9 free cards (5 and 4); every sharing is tried by hand
// and the conditions tested directly, then compared with the enumeration.
TEST(TraiteFix, AgreesWithABruteForceCount) {
    std::string d(52, 'V');
    for (int i = 0; i < 52; ++i) d[i] = "NESO"[i % 4];
    const std::vector<int> libres = {41, 45, 49, 13, 29, 43, 47, 51, 27};  // spades and honours
    for (int i : libres) d[i] = 'V';
    Contraintes c = ensemble(d);
    c.cocos = {cond(9, {0, 2, 14, 3, 13}, 1),   // a: Est at least three spades
               cond(3, {0, 0, 5, 11, 37}, 3)};  // b: Ouest at least 11 points
    c.con = "a b |";
    // C names itself, D a later calculation: both read false there.
    c.calculs = {Calcul{"A", "a b &", false}, Calcul{"B", "A !", false},
                 Calcul{"C", "C a |", false}, Calcul{"D", "E b &", false}, Calcul{"E", "b", false}};

    // contexte, one deal at a time on the current set, adds up as well.
    const Contraintes garde = contr;
    contr = c;
    Comptes attendu(7, 0), un_a_un(7, 0);
    for (std::uint32_t m = 0; m < (1u << libres.size()); ++m) {
        if (std::bitset<32>(m).count() != 5) continue;
        std::string deal = d;
        for (std::size_t i = 0; i < libres.size(); ++i) deal[libres[i]] = (m >> i & 1) ? 'E' : 'O';
        ++attendu[0];
        contexte(deal.data(), un_a_un);
        const bool a = teste_condition(deal.data(), c.cocos[0], 1);
        const bool b = teste_condition(deal.data(), c.cocos[1], 1);
        if (!(a || b)) continue;
        ++attendu[1];
        attendu[2] += a && b;
        attendu[3] += !(a && b);
        attendu[4] += a;
        attendu[6] += b;
    }
    un_a_un[0] = attendu[0];
    EXPECT_EQ(un_a_un, attendu);
    ASSERT_EQ(attendu[0], 126);
    // The case tells apart what it should: neither all nor none.
    ASSERT_GT(attendu[2], 0);
    ASSERT_LT(attendu[2], attendu[1]);
    ASSERT_LT(attendu[1], attendu[0]);
    for (int threads : {1, 4}) {
        Comptes counts;
        ASSERT_TRUE(traite_fix(c, counts, threads));
        EXPECT_EQ(counts, attendu) << threads;
    }

    // The chosen seat (Ouest, more fixed cards) takes 4 of the 9.
    std::string modele = d;
    for (int i : libres) modele[i] = 'E';
    std::vector<int> tries = libres;
    std::sort(tries.begin(), tries.end());
    Comptes parcours(7, 0);
    algor3(tries, 9, 3, 4, modele.data(), parcours);
    EXPECT_EQ(parcours, attendu);
    contr = garde;
}

// A calculation letter in the context reads false, as in the calculation
// statistics: it is an operand, not a character to skip; a context that
// thus never holds is refused (-1).
TEST(TraiteFix, CalculationLettersInTheContextReadFalse) {
    std::string d = nord_sud();
    for (int i = 0; i < 12; ++i) d[i] = 'E';
    for (int i = 12; i < 24; ++i) d[i] = 'O';
    const struct {
        const char* con;
        std::int64_t contexte;
    } cas[] = {{"A !", 2}, {"A", -1}, {"A ! B |", 2}};
    for (const auto& k : cas)
        for (int threads : {1, 3}) {
            Contraintes c = ensemble(d);
            c.con = k.con;
            c.calculs = {Calcul{"x", "A !", false}, Calcul{"y", "A", false}};
            Comptes counts;
            ASSERT_EQ(traite_fix(c, counts, threads), k.contexte >= 0) << k.con;
            if (k.contexte < 0) continue;
            // x reads its own letter as false, so holds; y reads x.
            EXPECT_EQ(counts, (Comptes{2, k.contexte, k.contexte, k.contexte})) << k.con;
        }
}
