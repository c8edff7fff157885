// The double-dummy table of the fixed deal and its par, with the real solver.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "aides.h"
#include "tableau.h"

namespace {

// Ouest the clubs, Sud the diamonds, Est the hearts, Nord the spades.
Contraintes une_couleur_chacun(int numero) {
    Contraintes c;
    const std::string d = donne_une_couleur_chacun();
    std::memcpy(c.cfixees, d.data(), 52);
    c.numerofixe = numero;
    c.eff();
    return c;
}

void attend_table_une_couleur(const TableDds& t) {
    // The side holding the trump suit ruffs everything; in sans-atout the
    // defender on lead runs his suit.
    const int attendu[5][4] = {{13, 0, 13, 0}, {0, 13, 0, 13}, {13, 0, 13, 0}, {0, 13, 0, 13},
                               {0, 0, 0, 0}};
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(t.res[s][j], attendu[s][j]) << s << " " << j;
}

}  // namespace

// 7♠ by Nord (code 10 × 7 + 3): 210 + 1300 not vulnerable, 210 + 2000 vulnerable.
// East-West's best, 7♥, is no higher, and a sacrifice would be above 7.
TEST(TableauDds, UneCouleurParJoueurEtSonPar) {
    init_solveur(2);
    EnregistreurAlertes al;
    Contraintes c = une_couleur_chacun(1);
    ResultatTableau r = tableau_dds(c);
    ASSERT_TRUE(r.ok);
    attend_table_une_couleur(r.table);
    EXPECT_EQ(r.donne, 1);
    EXPECT_EQ(r.par.contrat, 73);
    EXPECT_EQ(r.par.joueur, 0);
    EXPECT_EQ(r.par.score, 1510);
    EXPECT_TRUE(al.alertes.empty());

    c.numerofixe = 4;
    r = tableau_dds(c);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.par.contrat, 73);
    EXPECT_EQ(r.par.joueur, 0);
    EXPECT_EQ(r.par.score, 2210);
    EXPECT_TRUE(al.alertes.empty());
}

TEST(TableauDds, NumeroNonFixeOuDonneurFixe) {
    init_solveur(2);
    EnregistreurAlertes al;
    Contraintes c = une_couleur_chacun(0);
    ResultatTableau r = tableau_dds(c);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0], "Numéro non fixé, on suppose personne vulnérable");
    EXPECT_EQ(r.donne, 1);
    EXPECT_EQ(r.par.score, 1510);

    // A fixed dealer: nobody vulnerable, no alert (-4 would read as board 12,
    // North-South vulnerable, on the 16-board cycle).
    for (int n : {-1, -2, -3, -4}) {
        c.numerofixe = n;
        r = tableau_dds(c);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.par.score, 1510) << n;
    }
    EXPECT_EQ(al.alertes.size(), 1u);
}

TEST(TableauDds, QuatriemeMainCompleteeDansLeJeuDeContraintes) {
    init_solveur(2);
    EnregistreurAlertes al;
    Contraintes c = une_couleur_chacun(1);
    for (int i = 0; i < 13; ++i) c.cfixees[i] = 'V';
    c.eff();
    ASSERT_EQ(c.nbmarquees[1], 0);  // Ouest, in the order Sud, Ouest, Nord, Est
    ResultatTableau r = tableau_dds(c);
    ASSERT_TRUE(r.ok);
    attend_table_une_couleur(r.table);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(c.cfixees[i], 'O') << i;
    EXPECT_EQ(c.nbmarquees[1], 13);
    EXPECT_TRUE(c.numrestants.empty());
    EXPECT_TRUE(al.alertes.empty());
}

TEST(TableauDds, DonneIncompleteOuMainsInegales) {
    init_solveur(2);
    EnregistreurAlertes al;
    // Twelve cards each: the deuces are free.
    Contraintes c = une_couleur_chacun(1);
    for (int b = 0; b < 4; ++b) c.cfixees[13 * b + 12] = 'V';
    ResultatTableau r = tableau_dds(c);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0], "La donne n'est pas complète");
    EXPECT_EQ(c.cfixees[12], 'V');

    // Every card placed but Nord holds 14 and Est 12.
    c = une_couleur_chacun(1);
    c.cfixees[38] = 'N';  // Est's two of hearts given to Nord
    r = tableau_dds(c);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(al.alertes.size(), 2u);
    EXPECT_NE(al.alertes[1].find("Toutes les mains doivent avoir le même nombre de cartes"),
              std::string::npos);
    EXPECT_NE(al.alertes[1].find(std::to_string(refus_longueurs)), std::string::npos);
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(r.table.res[s][j], 0);
}
