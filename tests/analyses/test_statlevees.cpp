// The trick and contract statistics with the real solver: on the deal where
// each seat holds one whole suit every result is known by hand; on random
// deals the counts agree with each other and do not depend on the threads;
// a spent budget, a refused request and a solver failure are statuses,
// never counts.
#include <gtest/gtest.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aleatoire.h"
#include "gen.h"
#include "generateur.h"
#include "solveur.h"
#include "edition_cocos.h"
#include "statlevees.h"

extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

constexpr int N = 0, E = 1, S = 2, O = 3;                  // seats
constexpr int P = 0, C = 1, K = 2, T = 3, SA = 4;          // strains

DonneesStat contrat(int niveau, int atout, int declarant, int contre = 0) {
    return {8 - niveau, atout, (declarant + 1) % 4, contre};
}

// The bytes held allocated, as the allocator that serves them counts them:
// not what it keeps after a free (glibc's heaps, AddressSanitizer's
// quarantine). The sanitizers' runtimes define the first function.
long alloues() {
    if (__sanitizer_get_current_allocated_bytes)
        return static_cast<long>(__sanitizer_get_current_allocated_bytes());
    return static_cast<long>(mallinfo2().uordblks + mallinfo2().hblkhd);
}

Condouv condition(int kind, int joueur, std::vector<int> params) {
    Condouv c;
    c.id_condition = kind;
    c.joueur = joueur;
    c.params = std::move(params);
    return c;
}

class StatLevees : public ::testing::Test {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        threads_ = config.nbthreads;
        const std::string d = donne_une_couleur_chacun();
        contr = Contraintes();
        std::copy(d.begin(), d.end(), contr.cfixees);
        contr.numerofixe = 1;
        contr.eff();
        nbstat = 12;
        limite = 12;
        graine_aleatoire(11);
        threads(1);
    }
    void TearDown() override {
        threads(threads_);
    }
    static void threads(int t) {
        config.nbthreads = t;
        init_solveur(t);
    }

private:
    int threads_ = 1;
};

}  // namespace

TEST_F(StatLevees, TricksOnTheOneSuitEachDealCountEveryDealUpToTheTricksTaken) {
    for (int t : {1, 4}) {
        threads(t);
        std::vector<int> strains = {P, SA, K}, decl = {N, N, S}, nbgagne;
        const std::int64_t tirages = statlc(strains, decl, nbgagne);
        ASSERT_EQ(bilan_stat.statut, Statut::ok) << bilan_stat.message;
        EXPECT_EQ(tirages, nbstat) << "a fixed deal is accepted at its first try";
        EXPECT_EQ(bilan_stat.analysees, nbstat);
        ASSERT_EQ(nbgagne.size(), 42u);
        // Nord ruffs the heart lead and takes 13 in spades; in SA Est runs
        // the hearts; Sud ruffs the club lead and takes 13 in diamonds.
        for (int k = 0; k < 14; ++k) {
            EXPECT_EQ(nbgagne[k], nbstat) << t << " threads, " << k << " tricks at spades";
            EXPECT_EQ(nbgagne[14 + k], k == 0 ? nbstat : 0) << t << " threads, SA " << k;
            EXPECT_EQ(nbgagne[28 + k], nbstat) << t << " threads, diamonds " << k;
        }
    }
}

