// Calculation statistics over random deals, and the text of the
// calculation windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../generation/jeux.h"
#include "aides.h"
#include "garde_etat.h"
#include "aleatoire.h"
#include "calcstat.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "enumeration.h"
#include "formule.h"
#include "gen.h"
#include "generateur.h"
#include "statlevees.h"

namespace {

// Keeps the globals a statistic reads and puts them back after the test.
class CalculeStat : public ::testing::Test {
protected:
    GardeEtat garde_etat_;
    void SetUp() override { graine_aleatoire(12); }
};

}  // namespace

TEST(Pourcentage, OneDecimalAndUndefinedOverNothing) {
    struct Cas {
        std::int64_t n, total;
        const char* attendu;
    };
    const Cas cas[] = {{1, 3, "33.3"},
                       {2, 3, "66.7"},
                       {1, 2, "50"},
                       {0, 5, "0"},
                       {5, 5, "100"},
                       {0, 0, "indéfini"},
                       {3, 0, "indéfini"},
                       // 1000 × 10 400 600 would overflow an int.
                       {5200300, 10400600, "50"},
                       {10400599, 10400600, "100"}};
    for (const Cas& k : cas)
        EXPECT_EQ(pourcentage(k.n, k.total), k.attendu) << k.n << "/" << k.total;
}

TEST(TexteResultats, LinesOfTheWindow) {
    EXPECT_EQ(texte_resultats(100, 40, {}, {}, 65),
              "Nombre de mains : 100\nMains contexte : 40\n\n durée : 1'5''");
    const std::vector<Calcul> calculs = {Calcul{"paires", "a", false}, Calcul{"rien", "b", false}};
    EXPECT_EQ(texte_resultats(3, 3, calculs, {1, 0}, 0),
              "Nombre de mains : 3\nMains contexte : 3\npaires : 1   soit 33.3%\n"
              "rien : 0   soit 0%\n\n durée : 0'0''");
    EXPECT_EQ(texte_resultats(8, 0, calculs, {0, 0}, 0),
              "Nombre de mains : 8\nMains contexte : 0\npaires : 0   soit indéfini\n"
              "rien : 0   soit indéfini\n\n durée : 0'0''");
}

TEST_F(CalculeStat, FixedDealAlwaysAndNever) {
    contr = Contraintes();
    const std::string d = donne_une_couleur_chacun();
    std::memcpy(contr.cfixees, d.data(), 52);
    contr.cocos = {cond(9, {0, 2, 14, 13, 13}, 0)};  // Nord holds the 13 spades
    contr.calculs = {Calcul{"toujours", "a", false}, Calcul{"jamais", "a !", false}};
    nbstat = 7;
    limite = 5;
    std::vector<int> compteurs;
    BilanStat b;
    EXPECT_EQ(calcule_stat(compteurs, &b), 7);
    EXPECT_EQ(compteurs, std::vector<int>({7, 0}));
    EXPECT_EQ(b.statut, Statut::ok);
    EXPECT_EQ(b.tirages, 7);

    // A context the deal never meets: the budget runs out, nothing counted.
    contr.con = "a !";
    EXPECT_EQ(calcule_stat(compteurs, &b), 0);
    EXPECT_EQ(compteurs, std::vector<int>({0, 0}));
    EXPECT_EQ(b.statut, Statut::budget_epuise);
    EXPECT_EQ(b.message, message_limite_atteinte);
    EXPECT_EQ(b.tirages, 32);
}

