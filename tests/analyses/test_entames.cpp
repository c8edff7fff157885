// The lead and next-card statistics with the real solver, mostly on the
// deal where each seat holds one whole suit (Nord ♠, Est ♥, Sud ♦, Ouest ♣),
// whose double-dummy results are known without a solver.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aleatoire.h"
#include "cartes.h"
#include "edition_cocos.h"
#include "entames.h"
#include "gen.h"
#include "solveur.h"

namespace {

constexpr int N = 0, E = 1, S = 2, O = 3;
constexpr int pique = 0, coeur = 1, carreau = 2, trefle = 3, sa = 4;

int carte(int couleur, int r) { return 13 * (3 - couleur) + 14 - r; }

// Puts every global the statistics read back as it was.
class Statistique : public ::testing::Test {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        nos_[0] = nos[0], nos_[1] = nos[1];
        init_solveur(4);
        graine_aleatoire(7);
        donne(donne_une_couleur_chacun());
        nbstat = 10;
        limite = 12;
        config.nbthreads = 4;
    }
    void TearDown() override {
        nos[0] = nos_[0], nos[1] = nos_[1];
    }

    // Makes deal the current set's template and the record's.
    void donne(const std::string& deal) {
        contr = Contraintes();
        std::memcpy(contr.cfixees, deal.data(), 52);
        contr.eff();
        reinitialise(d, contr);
    }

    // Seat s plays card c: marked played and fixed to s, and put into the
    // current trick when tour says so.
    void joue(int s, int c, bool tour = false) {
        d.dj[s][coulno(c)] |= 1u << rang(c);
        d.jouees[c] = jsymbs[s];
        d.fixees[c] = jsymbs[s];
        if (!tour) return;
        int k = 0;
        while (d.ctranks[k] != 0) ++k;
        d.ctcouleurs[k] = coulno(c);
        d.ctranks[k] = rang(c);
    }

    void contrat(int niveau, int couleur, int declarant, int premier) {
        d.niveau = niveau;
        d.couleur = couleur;
        d.declarant = declarant;
        d.premier = premier;
        d.joueur = joueur_courant(d);
    }

    Deja d;

private:
    int nos_[2] = {0, 0};
};

std::vector<int> copie_tabstat() {
    return std::vector<int>(&tabstat[0][0], &tabstat[0][0] + 52 * 14);
}
std::vector<int> copie(const int* t) { return std::vector<int>(t, t + 52); }

}  // namespace

TEST(Cible, DuContratEtDesLeveesGagnees) {
    struct Cas {
        int niveau, declarant, joueur, dec, def, attendu;
    } cas[] = {
        {0, S, O, 0, 0, -1},  // no contract: tricks are counted
        {3, S, S, 5, 0, 4},   // declarer's side at 3SA with 5 tricks: 3 + 6 - 5
        {3, S, N, 5, 0, 4},   // dummy is on declarer's side
        {4, N, E, 0, 2, 2},   // the defence against 4♥ with 2 tricks: 8 - 4 - 2
        {1, E, S, 0, 7, 0},   // the defence has already defeated 1x
        {7, N, N, 0, 1, 13},  // declarer still needs 13 tricks
    };
    for (const Cas& c : cas) {
        Deja d;
        d.niveau = c.niveau, d.declarant = c.declarant, d.joueur = c.joueur;
        d.leveesdec = c.dec, d.leveesdef = c.def;
        EXPECT_EQ(cible(d), c.attendu) << c.niveau << " " << c.declarant << " " << c.joueur;
    }
}

TEST(LeveeEnCours, SaisieDesCouleursEtDesRangs) {
    const char* rangs = "0123456789XVDRA";
    const int attendus[] = {0, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int i = 0; rangs[i]; ++i) EXPECT_EQ(retrovl(rangs[i]), attendus[i]) << rangs[i];
    EXPECT_EQ(retrovl('a'), 14);  // typed in lower case
    EXPECT_EQ(retrovl('T'), -1);

    struct Cas {
        const char* couleurs;
        const char* rangs;
        int c[3], r[3];
    } cas[] = {
        {"P", "A00", {0, -1, -1}, {14, 0, 0}},  // only the characters typed are read
        {"CKT", "X2V", {1, 2, 3}, {10, 2, 11}},
        {"pk", "dr", {0, 2, -1}, {12, 13, 0}},
        {"Z", "Y", {-1, -1, -1}, {-1, 0, 0}},   // unknown letters are kept unknown
        {"", "", {-1, -1, -1}, {0, 0, 0}},
    };
    for (const Cas& k : cas) {
        int c[3] = {9, 9, 9}, r[3] = {9, 9, 9};
        lit_couleurs_levee(k.couleurs, c);
        lit_rangs_levee(k.rangs, r);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(c[i], k.c[i]) << k.couleurs << " " << i;
            EXPECT_EQ(r[i], k.r[i]) << k.rangs << " " << i;
        }
    }
}