TEST_F(StatLevees, ComparisonsOnTheOneSuitEachDealInEveryMode) {
    struct Cas {
        std::uintptr_t mode;
        int board;
        std::vector<DonneesStat> contrats;
        std::vector<int> parts;  // expected count / nbstat
    };
    const std::vector<Cas> cas = {
        {comp_reussite, 1, {contrat(7, P, N), contrat(7, SA, N)}, {1, 0}},
        {comp_reussite, 1, {contrat(7, T, O), contrat(7, C, E), contrat(7, K, S)}, {1, 1, 1}},
        {comp_meilleur, 1, {contrat(7, P, N), contrat(7, P, S)}, {1, 1}},  // ties all count
        {comp_meilleur, 1, {contrat(7, P, N), contrat(6, P, N)}, {1, 0}},
        {comp_meilleur, 1, {contrat(7, SA, N), contrat(7, P, N)}, {0, 1}},
        {comp_fine, 1, {contrat(7, P, N), contrat(7, SA, N)}, {1, 0, 0}},
        {comp_fine, 1, {contrat(7, SA, N), contrat(7, P, N)}, {0, 1, 0}},
        {comp_fine, 1, {contrat(7, P, N), contrat(7, P, S)}, {0, 0, 1}},
        {comp_fine, 1, {contrat(7, SA, N), contrat(7, SA, S)}, {0, 0, 0}},
        // Seen from Sud's side, Ouest's grand slam is a loss.
        {comp_meilleur_strict, 1, {contrat(7, P, S), contrat(7, T, O)}, {1, 0}},
        {comp_meilleur_strict, 4, {contrat(7, P, S), contrat(7, T, O)}, {1, 0}},
        // Est going down 13 is Nord's side's best result.
        {comp_meilleur_strict, 1, {contrat(7, SA, N), contrat(7, SA, E, 1)}, {0, 1}},
        {comp_meilleur_strict, 1, {contrat(7, P, N), contrat(7, P, S)}, {0, 0}},  // equal: nobody
        // Both results at -1500 or below for Nord's side: nobody.
        {comp_meilleur_strict, 4, {contrat(7, SA, N, 1), contrat(7, C, E)}, {0, 0}},
        // Est's doubled slam costs 1310 not vulnerable, 1860 vulnerable: the
        // board's vulnerability decides whether it is the best result.
        {comp_meilleur_strict, 1, {contrat(7, SA, N, 1), contrat(6, C, E, 1)}, {0, 1}},
        {comp_meilleur_strict, -4, {contrat(7, SA, N, 1), contrat(6, C, E, 1)}, {0, 0}},
        {comp_un_des, 1, {contrat(7, SA, N), contrat(7, P, N)}, {1}},
        {comp_un_des, 1, {contrat(7, SA, N), contrat(7, SA, S)}, {0}},
    };
    for (int t : {1, 4}) {
        threads(t);
        for (std::size_t i = 0; i < cas.size(); ++i) {
            contr.numerofixe = cas[i].board;
            comparaison = cas[i].mode;
            std::vector<DonneesStat> d = cas[i].contrats;
            std::vector<int> nbgagne(7, 99);  // the engine sizes and clears them
            const std::int64_t tirages = statlevees(d, nbgagne);
            ASSERT_EQ(bilan_stat.statut, Statut::ok) << bilan_stat.message;
            EXPECT_EQ(tirages, nbstat) << "case " << i;
            std::vector<int> attendu;
            for (int p : cas[i].parts) attendu.push_back(p * nbstat);
            EXPECT_EQ(nbgagne, attendu) << "case " << i << ", " << t << " threads";
        }
    }
    comparaison = comp_reussite;
    DonneesStat d = contrat(7, P, N);
    EXPECT_EQ(statlevees(d), nbstat);
    d = contrat(1, SA, N);
    EXPECT_EQ(statlevees(d), 0);
}

TEST_F(StatLevees, RandomDealsGiveTheSameCountsOnOneAndFourThreadsAndAgreeAcrossOperations) {
    contr = Contraintes();
    contr.numerofixe = 1;
    nbstat = 30;
    BilanStat tirage;
    const std::vector<std::string> donnes = tire_donnes_stat(contr, tirage);
    ASSERT_EQ(donnes.size(), 30u);

    const std::vector<int> strains = {P, SA}, decl = {S, S};
    const std::vector<DonneesStat> contrats = {contrat(4, P, S), contrat(3, SA, S)};
    std::vector<int> lev[2], comp[2];
    for (int i = 0; i < 2; ++i) {
        threads(i == 0 ? 1 : 4);
        BilanStat b1, b2;
        const long avant = alloues();
        statlc_donnes(donnes, strains, decl, lev[i], b1);
        compare_donnes(donnes, 1, contrats, comp_reussite, comp[i], b2);
        // The solver's tables grew over the deals, by tens of megabytes, and
        // were given back at the end of each run.
        EXPECT_LT(alloues() - avant, 4L << 20) << i;
        EXPECT_EQ(b1.analysees, 30);
        EXPECT_EQ(b2.analysees, 30);
        EXPECT_EQ(b1.echecs + b2.echecs, 0);
    }
    EXPECT_EQ(lev[0], lev[1]);
    EXPECT_EQ(comp[0], comp[1]);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(lev[0][14 * k], 30);
        for (int t = 1; t < 14; ++t) EXPECT_LE(lev[0][14 * k + t], lev[0][14 * k + t - 1]);
    }
    // A contract makes exactly when its declarer takes its tricks.
    EXPECT_EQ(comp[0][0], lev[0][10]);
    EXPECT_EQ(comp[0][1], lev[0][14 + 9]);
}