TEST_F(CalculeStat, LettersOfCalculationsAndBudget) {
    contr = Contraintes();
    contr.cocos = {cond(9, {0, 2, 14, 4, 13}, 2)};  // Sud at least four spades
    // B copies A; C names itself and D, both false there; D is A again.
    contr.calculs = {Calcul{"A", "a", false}, Calcul{"B", "A", false}, Calcul{"C", "C D |", false},
                     Calcul{"D", "a", false}};
    nbstat = 300;
    limite = 20;
    std::vector<int> k;
    // No context: every draw is accepted.
    EXPECT_EQ(calcule_stat(k), 300);
    ASSERT_EQ(k.size(), 4u);
    EXPECT_GT(k[0], 0);
    EXPECT_LT(k[0], 300);
    EXPECT_EQ(k[1], k[0]);
    EXPECT_EQ(k[2], 0);
    EXPECT_EQ(k[3], k[0]);

    // The context "Non" is no context; "a" accepts only those deals, on
    // which A always holds.
    contr.con = "Non";
    EXPECT_EQ(calcule_stat(k), 300);
    contr.con = "a";
    EXPECT_EQ(calcule_stat(k), 300);
    EXPECT_EQ(k[0], 300);

    // limite 0: one draw in all.
    limite = 0;
    BilanStat b;
    EXPECT_LE(calcule_stat(k, &b), 1);
    EXPECT_EQ(b.tirages, 1);
    EXPECT_EQ(b.statut, Statut::budget_epuise);

    // nbstat below 1: nothing drawn.
    nbstat = 0;
    limite = 10;
    EXPECT_EQ(calcule_stat(k, &b), 0);
    EXPECT_EQ(b.tirages, 0);
}

TEST_F(CalculeStat, TemplateThatCannotBeDealtIsRefused) {
    EnregistreurAlertes rec;
    contr = Contraintes();
    for (int i = 0; i < 14; ++i) contr.cfixees[i] = 'N';
    std::vector<int> k;
    BilanStat b;
    EXPECT_EQ(calcule_stat(k, &b), 0);
    EXPECT_EQ(b.statut, Statut::refuse);
    EXPECT_EQ(rec.alertes, std::vector<std::string>({b.message}));
}

// A condition left without a kind is never met: both counts refuse the set
// at once, naming its letter, instead of spending the budget or counting
// nothing.
TEST_F(CalculeStat, ConditionWithoutAKindIsRefusedByBothCounts) {
    EnregistreurAlertes rec;
    contr = Contraintes();
    for (int i = 0; i < 26; ++i) contr.cfixees[i] = i < 13 ? 'N' : 'S';
    contr.cocos.push_back(Condouv{});
    contr.cocos.back().id_condition = kind_non_choisi;
    nbstat = 5;
    limite = 10;
    std::vector<int> k;
    BilanStat b;
    EXPECT_EQ(calcule_stat(k, &b), 0);
    EXPECT_EQ(b.statut, Statut::refuse);
    EXPECT_EQ(b.tirages, 0);
    Comptes counts;
    EXPECT_FALSE(traite_fix(contr, counts, 1));
    EXPECT_EQ(counts[0], 0);
    ASSERT_EQ(rec.alertes.size(), 2u);
    EXPECT_NE(rec.alertes[0].find("Coco a"), std::string::npos);
    EXPECT_EQ(rec.alertes[0], rec.alertes[1]);
}