// Nord on lead in sans-atout without a contract: the ace of spades (every
// spade is equal to it) takes the 13 tricks in each of the 10 deals.
TEST_F(Statistique, SansContratNordEntameSansAtout) {
    contrat(0, sa, S, N);
    EXPECT_EQ(stat(d), 10);
    EXPECT_EQ(bilan_entames.statut, Statut::ok);
    EXPECT_EQ(bilan_entames.tirages, 10);
    EXPECT_EQ(bilan_entames.analysees, 10);
    for (int c = 0; c < 52; ++c)
        for (int k = 0; k < 14; ++k)
            EXPECT_EQ(tabstat[c][k], c == carte(pique, 14) && k == 13 ? 10 : 0) << c << " " << k;
    EXPECT_EQ(nblistees[carte(pique, 14)], 10);
    EXPECT_EQ(d.numrestants.size(), 0u);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(d.nbmarquees[s], 13);
}

// With a contract, per position: the card listed and whether it reaches the
// target in every deal (10) or never (0).
TEST_F(Statistique, AvecContratCibleAtteinteManqueeOuDejaDecidee) {
    struct Cas {
        const char* quoi;
        int niveau, couleur, declarant, premier;
        int plis;        // complete tricks first: Est leads his hearts from the top
        bool en_cours;   // then Est leads the next heart, Sud and Ouest follow
        int dec, def, listee, chutes;
    } cas[] = {
        // Ouest leads against 7SA by Sud: the clubs defeat it.
        {"défense, but 1", 7, sa, S, O, 0, false, 0, 0, carte(trefle, 14), 10},
        // Est leads hearts against 7♠ by Ouest: Nord ruffs, nothing listed.
        {"déclarant sans espoir", 7, pique, O, E, 0, false, 0, 0, -1, 0},
        // After Est's first trick Nord, declarer at 7SA, needs 13 of 12.
        {"hors d'atteinte", 7, sa, N, E, 1, true, 0, 1, carte(pique, 13), 0},
        // Against 1♠ by Ouest, Nord's side having the first trick: Nord
        // ruffs and needs 8 - 1 - 1 = 6 of the 12 tricks left.
        {"défense, but 6", 1, pique, O, E, 1, true, 0, 1, carte(pique, 13), 10},
        // Est has won seven tricks against 1SA by Nord: 8 - 1 - 7 = 0.
        {"déjà atteint", 1, sa, N, E, 7, false, 0, 7, carte(coeur, 7), 10},
        // One trick beyond: 8 - 1 - 8 = -1 is a target, not "count the tricks".
        {"dépassé d'une levée", 1, sa, N, E, 8, false, 0, 8, carte(coeur, 6), 10},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.quoi);
        donne(donne_une_couleur_chacun());
        int r = 14;
        for (int p = 0; p < k.plis; ++p, --r) {
            joue(E, carte(coeur, r));
            joue(S, carte(carreau, r));
            joue(O, carte(trefle, r));
            joue(N, carte(pique, r));
        }
        if (k.en_cours) {
            joue(E, carte(coeur, r), true);
            joue(S, carte(carreau, r), true);
            joue(O, carte(trefle, r), true);
        }
        contrat(k.niveau, k.couleur, k.declarant, k.premier);
        d.leveesdec = k.dec;
        d.leveesdef = k.def;
        stat(d);
        ASSERT_EQ(bilan_entames.statut, Statut::ok) << bilan_entames.message;
        for (int c = 0; c < 52; ++c) {
            EXPECT_EQ(nbchutes[c], c == k.listee ? k.chutes : 0) << c;
            EXPECT_EQ(nblistees[c], c == k.listee ? 10 : 0) << c;
        }
    }
}