TEST_F(StatLevees, ASpentBudgetIsAStatusNeverNumbers) {
    // Nord cannot hold 20 points or more and 5 or fewer.
    contr = Contraintes();
    contr.cocos = {condition(3, N, {0, 0, 5, 20, 36}), condition(3, N, {0, 0, 5, 0, 5})};
    limite = 8;
    std::vector<int> strains = {SA}, decl = {S}, nbgagne;
    EXPECT_EQ(statlc(strains, decl, nbgagne), 256) << "one worker spends the whole budget";
    EXPECT_EQ(bilan_stat.statut, Statut::budget_epuise);
    EXPECT_EQ(bilan_stat.message, message_limite_atteinte);
    EXPECT_EQ(nbgagne, std::vector<int>(14, 0));

    threads(4);
    std::vector<DonneesStat> d = {contrat(3, SA, S)};
    EXPECT_EQ(statlevees(d, nbgagne), 0);
    EXPECT_EQ(bilan_stat.statut, Statut::budget_epuise);
    EXPECT_LE(bilan_stat.tirages, 256) << "the budget is shared by the workers";
    statlevees(d[0]);
    EXPECT_EQ(bilan_stat.statut, Statut::budget_epuise);
    EXPECT_EQ(bilan_stat.analysees, 0);

    // Limite 0 on two workers: one try at most in all.
    threads(2);
    contr = Contraintes();
    limite = 0;
    statlc(strains, decl, nbgagne);
    EXPECT_LE(bilan_stat.tirages, 1);
    EXPECT_EQ(bilan_stat.statut, Statut::budget_epuise);
}