// Formulas are refused as they are typed only when an operator finds too
// few values with every letter counting, and warned about (then stored)
// when a letter names nothing; every engine refuses before any draw, with
// one alert, what it cannot read to an answer (pourquoi): a formula short of
// operands or too deep, a context that leaves no value or is never true.
TEST_F(CalculeStat, FormulasThatCanNeverHoldAreRefusedBeforeAnyDraw) {
    const std::string a4096 = std::string(4096, 'a') + std::string(4095, '&');
    struct Cas {
        std::string con;
        const char* calcul;
        std::size_t saisie, cocos;     // conditions when typed, and when drawn
        bool entree, tirage, calculs;  // accepted at entry, drawn for, counted
        const char *avertit = "", *pourquoi = "";  // the warning at entry, the refusal
    } cas[] = {
        {"ab&c|", "a", 3, 3, true, true, true},  {"ab", "ba|", 2, 2, true, true, true},
        {"a&", "", 2, 2, false, false, false},   {"a&(b|c)", "", 3, 3, false, false, false},
        {"az&", "", 1, 1, true, false, false, "Coco inexistante : z", "incomplet"},
        {"ab&", "", 2, 1, true, false, false},   {"aA|", "a", 1, 1, true, false, true},
        {"abc&|", "", 2, 3, true, true, true, "Coco inexistante : c"},
        {"x", "", 1, 1, true, false, false, "Coco inexistante : x", "sans valeur"},
        {"1", "", 1, 1, true, false, false, "", "sans valeur"}, {"A", "a", 1, 1, true, false, false},
        {"aa!&", "", 1, 1, true, false, false, "", "jamais vrai"},
        {"abcdefghijkl&&&&&&&&&&&", "", 12, 12, true, true, true},
        {"abcdefghijkl&&&&&&&&&&&a!&", "", 12, 12, true, false, false, "", "jamais vrai"},
        {"a" + a4096 + "&", "", 1, 1, true, false, false, "", "trop profond"},
        {a4096, "", 1, 1, true, true, true},     {"a", "a|", 1, 1, true, true, false},
    };
    std::string d = donne_une_couleur_chacun();
    d[0] = d[1] = d[26] = d[27] = 'V';  // six deals to enumerate
    nbstat = 2;
    for (const Cas& k : cas) {
        contr = Contraintes();
        std::memcpy(contr.cfixees, d.data(), 52);
        contr.con = k.con;
        contr.cocos.assign(k.cocos, cond(9, {0, 2, 14, 13, 13}, 0));
        if (*k.calcul) contr.calculs = {Calcul{"x", k.calcul, false}};
        EXPECT_EQ(refus_saisie_formule(k.con).empty(), k.entree) << k.con;
        EXPECT_EQ(alerte_lettres_inexistantes(k.con, k.saisie, contr.calculs.size()), k.avertit);
        const std::string refus = refus_formules(contr, false);
        const std::string refus_k = refus_formules(contr, true);
        EXPECT_NE(refus.find(k.pourquoi), std::string::npos) << refus;
        EnregistreurAlertes rec;
        std::int64_t tries = -1;
        std::string refus_boucle = "?";
        EXPECT_EQ(boucle(2, contr, 6, &tries, &refus_boucle).size(), k.tirage ? 2u : 0u) << k.con;
        EXPECT_EQ(tries == 0, !k.tirage) << k.con;
        EXPECT_EQ(refus_boucle, refus);
        BilanStat b;
        EXPECT_EQ(tire_donnes_stat(contr, b).size(), k.tirage ? 2u : 0u) << k.con;
        EXPECT_EQ(b.message, refus) << k.con;
        Comptes n;
        EXPECT_EQ(traite_fix(contr, n, 2) ? n[0] : 0, k.calculs ? 6 : 0) << k.con;
        std::vector<std::string> alertes;
        for (const std::string& r : {refus, refus_k})
            if (!r.empty()) alertes.push_back(r);
        EXPECT_EQ(rec.alertes, alertes) << k.con;
    }
    EXPECT_EQ(refus_formules(contr, true),
              "Calcul A (x) « a| » incomplet : un opérateur n'y trouve pas ses termes (formule "
              "postfixée, par exemple ab&c|) ; aucune donne tirée");
    contr.con = "a" + a4096 + "&";
    EXPECT_EQ(refus_formules(contr, false), "Contexte « " + std::string(60, 'a') + "… » trop profond"
              " : plus de 4096 termes y attendent leur opérateur ; aucune donne tirée");
    EXPECT_EQ(alerte_formule_postfixe("é&a"),
              "Formule « é&a » refusée : l'opérateur « & » en position 2 n'y trouve pas ses termes. "
              "Les formules sont postfixées, chaque opérateur après ses termes : ab&c| se lit (a et "
              "b) ou c, a!b& se lit (non a) et b. La formule précédente est gardée.");
}