TEST_F(Statistique, UnEtQuatreThreadsMemesComptes) {
    struct Cas {
        int niveau, couleur, declarant, premier;
    } cas[] = {{0, sa, S, N}, {0, coeur, S, O}, {3, sa, N, E}, {4, pique, O, S}};
    for (const Cas& k : cas) {
        std::vector<int> t[2], c[2], l[2];
        for (int i = 0; i < 2; ++i) {
            config.nbthreads = i == 0 ? 1 : 4;
            nbstat = 12;
            contrat(k.niveau, k.couleur, k.declarant, k.premier);
            stat(d);
            ASSERT_EQ(bilan_entames.statut, Statut::ok);
            t[i] = copie_tabstat();
            c[i] = copie(nbchutes);
            l[i] = copie(nblistees);
        }
        EXPECT_EQ(t[0], t[1]);
        EXPECT_EQ(c[0], c[1]);
        EXPECT_EQ(l[0], l[1]);
        // The mover holds one whole suit: one card listed per deal.
        EXPECT_EQ(std::accumulate(l[0].begin(), l[0].end(), 0), 12) << k.niveau << " " << k.premier;
    }
}

// Only Ouest's hand fixed: each deal lists Ouest's cards, and the trick
// counts of a card add up to the deals that listed it.
TEST_F(Statistique, MainDeLEntameSeuleFixee) {
    std::string deal(52, 'V');
    for (int i = 0; i < 13; ++i) deal[4 * i] = 'O';  // ♣A ♣9 ♣5 ♦R ♦8 ...
    donne(deal);
    contrat(0, sa, S, O);
    nbstat = 6;
    stat(d);
    ASSERT_EQ(bilan_entames.statut, Statut::ok);
    EXPECT_EQ(d.numrestants.size(), 39u);
    EXPECT_EQ(d.nbmarquees[1], 13);
    int total = 0;
    for (int c = 0; c < 52; ++c) {
        int somme = 0;
        for (int k = 0; k < 14; ++k) somme += tabstat[c][k];
        EXPECT_EQ(somme, nblistees[c]) << c;
        if (nblistees[c] > 0) {
            EXPECT_EQ(deal[c], 'O') << c;
        }
        total += nblistees[c];
    }
    EXPECT_GE(total, 6);
}

TEST_F(Statistique, BudgetEpuiseEstUnStatutPasUnCompte) {
    // Nord holds thirteen spades: a 4333 shape is never met.
    contr.cocos.push_back(Condouv{5, N, {4333}});
    limite = 10;
    contrat(0, sa, S, N);
    EXPECT_EQ(stat(d), 1024);
    EXPECT_EQ(bilan_entames.statut, Statut::budget_epuise);
    EXPECT_EQ(bilan_entames.message, message_limite_atteinte);
    EXPECT_EQ(bilan_entames.analysees, 0);
    EXPECT_EQ(std::accumulate(nblistees, nblistees + 52, 0), 0);

    std::vector<int> res;
    nos[0] = carte(pique, 14), nos[1] = carte(pique, 2);
    d.premier = N;
    EXPECT_EQ(compentames(d, res), 1024);
    EXPECT_EQ(bilan_entames.statut, Statut::budget_epuise);
    EXPECT_EQ(res, std::vector<int>({0, 0, 0}));

    // Two deals asked, two drawn: done, not exhausted.
    contr.cocos.clear();
    nbstat = 2;
    EXPECT_EQ(stat(d), 2);
    EXPECT_EQ(bilan_entames.statut, Statut::ok);
    // Draws within the budget on four workers: done too.
    nbstat = 1000;
    EXPECT_EQ(stat(d), 1000);
    EXPECT_EQ(bilan_entames.statut, Statut::ok);

    // One deal asked, never found: its worker makes all 128 draws, not a share.
    contr.cocos = {Condouv{5, N, {4333}}};
    limite = 7, nbstat = 1;
    EXPECT_EQ(stat(d), 128);
}

TEST_F(Statistique, DeuxEntamesEquivalentesToujoursEgales) {
    contrat(0, sa, S, N);
    nos[0] = carte(pique, 14), nos[1] = carte(pique, 2);
    std::vector<int> res(3, 0);
    EXPECT_EQ(compentames(d, res), 10);
    EXPECT_EQ(bilan_entames.statut, Statut::ok);
    EXPECT_EQ(res, std::vector<int>({0, 10, 0}));
}

