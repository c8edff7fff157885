// Double-dummy play with the real solver, driven as the page drives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "aides.h"
#include "jeudds.h"

namespace {

// A full deal drawn once from a fixed seed: the input of the tests that
// compare two ways of reaching one position.
std::string donne_melangee() {
    std::string d(52, 'V');
    std::vector<int> paquet(52);
    std::iota(paquet.begin(), paquet.end(), 0);
    std::shuffle(paquet.begin(), paquet.end(), std::mt19937(424242));
    for (int i = 0; i < 52; ++i) d[paquet[i]] = "NESO"[i / 13];
    return d;
}

int longueur(const unsigned main[4]) {
    int n = 0;
    for (int c = 0; c < 4; ++c) n += __builtin_popcount(main[c]);
    return n;
}

// Plays the first card the answer lists for the player to move.
void joue_listee(JeuDds& j) {
    ASSERT_GT(j.fut.cards, 0);
    ASSERT_TRUE(j.joue(j.joueur_actif(), j.fut.suit[0], j.fut.rank[0]));
}

void attend_meme_reponse(const ReponseDds& a, const ReponseDds& b) {
    ASSERT_EQ(a.cards, b.cards);
    for (int k = 0; k < a.cards; ++k) {
        EXPECT_EQ(a.suit[k], b.suit[k]) << k;
        EXPECT_EQ(a.rank[k], b.rank[k]) << k;
        EXPECT_EQ(a.equals[k], b.equals[k]) << k;
        EXPECT_EQ(a.score[k], b.score[k]) << k;
    }
}

void attend_meme_position(const PositionDds& a, const PositionDds& b) {
    EXPECT_EQ(a.trump, b.trump);
    EXPECT_EQ(a.first, b.first);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(a.currentTrickSuit[k], b.currentTrickSuit[k]);
        EXPECT_EQ(a.currentTrickRank[k], b.currentTrickRank[k]);
    }
    for (int s = 0; s < 4; ++s)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(a.remainCards[s][c], b.remainCards[s][c]);
}

}  // namespace

TEST(Vainqueur, RegleDeLaLevee) {
    // Sans-atout: the highest of the suit led; a higher card of another suit does not win.
    int s1[4] = {1, 1, 0, 1}, r1[4] = {9, 12, 14, 3};
    EXPECT_EQ(vainqueur(s1, r1, 4), 1);
    // The same trick with spades trumps: the ace of spades ruffs.
    EXPECT_EQ(vainqueur(s1, r1, 0), 2);
    // A low trump third beats the ace led; two trumps: the higher.
    int s2[4] = {3, 3, 1, 1}, r2[4] = {14, 2, 2, 5};
    EXPECT_EQ(vainqueur(s2, r2, 1), 3);
    int s3[4] = {3, 1, 3, 3}, r3[4] = {14, 2, 13, 12};
    EXPECT_EQ(vainqueur(s3, r3, 1), 1);
    // Trumps led: the highest trump.
    int s4[4] = {2, 2, 2, 0}, r4[4] = {5, 11, 7, 14};
    EXPECT_EQ(vainqueur(s4, r4, 2), 1);
}

TEST(Score, EntreesListeesSeulement) {
    ReponseDds f;
    f.cards = 2;
    f.suit[0] = 3, f.rank[0] = 14, f.score[0] = 9;
    f.suit[1] = 0, f.rank[1] = 5, f.score[1] = 0;
    f.suit[2] = 1, f.rank[2] = 13, f.score[2] = 4;  // beyond the used entries
    EXPECT_EQ(score(0, 5, f), 0);
    EXPECT_EQ(score(1, 13, f), -1);
    EXPECT_EQ(score(3, 13, f), -1);
    free_fut(f);
    EXPECT_EQ(score(3, 14, f), -1);
}