TEST_F(StatLevees, RequestsOutOfRangeAreRefusedBeforeAnyDraw) {
    struct Cas {
        const char* quoi;
        int nbstat, limite;
        std::vector<int> strains, decl;
    };
    const std::vector<Cas> cas = {
        {"nbstat 0", 0, 12, {SA}, {S}},
        {"nbstat negative", -4, 12, {SA}, {S}},
        {"limite 32", 12, 32, {SA}, {S}},
        {"limite negative", 12, -1, {SA}, {S}},
        {"strain 5", 12, 12, {5}, {S}},
        {"seat 4", 12, 12, {SA}, {4}},
        {"one declarer short", 12, 12, {SA, P}, {S}},
    };
    for (const Cas& c : cas) {
        nbstat = c.nbstat;
        limite = c.limite;
        std::vector<int> strains = c.strains, decl = c.decl, nbgagne;
        EXPECT_EQ(statlc(strains, decl, nbgagne), 0) << c.quoi;
        EXPECT_EQ(bilan_stat.statut, Statut::refuse) << c.quoi;
        EXPECT_FALSE(bilan_stat.message.empty()) << c.quoi;
        EXPECT_EQ(bilan_stat.tirages, 0) << c.quoi;
        for (int v : nbgagne) EXPECT_EQ(v, 0) << c.quoi;
    }
    nbstat = 12;
    limite = 12;
    const std::vector<std::pair<std::uintptr_t, std::vector<DonneesStat>>> comparaisons = {
        {comp_fine, {contrat(3, SA, S)}},
        {comp_meilleur_strict, {contrat(3, SA, S), contrat(4, P, S), contrat(5, T, S)}},
        {7, {contrat(3, SA, S)}},
        {comp_reussite, {DonneesStat(-1, SA, O, 0)}},
        {comp_reussite, {DonneesStat(5, 6, O, 0)}},
        {comp_meilleur, {DonneesStat(0, SA, O, 0)}},
    };
    for (const auto& [mode, contrats] : comparaisons) {
        comparaison = mode;
        std::vector<DonneesStat> d = contrats;
        std::vector<int> nbgagne;
        EXPECT_EQ(statlevees(d, nbgagne), 0) << mode;
        EXPECT_EQ(bilan_stat.statut, Statut::refuse) << mode;
        EXPECT_EQ(bilan_stat.tirages, 0) << mode;
    }
    comparaison = comp_reussite;
    // A template that gives Nord 14 cards deals nothing.
    contr.cfixees[0] = 'N';
    contr.eff();
    DonneesStat d = contrat(3, SA, S);
    EXPECT_EQ(statlevees(d), 0);
    EXPECT_EQ(bilan_stat.statut, Statut::refuse);
    // A condition left without a kind is never met: refused with its letter,
    // before the budget is spent on it.
    contr.cfixees[0] = 'V';
    contr.cocos.push_back(Condouv{});
    contr.eff();
    EXPECT_EQ(statlevees(d), 0);
    EXPECT_EQ(bilan_stat.statut, Statut::refuse);
    EXPECT_EQ(bilan_stat.message, alerte_coco_non_definie(0));
    EXPECT_EQ(bilan_stat.tirages, 0);
}

TEST_F(StatLevees, ADealTheSolverRefusesIsAFailureCountedNowhereElse) {
    std::string courte = donne_une_couleur_chacun();
    courte[51] = 'V';  // Nord short of the ace of spades
    const std::vector<std::string> donnes = {donne_une_couleur_chacun(), courte,
                                             donne_une_couleur_chacun(), "NESO"};
    threads(4);
    BilanStat b;
    std::vector<int> nbgagne;
    statlc_donnes(donnes, {SA}, {N}, nbgagne, b);
    EXPECT_EQ(b.analysees, 2);
    EXPECT_EQ(b.echecs, 2);
    EXPECT_EQ(nbgagne[0], 2) << "only the deals solved are counted";
    EXPECT_EQ(b.code, refus_incomplete);
    conclut_stat(b, 4);
    EXPECT_EQ(b.statut, Statut::echec_solveur);
    EXPECT_EQ(b.message.rfind("Erreur du solveur, code " + std::to_string(refus_incomplete), 0),
              0u)
        << b.message;
}

TEST_F(StatLevees, TheDealsAreDrawnForTheBoardTheStatisticIsAbout) {
    for (auto [numero, attendu] : std::vector<std::pair<int, int>>{{0, 1}, {5, 5}, {-3, 3}, {16, 16}}) {
        Contraintes c;
        c.numerofixe = numero;
        EXPECT_EQ(numero_stat(c), attendu) << numero;
    }
    // Nord opens 3♣: on board 1 he deals, and needs seven clubs; a series
    // of boards 1, 2, 3 … would also keep the six-four hands that board 3
    // allows him in third position, not vulnerable.
    contr = Contraintes();
    contr.cocos = {condition(0, N, {0, 30, 0})};
    nbstat = 40;
    limite = 24;
    BilanStat b;
    const std::vector<std::string> donnes = tire_donnes_stat(contr, b);
    ASSERT_EQ(donnes.size(), 40u);
    for (const std::string& d : donnes) EXPECT_TRUE(cond_ouvs(d.c_str(), contr, 1));
    std::int64_t tries = 0;
    const std::vector<std::string> serie = boucle(80, contr, 24, &tries);
    int refusees = 0;
    for (const std::string& d : serie) refusees += !cond_ouvs(d.c_str(), contr, 1);
    EXPECT_GT(refusees, 0) << "the condition must depend on the board for this test to mean much";
}