// On full deals drawn once, each lead pair lands in the cell the solver's
// own counts give, the second lead solved afresh here.
TEST_F(Statistique, ComparaisonSurDonnesCompletes) {
    std::mt19937 g(2027);
    std::vector<int> paquet(52);
    std::iota(paquet.begin(), paquet.end(), 0);
    int vus[3] = {0, 0, 0};
    for (int n = 0; n < 12; ++n) {
        std::shuffle(paquet.begin(), paquet.end(), g);
        std::string deal(52, 'V');
        for (int i = 0; i < 52; ++i) deal[paquet[i]] = jsymbs[i / 13];
        donne(deal);
        contrat(0, n % 5, S, O);
        const std::vector<int> main = numeros(deal.c_str(), 'O');
        nos[0] = main[n % 13], nos[1] = main[(n * 5 + 3) % 13];
        if (nos[0] == nos[1]) nos[1] = main[(n + 1) % 13];
        int a[2];
        for (int i = 0; i < 2; ++i) {
            PositionDds p;
            p.trump = d.couleur;
            p.first = O;
            listetoremain(deal.c_str(), p.remainCards);
            p.remainCards[O][coulno(nos[i])] &= ~(1u << rang(nos[i]));
            p.currentTrickSuit[0] = coulno(nos[i]);
            p.currentTrickRank[0] = rang(nos[i]);
            ReponseDds rep;
            ASSERT_TRUE(resout_position(p, -1, 1, 1, rep, 0).ok);
            a[i] = rep.score[0];
        }
        const int cellule = a[0] < a[1] ? 0 : (a[0] == a[1] ? 1 : 2);
        ++vus[cellule];
        nbstat = 3;
        std::vector<int> res(3, 0);
        compentames(d, res);
        ASSERT_EQ(bilan_entames.statut, Statut::ok);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(res[i], i == cellule ? 3 : 0) << n << " " << i;
    }
    // The deals are varied enough to try both orientations.
    EXPECT_GT(vus[0] + vus[2], 0);
}