TEST(JeuDds, SansAtoutOuestEntameEtGagneLaLevee) {
    init_solveur(1);
    EnregistreurAlertes al;
    JeuDds j;
    EXPECT_EQ(j.pdl.trump, 4);
    EXPECT_EQ(j.pdl.first, 3);
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    EXPECT_EQ(j.joueur_actif(), 3);
    // Only the ace is offered: every other club is equal to it.
    EXPECT_EQ(j.score_carte(3, 3, 14), 13);
    for (int r = 2; r <= 13; ++r) EXPECT_EQ(j.score_carte(3, 3, r), -1) << r;
    EXPECT_EQ(j.score_carte(0, 0, 14), -1);  // not Nord's turn

    // Not the mover's card, or a card not held: refused, nothing changes.
    EXPECT_FALSE(j.joue(0, 0, 14));
    EXPECT_FALSE(j.joue(3, 0, 14));
    EXPECT_EQ(j.nb_jouees(), 0);

    ASSERT_TRUE(j.joue(3, 3, 14));
    EXPECT_EQ(j.joueur_actif(), 0);
    EXPECT_EQ(nb_cartes_jouees_levee(j.pdl), 1);
    joue_listee(j);  // Nord discards a spade: no trick for his side
    EXPECT_EQ(j.joueur_actif(), 1);
    EXPECT_EQ(j.score_carte(1, j.fut.suit[0], j.fut.rank[0]), 13);
    joue_listee(j);
    joue_listee(j);
    EXPECT_EQ(j.nb_jouees(), 4);
    EXPECT_EQ(j.pdl.first, 3);
    EXPECT_EQ(j.leveesEO, 1);
    EXPECT_EQ(j.leveesNS, 0);
    EXPECT_EQ(nb_cartes_jouees_levee(j.pdl), 0);
    EXPECT_EQ(j.score_carte(3, 3, 13), 12);
    EXPECT_TRUE(al.alertes.empty());
}

TEST(JeuDds, AtoutPiqueNordCoupe) {
    init_solveur(1);
    JeuDds j;
    ASSERT_TRUE(j.change_atout(0));  // before a start: just the strain
    EXPECT_FALSE(j.en_cours());
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    EXPECT_EQ(j.pdl.trump, 0);
    EXPECT_EQ(j.score_carte(3, 3, 14), 0);
    ASSERT_TRUE(j.joue(3, 3, 14));
    for (int k = 0; k < 3; ++k) joue_listee(j);
    EXPECT_EQ(j.pdl.first, 0);
    EXPECT_EQ(j.leveesNS, 1);
    EXPECT_EQ(j.leveesEO, 0);
}

TEST(JeuDds, JusquAlaDerniereCarte) {
    init_solveur(1);
    EnregistreurAlertes al;
    JeuDds j;
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    for (int k = 0; k < 52; ++k) joue_listee(j);
    EXPECT_TRUE(j.fini());
    EXPECT_EQ(j.leveesEO, 13);
    EXPECT_EQ(j.leveesNS, 0);
    EXPECT_EQ(j.fut.cards, 0);
    EXPECT_TRUE(al.alertes.empty());
    // Back one card from the end: Sud's last diamond to play, no trick for him.
    ASSERT_TRUE(j.retour());
    EXPECT_EQ(j.joueur_actif(), 2);
    EXPECT_EQ(j.leveesEO, 12);
    EXPECT_EQ(j.score_carte(2, 2, 2), 0);
}

TEST(JeuDds, RemplitTroisMainsEtUneCourte) {
    init_solveur(1);
    EnregistreurAlertes al;
    std::string d = donne_une_couleur_chacun();
    for (int i = 5; i < 13; ++i) d[i] = 'V';  // Ouest: five clubs fixed
    JeuDds j;
    ASSERT_TRUE(j.demarre(d.c_str()));
    EXPECT_EQ(j.jeux_ini[3][3], 0x7FFCu);
    EXPECT_EQ(longueur(j.jeux_ini[3]), 13);
    EXPECT_EQ(j.score_carte(3, 3, 14), 13);
    EXPECT_TRUE(al.alertes.empty());

    // Nothing fixed to Ouest at all.
    for (int i = 0; i < 13; ++i) d[i] = 'V';
    ASSERT_TRUE(j.demarre(d.c_str()));
    EXPECT_EQ(j.jeux_ini[3][3], 0x7FFCu);
}

TEST(JeuDds, MainsInegalesRefuseesSansRienChanger) {
    init_solveur(1);
    EnregistreurAlertes al;
    JeuDds j;
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    ASSERT_TRUE(j.joue(3, 3, 14));
    const PositionDds avant = j.pdl;

    // 13, 13, 12, 12: two short hands cannot be completed.
    std::string d = donne_une_couleur_chacun();
    d[25] = 'V';  // Sud's two of diamonds
    d[12] = 'V';  // Ouest's two of clubs
    EXPECT_FALSE(j.demarre(d.c_str()));
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0],
              "Données incorrectes, les 4 joueurs doivent avoir le même nombre de cartes");
    EXPECT_EQ(j.nb_jouees(), 1);
    attend_meme_position(j.pdl, avant);
    EXPECT_GT(j.fut.cards, 0);

    unsigned rc[4][4] = {};
    rc[0][0] = 0x7FFC;
    EXPECT_EQ(remplitjeu4(rc), 0);
    EXPECT_EQ(al.alertes.size(), 2u);
}

TEST(JeuDds, FinDePartieAcceptee) {
    init_solveur(1);
    EnregistreurAlertes al;
    // Five cards each: ♠AKQJ10 Nord, ♥ Est, ♦ Sud, ♣ Ouest.
    std::string d(52, 'V');
    for (int k = 0; k < 5; ++k) {
        d[k] = 'O';
        d[13 + k] = 'S';
        d[26 + k] = 'E';
        d[39 + k] = 'N';
    }
    JeuDds j;
    ASSERT_TRUE(j.demarre(d.c_str()));
    for (int s = 0; s < 4; ++s) EXPECT_EQ(longueur(j.jeux_ini[s]), 5);
    EXPECT_EQ(j.score_carte(3, 3, 14), 5);
    ASSERT_TRUE(j.joue(3, 3, 14));
    for (int k = 0; k < 3; ++k) joue_listee(j);
    EXPECT_EQ(j.leveesEO, 1);
    EXPECT_EQ(j.score_carte(3, 3, 13), 4);
    EXPECT_TRUE(al.alertes.empty());
}

TEST(JeuDds, AucuneCarte) {
    init_solveur(1);
    EnregistreurAlertes al;
    JeuDds j;
    EXPECT_FALSE(j.demarre(std::string(52, 'V').c_str()));
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0], "Aucune cartes entrée");
    EXPECT_FALSE(j.en_cours());
    EXPECT_FALSE(j.retour());
}

TEST(JeuDds, RetourApresTroisCartesDonneLEtatApresDeux) {
    init_solveur(1);
    EnregistreurAlertes al;
    JeuDds j;
    ASSERT_TRUE(j.change_atout(1));
    ASSERT_TRUE(j.demarre(donne_melangee().c_str()));
    EXPECT_FALSE(j.retour());  // nothing played yet: nothing happens
    EXPECT_EQ(j.nb_jouees(), 0);
    joue_listee(j);
    joue_listee(j);
    const PositionDds pos2 = j.pdl;
    const ReponseDds fut2 = j.fut;
    const int ns2 = j.leveesNS, eo2 = j.leveesEO;
    joue_listee(j);
    ASSERT_TRUE(j.retour());
    EXPECT_EQ(j.nb_jouees(), 2);
    attend_meme_position(j.pdl, pos2);
    attend_meme_reponse(j.fut, fut2);
    EXPECT_EQ(j.leveesNS, ns2);
    EXPECT_EQ(j.leveesEO, eo2);

    // Back over a closed trick: the counter goes back too.
    j.demarre(donne_une_couleur_chacun().c_str());
    for (int k = 0; k < 4; ++k) joue_listee(j);
    ASSERT_EQ(j.leveesEO, 1);
    ASSERT_TRUE(j.retour());
    EXPECT_EQ(j.leveesEO, 0);
    EXPECT_EQ(j.pdl.first, 3);
    EXPECT_EQ(nb_cartes_jouees_levee(j.pdl), 3);
    EXPECT_EQ(j.joueur_actif(), 2);
    EXPECT_TRUE(al.alertes.empty());
}