TEST_F(Statistique, RefusSansRienCompter) {
    struct Cas {
        const char* quoi;
        void (*abime)(Deja&);
        const char* message;  // a part of the alert
        bool comparaison;     // compentames, Nord on lead, rather than stat
    } cas[] = {
        {"nbstat 0", [](Deja&) { nbstat = 0; }, "au moins 1", false},
        {"limite 32", [](Deja&) { limite = 32; }, "entre 0 et 31", false},
        {"niveau 8", [](Deja& d) { d.niveau = 8; }, "niveau", false},
        {"14 cartes", [](Deja& d) { d.fixees[0] = 'N'; }, "Nord a plus de 13 cartes", false},
        {"lettre inconnue", [](Deja& d) { d.fixees[3] = 'x'; }, "joueur inconnu", false},
        {"levée d'un autre", [](Deja& d) { d.ctcouleurs[0] = 0, d.ctranks[0] = 14, d.joueur = 0; },
         "Levée en cours, carte 1 : Ouest ne peut pas jouer l'as de pique, qui est à Nord", false},
        {"levée non marquée", [](Deja& d) {
             d.fixees[carte(trefle, 2)] = 'V', d.ctcouleurs[0] = trefle, d.ctranks[0] = 2, d.joueur = 0;
         }, "Levée en cours, carte 1 : 2 de trèfle doit être marquée jouée par Ouest", false},
        {"couleur inconnue", [](Deja& d) { d.ctcouleurs[0] = -1, d.ctranks[0] = 14, d.joueur = 0; },
         "couleur inconnue", false},
        {"rang inconnu", [](Deja& d) { d.ctcouleurs[0] = 0, d.ctranks[0] = -1, d.joueur = 0; },
         "rang inconnu", false},
        {"trou dans la levée", [](Deja& d) { d.ctranks[1] = 5; }, "place vide", false},
        {"joueur faux", [](Deja& d) { d.joueur = 1; }, "doit être Ouest", false},
        {"jouée non fixée", [](Deja& d) { d.dj[0][0] |= 1u << 14, d.jouees[39] = 'N', d.fixees[39] = 'V'; },
         "non fixée", false},
        {"marquée sans masque", [](Deja& d) { d.jouees[39] = 'N'; }, "absente des cartes jouées", false},
        {"masque d'un autre", [](Deja& d) { d.dj[0][0] |= 1u << 14, d.jouees[39] = 'S'; },
         "mais marquée jouée par Sud", false},
        {"nombres de cartes", [](Deja& d) { d.dj[0][0] |= 1u << 14, d.jouees[39] = 'N'; },
         "même nombre de cartes", false},
        {"levées faites", [](Deja& d) { d.niveau = 3, d.leveesdec = 1; }, "ne correspondent pas", false},
        {"renonce", [](Deja& d) {  // Nord, holding ♣A, plays ♠A on Ouest's ♣5
             std::swap(d.fixees[carte(trefle, 14)], d.fixees[carte(pique, 2)]);
             d.dj[O][trefle] |= 1u << 5, d.jouees[carte(trefle, 5)] = 'O', d.ctcouleurs[0] = trefle;
             d.dj[N][pique] |= 1u << 14, d.jouees[carte(pique, 14)] = 'N', d.ctcouleurs[1] = pique;
             d.ctranks[0] = 5, d.ctranks[1] = 14, d.joueur = E;
         }, "carte 2 : Nord ne fournit pas à trèfle alors qu'il détient l'as de trèfle", false},
        {"entame non choisie", [](Deja&) { nos[0] = -1; }, "Choisissez les deux entames", true},
        {"même entame", [](Deja&) { nos[1] = nos[0]; }, "deux entames différentes", true},
        {"entame d'un autre", [](Deja&) { nos[1] = 26; }, "n'est pas une carte de Nord", true},
        {"nbstat 0 comparé", [](Deja&) { nbstat = 0; }, "au moins 1", true},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.quoi);
        TearDown();
        SetUp();
        contrat(0, sa, S, k.comparaison ? N : O);
        nos[0] = carte(pique, 14), nos[1] = carte(pique, 2);
        k.abime(d);
        std::vector<int> res;
        EXPECT_EQ(k.comparaison ? compentames(d, res) : stat(d), 0);
        EXPECT_EQ(bilan_entames.statut, Statut::refuse);
        EXPECT_NE(bilan_entames.message.find(k.message), std::string::npos) << bilan_entames.message;
        EXPECT_EQ(std::accumulate(nblistees, nblistees + 52, 0), 0);
        EXPECT_EQ(std::accumulate(res.begin(), res.end(), 0), 0);
    }

    // A condition left without a kind: both refuse before drawing, naming its
    // letter in their status; the page shows it.
    TearDown();
    SetUp();
    EnregistreurAlertes rec;
    contrat(0, sa, S, N);
    nos[0] = carte(pique, 14), nos[1] = carte(pique, 2);
    contr.cocos.push_back(Condouv{});
    contr.cocos.back().id_condition = kind_non_choisi;
    std::vector<int> res;
    EXPECT_EQ(stat(d) + compentames(d, res), 0);
    EXPECT_EQ(bilan_entames.statut, Statut::refuse);
    EXPECT_EQ(bilan_entames.message, alerte_coco_non_definie(0));
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(Statistique, GabaritRefaitDesCartesJouees) {
    std::string deal(52, 'V');
    deal[carte(pique, 14)] = 'N';
    donne(deal);
    // Ouest's lead, marked played, becomes fixed to him.
    d.jouees[carte(trefle, 5)] = 'O';
    EXPECT_EQ(refait_fixees(d, contr.cfixees), "");
    EXPECT_EQ(d.fixees[carte(trefle, 5)], 'O');
    EXPECT_EQ(d.fixees[carte(pique, 14)], 'N');
    // Unmarked again: free again, as the set has it.
    d.jouees[carte(trefle, 5)] = 'V';
    EXPECT_EQ(refait_fixees(d, contr.cfixees), "");
    EXPECT_EQ(d.fixees[carte(trefle, 5)], 'V');
    // A played card that the set gives to another seat: refused, nothing changes.
    d.jouees[carte(pique, 14)] = 'S';
    EXPECT_EQ(refait_fixees(d, contr.cfixees),
              "Carte A de pique jouée par Sud mais fixée à Nord dans les contraintes");
    EXPECT_EQ(d.fixees[carte(pique, 14)], 'N');

    contr.id = 42;
    reinitialise(d, contr);
    EXPECT_EQ(d.id_contraintes, 42);
    EXPECT_EQ(std::string(d.jouees, 52), std::string(52, 'V'));
    EXPECT_EQ(std::string(d.fixees, 52), deal);
}