TEST(JeuDds, ChangerAtoutOuPremierRepartDuDebut) {
    init_solveur(1);
    JeuDds j;
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    joue_listee(j);
    joue_listee(j);
    ASSERT_TRUE(j.change_atout(0));
    EXPECT_EQ(j.nb_jouees(), 0);
    EXPECT_EQ(j.pdl.trump, 0);
    EXPECT_EQ(j.pdl.first, 3);
    EXPECT_EQ(longueur(j.pdl.remainCards[3]), 13);
    // Spades trumps now: the club ace is worth nothing.
    EXPECT_EQ(j.score_carte(3, 3, 14), 0);

    // Four cards into the deal, the leader of the start comes back.
    for (int k = 0; k < 4; ++k) joue_listee(j);
    ASSERT_EQ(j.pdl.first, 0);
    ASSERT_TRUE(j.change_atout(4));
    EXPECT_EQ(j.pdl.first, 3);
    EXPECT_EQ(j.leveesNS, 0);
    EXPECT_EQ(j.score_carte(3, 3, 14), 13);

    joue_listee(j);
    ASSERT_TRUE(j.change_premier(0));
    EXPECT_EQ(j.nb_jouees(), 0);
    EXPECT_EQ(j.joueur_actif(), 0);
    EXPECT_EQ(j.score_carte(0, 0, 14), 13);
}

TEST(JeuDds, AtoutChangeEntreDeuxCartesCommeUneAnalyseNeuve) {
    init_solveur(1);
    const std::string d = donne_melangee();
    JeuDds neuf;
    ASSERT_TRUE(neuf.change_atout(2));
    ASSERT_TRUE(neuf.demarre(d.c_str()));

    JeuDds j;
    ASSERT_TRUE(j.demarre(d.c_str()));
    joue_listee(j);
    joue_listee(j);
    ASSERT_TRUE(j.change_atout(2));
    attend_meme_position(j.pdl, neuf.pdl);
    attend_meme_reponse(j.fut, neuf.fut);
    // And one card further, both still agree.
    joue_listee(j);
    ASSERT_TRUE(neuf.joue(neuf.joueur_actif(), neuf.fut.suit[0], neuf.fut.rank[0]));
    attend_meme_reponse(j.fut, neuf.fut);
}

TEST(JeuDds, SuivreLaCouleurEntamee) {
    init_solveur(1);
    // Nord ♠AK ♥A, Est ♠Q ♥KQ, Sud ♦AKQ, Ouest ♣AKQ; Nord leads in sans-atout.
    std::string d(52, 'V');
    d[39] = d[40] = d[26] = 'N';
    d[41] = d[27] = d[28] = 'E';
    d[13] = d[14] = d[15] = 'S';
    d[0] = d[1] = d[2] = 'O';
    JeuDds j;
    ASSERT_TRUE(j.change_premier(0));
    ASSERT_TRUE(j.demarre(d.c_str()));
    ASSERT_TRUE(j.joue(0, 0, 14));
    EXPECT_FALSE(j.joue(1, 1, 13));  // Est holds a spade
    EXPECT_EQ(j.nb_jouees(), 1);
    EXPECT_TRUE(j.joue(1, 0, 12));
    EXPECT_TRUE(j.joue(2, 2, 14));  // Sud has no spade: free to discard
}

TEST(JeuDds, ReouvertureRepartDUnePositionVide) {
    init_solveur(1);
    JeuDds j;
    ASSERT_TRUE(j.change_atout(1));
    ASSERT_TRUE(j.demarre(donne_une_couleur_chacun().c_str()));
    joue_listee(j);
    j.reouvre();
    EXPECT_EQ(j.pdl.trump, 4);
    EXPECT_EQ(j.pdl.first, 3);
    EXPECT_EQ(longueur(j.pdl.remainCards[0]), 0);
    // The hands of the last analysis stay to be drawn, none of them playable.
    EXPECT_EQ(j.jeux_ini[0][0], 0x7FFCu);
    EXPECT_FALSE(j.en_cours());
    EXPECT_FALSE(j.retour());
    EXPECT_EQ(j.score_carte(0, 0, 14), -1);
    EXPECT_FALSE(j.joue(0, 0, 14));
}