TEST_F(Statistique, JournalDeLaStatistique) {
    RepertoireTemp rep;
    config.debug = true;
    config.nbthreads = 1;
    nbstat = 2;
    contrat(3, sa, S, O);
    d.debug();
    stat(d);
    const std::string j = lit_fichier("debug");
    for (const char* ligne : {"contraintes : 0\n", "declarant :2\n", "joueur :3\n",
                              "deja.dj[3][3] : 0\n", "fixees 6 de carreau S\n", "target 5\n",
                              "nbchutes[0]=2\n", "nb 2\n"})
        EXPECT_NE(j.find(ligne), std::string::npos) << ligne;
    EXPECT_NE(j.find("liste  : " + donne_une_couleur_chacun() + "\n"), std::string::npos);
}

namespace {

// Fails every third call with the solver's code -14, else solves.
std::atomic<int> appels{0};
EtatSolveur resout_un_sur_trois(const PositionDds& p, int target, int solutions, int mode,
                                ReponseDds& rep, int thread) {
    if (appels.fetch_add(1) % 3 == 2) {
        rep = ReponseDds{};
        return {false, -14, "Wrong number of remaining cards in a hand"};
    }
    return resout_position(p, target, solutions, mode, rep, thread);
}

}  // namespace

TEST_F(Statistique, EchecsDuSolveurComptesAPartUneFois) {
    struct Remet {
        ~Remet() { resout_entames = resout_position; }
    } remet;
    resout_entames = resout_un_sur_trois;
    config.nbthreads = 1;
    nbstat = 9;

    for (int niveau : {0, 7}) {
        appels = 0;
        contrat(niveau, sa, S, O);
        stat(d);
        EXPECT_EQ(bilan_entames.statut, Statut::echec_solveur);
        EXPECT_EQ(bilan_entames.echecs, 3);
        EXPECT_EQ(bilan_entames.analysees, 6);
        EXPECT_EQ(bilan_entames.code, -14);
        // One message for the run, with the count and the solver's own text.
        EXPECT_NE(bilan_entames.message.find("3 donne"), std::string::npos) << bilan_entames.message;
        EXPECT_NE(bilan_entames.message.find("Wrong number of remaining cards"), std::string::npos);
        EXPECT_EQ(std::accumulate(nblistees, nblistees + 52, 0), 6);
        EXPECT_EQ(nbchutes[carte(trefle, 14)], niveau == 0 ? 0 : 6);
        EXPECT_EQ(tabstat[carte(trefle, 14)][13], niveau == 0 ? 6 : 0);
    }

    // The comparison solves twice a deal: a failure on either leaves it out.
    appels = 0;
    contrat(0, sa, S, N);
    nos[0] = carte(pique, 14), nos[1] = carte(pique, 2);
    std::vector<int> res;
    compentames(d, res);
    EXPECT_EQ(bilan_entames.statut, Statut::echec_solveur);
    EXPECT_EQ(res[0] + res[1] + res[2], bilan_entames.analysees);
    EXPECT_EQ(bilan_entames.analysees + bilan_entames.echecs, 9);
    EXPECT_GT(bilan_entames.echecs, 0);
    EXPECT_EQ(res[0] + res[2], 0);
}

TEST(CartesResultats, ClasseesParCompteEgalitesDansLOrdre) {
    std::fill(nblistees, nblistees + 52, 0);
    std::fill(nbchutes, nbchutes + 52, 0);
    // Card: deals listed, successes.
    const int cas[][3] = {{3, 5, 2}, {7, 5, 4}, {12, 5, 2}, {20, 5, 0}, {40, 5, 4}, {44, 0, 0}};
    for (const auto& k : cas) nblistees[k[0]] = k[1], nbchutes[k[0]] = k[2];
    EXPECT_EQ(cartes_resultats(true), std::vector<int>({7, 40, 3, 12, 20}));
    EXPECT_EQ(cartes_resultats(false), std::vector<int>({3, 7, 12, 20, 40}));
}
