// The deal generator: the shuffle and the completion of a template, the
// acceptance test, and the parallel loop with its budget and board numbers.
#include <gtest/gtest.h>

#include <omp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "aides.h"
#include "allocations.h"
#include "edition_cocos.h"
#include "gen.h"
#include "generateur.h"
#include "jeux.h"
#include "ouvertures.h"

namespace {

const Condouv points_15_17 = cond(3, {0, 0, 5, 15, 17});
const Condouv reguliere_4333 = cond(5, {4333});
const Condouv non_choisie = cond(kind_non_choisi, {});
// Sud opens 2 ♥ Ekren: at most 10 HCP, four cards or more in each major,
// and p + (♠ + ♥ − 8) − 2·v ≥ 6, so the vulnerability of the board matters.
const Condouv ekren = cond(0, {0, 221, 0});

Contraintes ensemble(std::vector<Condouv> cocos, int numerofixe = 0, const std::string& con = "",
                     const std::string& fixees = vide) {
    Contraintes c;
    c.cocos = std::move(cocos);
    c.numerofixe = numerofixe;
    c.con = con;
    std::memcpy(c.cfixees, fixees.data(), 52);
    c.eff();
    return c;
}

// The global thread settings, put back after each test.
class Generateur : public ::testing::Test {
protected:
    void SetUp() override {
        threads_ = config.nbthreads;
        plafond_ = plafond_threads;
        // A fixed cap, so that a team of 4 is 4 on any machine.
        plafond_threads = 8;
        graine_aleatoire(2024);
    }
    void TearDown() override {
        config.nbthreads = threads_;
        plafond_threads = plafond_;
    }
    std::vector<std::string> tire(int n, Contraintes& c, int lim, int threads, std::int64_t& essais) {
        config.nbthreads = threads;
        return boucle(n, c, lim, &essais);
    }

private:
    int threads_ = 1;
    int plafond_ = 0;
};

bool main_de_13(const std::string& d) {
    if (d.size() != 52) return false;
    for (char l : std::string("NESO"))
        if (std::count(d.begin(), d.end(), l) != 13) return false;
    return true;
}

double khi2(const std::vector<double>& observe, const std::vector<double>& attendu) {
    double k = 0;
    for (std::size_t i = 0; i < observe.size(); ++i)
        if (attendu[i] > 0) k += (observe[i] - attendu[i]) * (observe[i] - attendu[i]) / attendu[i];
    return k;
}

// --- shuffle and completion ---------------------------------------------------------

// Index of a permutation of 0..m-1 in base m: one bin per arrangement.
int code_permutation(const std::vector<int>& v) {
    int c = 0;
    for (int x : v) c = c * static_cast<int>(v.size()) + x;
    return c;
}

TEST(Melange, EveryArrangementOfAShortListIsEquallyLikely) {
    // 4 and 5 entries: all 24 and 120 orders, each as often (a shuffle that
    // drew j in i+1..m-1, or modulo m-i-1, would miss or favour some).
    Flux f(11);
    for (int m : {4, 5}) {
        std::map<int, double> n;
        int nb_perm = m == 4 ? 24 : 120;
        const int tours = 5000 * nb_perm;
        for (int t = 0; t < tours; ++t) {
            std::vector<int> v(m);
            std::iota(v.begin(), v.end(), 0);
            randomise(v, f);
            ++n[code_permutation(v)];
        }
        ASSERT_EQ(static_cast<int>(n.size()), nb_perm);
        std::vector<double> obs, att;
        for (auto& [k, c] : n) {
            obs.push_back(c);
            att.push_back(5000);
        }
        // Degrees of freedom 23 and 119; thresholds far in the tail.
        EXPECT_LT(khi2(obs, att), m == 4 ? 80 : 240) << "m " << m;
    }
}

TEST(Melange, LongListsSendEachEntryEverywhere) {
    // 200 entries take the 16-bit draws, 300 the 32-bit ones.
    Flux f(12);
    for (int m : {200, 300}) {
        std::vector<double> premier(m, 0), dernier(m, 0);
        const int tours = 1000 * m;
        std::vector<int> v(m);
        for (int t = 0; t < tours; ++t) {
            std::iota(v.begin(), v.end(), 0);
            randomise(v, f);
            ++premier[v[0]];
            ++dernier[std::find(v.begin(), v.end(), m - 1) - v.begin()];
        }
        const std::vector<double> att(m, 1000);
        // m - 1 degrees of freedom, about 8 standard deviations above.
        const double seuil = (m - 1) + 8 * std::sqrt(2.0 * (m - 1));
        EXPECT_LT(khi2(premier, att), seuil) << "m " << m;
        EXPECT_LT(khi2(dernier, att), seuil) << "m " << m;
    }
}

TEST(Melange, ShortAndEmptyListsAreLeftAlone) {
    Flux f(1);
    std::vector<int> vide_, un{7};
    randomise(vide_, f);
    randomise(un, f);
    EXPECT_TRUE(vide_.empty());
    EXPECT_EQ(un, std::vector<int>{7});
}

// A template: Nord holds the 13 clubs, Sud five diamonds, Est two; the 32
// other cards are free: 8 places for Sud, 13 for Ouest, none for Nord, 11
// for Est.
std::string modele_partiel() {
    std::string t(52, 'V');
    for (int i = 0; i < 13; ++i) t[i] = 'N';
    for (int i = 13; i < 18; ++i) t[i] = 'S';
    t[18] = t[19] = 'E';
    return t;
}

TEST(Creedonne, ShufflesTheFreeCardsThenDealsThemSudOuestNordEst) {
    // The same stream through the two steps written out: shuffle a copy of
    // the free cards, then hand them out in order by the seats' shares.
    Contraintes c = ensemble({}, 0, "", modele_partiel());
    ASSERT_EQ(c.numrestants.size(), 32u);
    Flux a(31), b(31);
    for (int t = 0; t < 200; ++t) {
        char d[52];
        creedonne(d, c.cfixees, c, a);
        std::vector<int> libres = c.numrestants;
        randomise(libres, b);
        std::string attendu = modele_partiel();
        const int parts[4] = {8, 13, 0, 11};
        std::size_t k = 0;
        for (int s = 0; s < 4; ++s)
            for (int i = 0; i < parts[s]; ++i) attendu[libres[k++]] = "SONE"[s];
        ASSERT_EQ(std::string(d, 52), attendu);
        ASSERT_TRUE(a == b);
    }
}

TEST(Creedonne, AnotherTemplateKeepsItsOwnFixedCards) {
    // The caller's template is copied; the free cards of c go in the places
    // c leaves free.
    Contraintes c = ensemble({}, 0, "", modele_partiel());
    std::string autre = modele_partiel();
    autre[0] = 'S';  // not c's template: its letters are simply copied
    char d[52];
    Flux f(2);
    creedonne(d, autre.c_str(), c, f);
    EXPECT_EQ(d[0], 'S');
    for (int i = 1; i < 20; ++i) EXPECT_EQ(d[i], autre[i]);
    for (int i = 20; i < 52; ++i) EXPECT_NE(d[i], 'V');
}

TEST(Creedonne, TheThreadStreamFollowsTheSeed) {
    Contraintes c;
    char a[52], b[52];
    graine_aleatoire(8);
    creedonne(a, c.cfixees, c);
    graine_aleatoire(8);
    creedonne(b, c.cfixees, c);
    EXPECT_EQ(std::string(a, 52), std::string(b, 52));
    EXPECT_TRUE(main_de_13(std::string(a, 52)));
}

// --- the acceptance test ----------------------------------------------------------------

// Sud: ♠ A R D 2, ♥ A R 3, ♦ D 3 2, ♣ 4 3 2: 18 HCP, 4-3-3-3.
Jeu sud_18_4333() { return sud("ARD2", "AR3", "D32", "432"); }

TEST(CondOuvs, WithoutConditionsAcceptsWithoutReadingTheDeal) {
    Contraintes c;
    EXPECT_TRUE(cond_ouvs(nullptr, c, 1));
}

TEST(CondOuvs, ConjunctionWithoutContextAndContextOtherwise) {
    const Jeu j = sud_18_4333();
    const char* d = j.donne();
    // a false (18 HCP), b true (4333).
    EXPECT_FALSE(cond_ouvs(d, ensemble({points_15_17, reguliere_4333}), 1));
    EXPECT_TRUE(cond_ouvs(d, ensemble({reguliere_4333}), 1));
    EXPECT_FALSE(cond_ouvs(d, ensemble({points_15_17, reguliere_4333}, 0, "Non"), 1));
    EXPECT_TRUE(cond_ouvs(d, ensemble({points_15_17, reguliere_4333}, 0, "a b |"), 1));
    EXPECT_FALSE(cond_ouvs(d, ensemble({points_15_17, reguliere_4333}, 0, "a b &"), 1));
    EXPECT_TRUE(cond_ouvs(d, ensemble({points_15_17, reguliere_4333}, 0, "a !"), 1));
    // A condition without a kind is false: alone it refuses every deal, but
    // a context that does not need it decides without it.
    EXPECT_FALSE(cond_ouvs(d, ensemble({non_choisie}), 1));
    EXPECT_TRUE(cond_ouvs(d, ensemble({non_choisie, reguliere_4333}, 0, "b"), 1));
    EXPECT_TRUE(cond_ouvs(d, ensemble({non_choisie, reguliere_4333}, 0, "a ! b &"), 1));
}

TEST(CondOuvs, AContextOfBlanksIsNoContext) {
    // a false (18 HCP), b true (4333): without a context the conjunction
    // refuses, and "a !" alone accepts.
    const Jeu j = sud_18_4333();
    struct Cas {
        const char* con;
        bool contexte;
    };
    const Cas cas[] = {{"", false},       {" ", false},     {"\t \t", false}, {" \r", false},
                       {"Non", false},    {" Non ", false}, {"a !", true},      {" a ! ", true},
                       {"Non a", true},   {"x", true}};
    for (const Cas& k : cas) {
        const Contraintes refus = ensemble({points_15_17, reguliere_4333}, 0, k.con);
        EXPECT_EQ(a_contexte(refus), k.contexte) << '"' << k.con << '"';
        if (!k.contexte) {
            EXPECT_FALSE(cond_ouvs(j.donne(), refus, 1)) << '"' << k.con << '"';
            EXPECT_TRUE(cond_ouvs(j.donne(), ensemble({reguliere_4333}, 0, k.con), 1))
                << '"' << k.con << '"';
        }
    }
    // A series under a context of blanks is drawn as without one.
    Contraintes c = ensemble({reguliere_4333}, 0, "   ");
    std::int64_t essais = 0;
    const auto d = boucle(3, c, 20, &essais);
    EXPECT_EQ(d.size(), 3u);
}

TEST(VConditions, OneResultPerConditionInOrder) {
    const Jeu j = sud_18_4333();
    Contraintes c = ensemble({points_15_17, reguliere_4333, non_choisie,
                              cond(kind_indefini, {}), cond(99, {1, 2}), cond(3, {0, 0, 5, 18, 18})});
    bool r[max_lettres];
    ASSERT_EQ(vconditions(j.donne(), c, 1, r), 6);
    const bool attendu[6] = {false, true, false, false, false, true};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r[i], attendu[i]) << i;

    // The form without a set reads the current set.
    const Contraintes ancien = contr;
    contr = c;
    EXPECT_EQ(vconditions(j.donne(), 1), std::vector<bool>(attendu, attendu + 6));
    contr = ancien;
}

TEST(VConditions, BiddingConditionsSeeTheBoard) {
    // Sud ♠ R D 4 3, ♥ D 5 4 3, ♦ 5 4 3, ♣ 3 2: 7 HCP and eight major cards,
    // so 7 + 0 − 2·v is 7 ≥ 6 not vulnerable and 5 < 6 vulnerable.
    const Jeu j = sud("RD43", "D543", "543", "32");
    bool r[max_lettres];
    const Contraintes c = ensemble({ekren});
    vconditions(j.donne(), c, 1, r);  // board 1: nobody vulnerable
    EXPECT_TRUE(r[0]);
    vconditions(j.donne(), c, 2, r);  // board 2: N-S vulnerable
    EXPECT_FALSE(r[0]);
    EXPECT_TRUE(cond_ouvs(j.donne(), c, 3));   // E-O vulnerable
    EXPECT_FALSE(cond_ouvs(j.donne(), c, 4));  // both
}

TEST(VConditions, ArrayFormStopsAtTheLastLetterButTheConjunctionSeesAll) {
    const Jeu j = sud_18_4333();
    std::vector<Condouv> v(30, reguliere_4333);
    Contraintes c = ensemble(v);
    bool r[max_lettres];
    EXPECT_EQ(vconditions(j.donne(), c, 1, r), max_lettres);
    EXPECT_TRUE(cond_ouvs(j.donne(), c, 1));
    c.cocos[29] = points_15_17;  // the 30th condition, false
    EXPECT_FALSE(cond_ouvs(j.donne(), c, 1));
}

TEST(PiecesDuTirage, DoNotAllocate) {
    Contraintes sans;
    Contraintes avec = ensemble({points_15_17, reguliere_4333, ekren}, 0, "a b & c |");
    Contraintes conj = ensemble({points_15_17, reguliere_4333, ekren});
    Flux f(4);
    char d[52];
    bool r[max_lettres];
    std::vector<int> v(40);
    creedonne(d, sans.cfixees, sans);  // takes the thread's stream once
    const long avant = allocations_faites();
    int acceptes = 0;
    for (int t = 0; t < 2000; ++t) {
        creedonne(d, sans.cfixees, sans, f);
        creedonne(d, sans.cfixees, sans);
        const int b = t % 16 + 1;
        acceptes += cond_ouvs(d, avec, b) + cond_ouvs(d, conj, b) + cond_ouvs(d, sans, b);
        acceptes += vconditions(d, avec, b, r);
        randomise(v, f);
    }
    EXPECT_EQ(allocations_faites() - avant, 0);
    EXPECT_GT(acceptes, 0);
}

TEST(PiecesDuTirage, BoardDependenceIsThatOfTheBiddingConditions) {
    EXPECT_FALSE(depend_du_numero(ensemble({points_15_17, reguliere_4333})));
    EXPECT_TRUE(depend_du_numero(ensemble({points_15_17, ekren})));
    EXPECT_TRUE(depend_du_numero(ensemble({cond(1, {0, 14, 20}, 0)})));
    EXPECT_TRUE(depend_du_numero(ensemble({cond(2, {20, 14}, 1)})));
}

TEST_F(Generateur, ThreadCountIsClampedToOneAndToTheCap) {
    plafond_threads = 3;
    EXPECT_EQ(threads_generation(8), 3);
    EXPECT_EQ(threads_generation(2), 2);
    EXPECT_EQ(threads_generation(0), 1);
    EXPECT_EQ(threads_generation(-4), 1);
    plafond_threads = 0;
    EXPECT_EQ(threads_generation(1), 1);
    EXPECT_LE(threads_generation(1000), std::max(1, omp_get_max_threads()));
}

TEST(PiecesDuTirage, ACallersOwnParallelLoopGetsEachStreamsOwnDeals) {
    // As the statistics engines use them: a team, one stream per worker,
    // creedonne and cond_ouvs on private buffers. Each worker's deals must be
    // those its stream gives when replayed alone.
    Contraintes c = ensemble({points_15_17, reguliere_4333}, 0, "a b |", modele_partiel());
    graine_aleatoire(17);
    const std::vector<Flux> flux = flux_equipe(4);
    std::vector<std::vector<std::string>> vus(4);
#pragma omp parallel num_threads(4)
    {
        const int w = omp_get_thread_num();
        Flux f = flux[static_cast<std::size_t>(w)];
        char d[52];
        for (int t = 0; t < 3000; ++t) {
            creedonne(d, c.cfixees, c, f);
            if (cond_ouvs(d, c, t % 16 + 1)) vus[static_cast<std::size_t>(w)].emplace_back(d, 52);
        }
    }
    for (int w = 0; w < 4; ++w) {
        Flux f = flux[static_cast<std::size_t>(w)];
        std::vector<std::string> attendu;
        char d[52];
        for (int t = 0; t < 3000; ++t) {
            creedonne(d, c.cfixees, c, f);
            if (cond_ouvs(d, c, t % 16 + 1)) attendu.emplace_back(d, 52);
        }
        // A team of fewer than 4 leaves some lists empty; the others match.
        if (!vus[static_cast<std::size_t>(w)].empty()) {
            EXPECT_EQ(vus[static_cast<std::size_t>(w)], attendu) << "worker " << w;
        }
        EXPECT_FALSE(attendu.empty());
    }
    EXPECT_FALSE(vus[0].empty());
}

// --- the loop -------------------------------------------------------------------------

TEST_F(Generateur, NoConditionGivesNDealsInExactlyNTries) {
    for (int threads : {1, 4}) {
        Contraintes c;
        std::int64_t essais = -1;
        const auto d = tire(25, c, 20, threads, essais);
        EXPECT_EQ(d.size(), 25u);
        EXPECT_EQ(essais, 25);
        for (const std::string& x : d) EXPECT_TRUE(main_de_13(x));
    }
}

TEST_F(Generateur, OneWorkerReturnsTheDealsInTheOrderDrawn) {
    // boucle's single worker draws from the first stream taken after the
    // seed; without conditions every try is kept.
    Contraintes c;
    graine_aleatoire(99);
    Flux f = nouveau_flux();
    std::vector<std::string> attendu;
    for (int i = 0; i < 10; ++i) {
        char d[52];
        creedonne(d, c.cfixees, c, f);
        attendu.emplace_back(d, 52);
    }
    graine_aleatoire(99);
    std::int64_t essais = 0;
    EXPECT_EQ(tire(10, c, 20, 1, essais), attendu);
}

TEST_F(Generateur, SameSeedSameDealsOtherSeedOtherDeals) {
    Contraintes c = ensemble({points_15_17, reguliere_4333});
    std::int64_t e1 = 0, e2 = 0, e3 = 0;
    graine_aleatoire(123);
    const auto a = tire(20, c, 22, 1, e1);
    graine_aleatoire(123);
    const auto b = tire(20, c, 22, 1, e2);
    graine_aleatoire(124);
    const auto x = tire(20, c, 22, 1, e3);
    ASSERT_EQ(a.size(), 20u);
    EXPECT_EQ(a, b);
    EXPECT_EQ(e1, e2);
    EXPECT_NE(a, x);
    // And every deal kept meets the set.
    for (const std::string& d : a) EXPECT_TRUE(cond_ouvs(d.c_str(), c, 1));
}

TEST_F(Generateur, FullyFixedTemplateGivesCopies) {
    std::string t(52, 'V');
    for (int i = 0; i < 52; ++i) t[i] = "NESO"[i % 4];
    for (int threads : {1, 3}) {
        Contraintes c = ensemble({}, 0, "", t);
        std::int64_t essais = 0;
        const auto d = tire(7, c, 10, threads, essais);
        EXPECT_EQ(d, std::vector<std::string>(7, t));
        EXPECT_EQ(essais, 7);
    }
}

// Records the board of each call; accepts every third call.
struct Releve {
    std::vector<int> numeros;
    int appels = 0;
};
bool un_sur_trois(const char*, int board, const void* ctx) {
    auto* r = const_cast<Releve*>(static_cast<const Releve*>(ctx));
    r->numeros.push_back(board);
    return ++r->appels % 3 == 0;
}

TEST_F(Generateur, OneWorkerTestsEachTryAsTheNextBoard) {
    const std::vector<std::pair<int, std::vector<int>>> cas = {
        {0, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}},
        {5, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
        {-2, {2, 2, 2, 6, 6, 6, 10, 10, 10, 14, 14, 14}},
    };
    for (const auto& [numero, attendu] : cas) {
        Contraintes c = ensemble({}, numero);
        Releve r;
        std::int64_t essais = 0;
        const auto d = boucle_avec(4, c, 10, &essais, 1, un_sur_trois, &r, true);
        EXPECT_EQ(d.size(), 4u);
        EXPECT_EQ(essais, 12);
        EXPECT_EQ(r.numeros, attendu) << "numerofixe " << numero;
    }
    // A test that does not look at the board is always given the first one.
    Contraintes c = ensemble({}, 0);
    Releve r;
    std::int64_t essais = 0;
    boucle_avec(3, c, 10, &essais, 1, un_sur_trois, &r, false);
    EXPECT_EQ(r.numeros, std::vector<int>(9, 1));
}

TEST_F(Generateur, OneWorkerBiddingTestsSeeTheirBoards) {
    // The Ekren opening holds for a quarter of its hands only when Sud is not
    // vulnerable: deals tested at the wrong board would show it.
    for (int numero : {0, 5, -2, -4}) {
        Contraintes c = ensemble({ekren}, numero);
        std::int64_t essais = 0;
        const auto d = tire(40, c, 24, 1, essais);
        ASSERT_EQ(d.size(), 40u);
        for (std::size_t i = 0; i < d.size(); ++i)
            EXPECT_TRUE(ouverture(d[i].c_str(), numero_donne(numero, static_cast<int>(i)), ekren))
                << "numerofixe " << numero << " donne " << i;
    }
    EXPECT_EQ(numero_donne(0, 0), 1);
    EXPECT_EQ(numero_donne(0, 9), 10);
    EXPECT_EQ(numero_donne(7, 9), 7);
    EXPECT_EQ(numero_donne(-2, 2), 10);
}

TEST_F(Generateur, FourWorkersStoreEachDealUnderABoardItMeets) {
    // Another worker may take the board between a try's test and its own
    // acceptance; the deal must then meet the set at the board it gets.
    for (int numero : {0, -3}) {
        Contraintes c = ensemble({ekren}, numero);
        std::int64_t essais = 0;
        const auto d = tire(3000, c, 26, 4, essais);
        ASSERT_EQ(d.size(), 3000u);
        int faux = 0;
        for (std::size_t i = 0; i < d.size(); ++i)
            faux += !ouverture(d[i].c_str(), numero_donne(numero, static_cast<int>(i)), ekren);
        EXPECT_EQ(faux, 0) << "numerofixe " << numero;
    }
}

// The dealer of the board (seat (board − 1) mod 4) holds the ace of clubs:
// true for a quarter of the deals, and for another quarter at the next board.
bool donneur_a_l_as(const char* deal, int board, const void*) {
    return deal[0] == jsymbs[(board - 1) % 4];
}

TEST_F(Generateur, FourWorkersUnderHeavyContentionKeepTheBoardsRight) {
    Contraintes c = ensemble({}, 0);
    std::int64_t essais = 0;
    const auto d = boucle_avec(20000, c, 24, &essais, 4, donneur_a_l_as, nullptr, true);
    ASSERT_EQ(d.size(), 20000u);
    int faux = 0;
    for (std::size_t i = 0; i < d.size(); ++i)
        faux += !donneur_a_l_as(d[i].c_str(), numero_donne(0, static_cast<int>(i)), nullptr);
    EXPECT_EQ(faux, 0);
    // At least about four tries per deal; deals dropped by the re-test add
    // more, as many as the scheduling of the machine makes them, so there is
    // no upper bound to check.
    EXPECT_GT(essais, 20000 * 3);
}

TEST_F(Generateur, FreeCardsReachEachSeatInProportionToItsFreePlaces) {
    // Four workers: a biased shuffle, or workers sharing a stream or a
    // buffer, would tilt these counts.
    const std::string modele = modele_partiel();
    Contraintes c = ensemble({}, 0, "", modele);
    std::int64_t essais = 0;
    const int n = 32000;
    const auto d = tire(n, c, 20, 4, essais);
    ASSERT_EQ(d.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(essais, n);
    std::vector<std::array<double, 4>> compte(52, {0, 0, 0, 0});
    for (const std::string& x : d) {
        ASSERT_TRUE(main_de_13(x));
        for (int i = 0; i < 20; ++i) ASSERT_EQ(x[i], modele[i]);
        for (int i = 20; i < 52; ++i) ++compte[i][std::string("SONE").find(x[i])];
    }
    // Places: Sud 8, Ouest 13, Nord 0, Est 11, out of 32.
    const double parts[4] = {8, 13, 0, 11};
    std::vector<double> obs, att;
    for (int i = 20; i < 52; ++i) {
        EXPECT_EQ(compte[i][2], 0) << "carte " << i;
        for (int s : {0, 1, 3}) {
            obs.push_back(compte[i][s]);
            att.push_back(n * parts[s] / 32);
        }
    }
    // 32 cards × 2 degrees of freedom: 64, standard deviation about 11.
    EXPECT_LT(khi2(obs, att), 150);
}

TEST_F(Generateur, BudgetZeroIsOneTryOnAnyTeam) {
    Contraintes c;
    std::int64_t essais = -1;
    EXPECT_EQ(tire(5, c, 0, 2, essais).size(), 1u);
    EXPECT_EQ(essais, 1);
    // One worker has the whole single try.
    EXPECT_EQ(tire(5, c, 0, 1, essais).size(), 1u);
    EXPECT_EQ(essais, 1);
}

TEST_F(Generateur, AnImpossibleSetSpendsTheWorkersBudgets) {
    // At least 36 points and at most 0: never met.
    Contraintes c = ensemble({cond(3, {0, 0, 5, 36, 0})});
    std::int64_t essais = 0;
    EXPECT_TRUE(tire(3, c, 6, 1, essais).empty());
    EXPECT_EQ(essais, 64);
    // The workers share the 2^limite tries: all are made, however many
    // workers there are, even fewer tries than workers.
    for (int threads : {2, 3, 8})
        for (int lim : {1, 3, 6}) {
            EXPECT_TRUE(tire(3, c, lim, threads, essais).empty());
            EXPECT_EQ(essais, 1 << lim) << threads << " workers";
        }
    // Once a worker failed (arrete), the others claim no more tries.
    PartageEssais p(1, 1 << 20, 1);
    EXPECT_LT(p.travaille([&] { return p.arrete(), false; }), 1u << 20);
    // "Non" is no context: the conjunction refuses every deal too.
    c.con = "Non";
    EXPECT_TRUE(tire(3, c, 6, 1, essais).empty());
}

TEST_F(Generateur, ASetWithAConditionWithoutKindIsRefusedBeforeAnyTry) {
    // Whatever the context: the user left a condition open, and drawing
    // would spend the budget on a set that is not the one meant.
    for (const char* con : {"", "a"}) {
        Contraintes c = ensemble({reguliere_4333, non_choisie}, 0, con);
        EnregistreurAlertes rec;
        std::int64_t essais = -1;
        EXPECT_TRUE(tire(3, c, 20, 2, essais).empty());
        EXPECT_EQ(essais, 0);
        EXPECT_EQ(rec.alertes, std::vector<std::string>{alerte_coco_non_definie(1)});
    }
}

TEST_F(Generateur, ZeroThreadsRunsOnOne) {
    Contraintes c;
    std::int64_t essais = 0;
    EXPECT_EQ(tire(6, c, 10, 0, essais).size(), 6u);
    EXPECT_EQ(essais, 6);
    EXPECT_EQ(tire(6, c, 10, -3, essais).size(), 6u);
}

TEST_F(Generateur, NoDealWantedNoTry) {
    Contraintes c;
    EnregistreurAlertes alertes;
    std::int64_t essais = -1;
    EXPECT_TRUE(tire(0, c, 10, 2, essais).empty());
    EXPECT_EQ(essais, 0);
    essais = -1;
    EXPECT_TRUE(tire(-4, c, 10, 1, essais).empty());
    EXPECT_EQ(essais, 0);
    EXPECT_TRUE(alertes.alertes.empty());
    EXPECT_TRUE(boucle(3, c, 10, nullptr).size() == 3);  // tries not wanted
}

TEST_F(Generateur, LimiteOutsideZeroToThirtyOneIsRefused) {
    Contraintes c;
    EnregistreurAlertes alertes;
    std::int64_t essais = -1;
    EXPECT_TRUE(tire(3, c, 32, 1, essais).empty());
    EXPECT_EQ(essais, 0);
    EXPECT_TRUE(tire(3, c, -1, 1, essais).empty());
    EXPECT_EQ(alertes.alertes,
              (std::vector<std::string>{"limite ne doit pas dépasser 31", "limite ne doit pas être négative"}));
}

TEST_F(Generateur, TemplateWhoseCountsDoNotAddUpGivesNoDeal) {
    // Fourteen cards fixed to Nord: Sud, Ouest and Est would need 39 free
    // cards but only 38 are left.
    std::string t(52, 'V');
    for (int i = 0; i < 14; ++i) t[i] = 'N';
    EnregistreurAlertes alertes;
    std::int64_t essais = -1;
    Contraintes c = ensemble({}, 0, "", t);
    EXPECT_FALSE(template_complet(c));
    EXPECT_TRUE(tire(3, c, 10, 2, essais).empty());
    EXPECT_EQ(essais, 0);
    ASSERT_EQ(alertes.alertes.size(), 1u);
    EXPECT_EQ(alertes.alertes[0], "les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée");
    // A letter that names no seat leaves a card nobody can take.
    t = std::string(52, 'V');
    t[5] = 'x';
    Contraintes d = ensemble({}, 0, "", t);
    EXPECT_FALSE(template_complet(d));
    EXPECT_TRUE(tire(3, d, 10, 1, essais).empty());
    EXPECT_TRUE(template_complet(ensemble({}, 0, "", modele_partiel())));
}

TEST_F(Generateur, LoopRecountsTheFreeCardsItself) {
    // A template changed after the last count: boucle counts again.
    Contraintes c;
    for (int i = 0; i < 13; ++i) c.cfixees[i] = 'E';
    std::int64_t essais = 0;
    const auto d = tire(5, c, 10, 2, essais);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(c.numrestants.size(), 39u);
    EXPECT_EQ(c.nbmarquees[3], 13);
    for (const std::string& x : d) {
        EXPECT_TRUE(main_de_13(x));
        for (int i = 0; i < 13; ++i) EXPECT_EQ(x[i], 'E');
    }
}

// --- the prepared series ------------------------------------------------------------

// Conditions of many kinds and seats; the sets below combine them.
const Condouv nord_0_10 = cond(3, {0, 0, 5, 0, 10}, 0);
const Condouv ligne_ns_22_26 = cond(3, {1, 0, 5, 22, 26});
const Condouv dh_sud_10_14 = cond(3, {0, 2, 5, 10, 14});
const Condouv forme_sud = cond(4, {15, 24, 2003, 99});
const Condouv ouest_4432 = cond(5, {4432}, 3);
const Condouv piques_plus_longs = cond(6, {0, 0});
const Condouv arret_pique = cond(11, {0, 1, 1000});
const Condouv siege_hors_table = cond(5, {4333}, 7);

struct CasSerie {
    std::vector<Condouv> cocos;
    std::string con;
    std::string fixees;
};

std::vector<CasSerie> series_variees() {
    const std::string libre = vide, partiel = modele_partiel();
    const std::vector<Condouv> treize(13, reguliere_4333);
    std::vector<Condouv> treize_et_points = treize;
    treize_et_points[12] = points_15_17;
    return {
        {{}, "", libre},
        {{points_15_17}, "", libre},
        {{points_15_17, reguliere_4333}, "", libre},
        {{points_15_17, reguliere_4333}, "a b |", partiel},
        {{forme_sud, dh_sud_10_14, piques_plus_longs}, "a b c | &", libre},
        {{points_15_17, ouest_4432}, "a ! b &", libre},
        {{points_15_17, ouest_4432}, "b", partiel},
        {{ligne_ns_22_26, reguliere_4333}, "", libre},
        {{nord_0_10, ekren}, "a b |", libre},
        {{ekren, arret_pique}, "", libre},
        {{non_choisie, reguliere_4333}, "a b", libre},
        {{siege_hors_table, points_15_17}, "a ! b &", libre},
        {{reguliere_4333}, "Non", libre},
        {treize_et_points, "abcdefghijklm&&&&&&&&&&&&", libre},
        {treize_et_points, "m", libre},
    };
}

TEST(SerieTirage, TheSameAnswersAsTheSetOverManyDeals) {
    int acceptes = 0;
    for (const CasSerie& k : series_variees()) {
        const Contraintes c = ensemble(k.cocos, 0, k.con);
        const SerieTirage s = prepare_serie(c);
        Flux f(5);
        char d[52];
        for (int t = 0; t < 4000; ++t) {
            creedonne(d, c.cfixees, c, f);
            const int b = t % 16 + 1;
            const bool attendu = cond_ouvs(d, c, b);
            ASSERT_EQ(cond_ouvs(d, s, b), attendu) << '"' << k.con << "\" " << std::string(d, 52);
            acceptes += attendu;
        }
    }
    EXPECT_GT(acceptes, 0);
}

TEST(SerieTirage, CompletesAsCreedonneFromTheSameStream) {
    const std::string sud_fixe = Jeu().main(2, "AR32", "AR3", "D32", "432").texte();
    const std::string tout_fixe = sud_18_4333().texte();
    for (const std::string& modele : {std::string(vide), modele_partiel(), sud_fixe, tout_fixe}) {
        const Contraintes c = ensemble({}, 0, "", modele);
        const SerieTirage s = prepare_serie(c);
        Flux a(3), b(3);
        for (int t = 0; t < 300; ++t) {
            char x[52], y[52];
            creedonne(x, c.cfixees, c, a);
            creedonne(y, s, b);
            ASSERT_EQ(std::string(x, 52), std::string(y, 52));
            ASSERT_TRUE(a == b);
        }
    }
}

TEST(SerieTirage, ATryDecidesAsTheWholeDealAndDealsTheSameFirstSeats) {
    // From the same stream, a try and creedonne deal the same first places:
    // the try's answer is the whole deal's, and an accepted deal is whole.
    // When every place is needed first, the try is creedonne exactly.
    int acceptes = 0, en_avance = 0;
    for (const CasSerie& k : series_variees()) {
        const Contraintes c = ensemble(k.cocos, 0, k.con, k.fixees);
        const SerieTirage s = prepare_serie(c);
        const bool avance = s.lues + 8 <= s.m;
        en_avance += avance;
        const int places_sud = 13 - c.nbmarquees[0];
        Flux f(21);
        for (int t = 0; t < 3000; ++t) {
            char x[52], y[52];
            Flux a = f;
            creedonne(x, c.cfixees, c, a);
            const int b = t % 16 + 1;
            const bool attendu = cond_ouvs(x, c, b);
            const bool ok = essai(y, s, b, f);
            ASSERT_EQ(ok, attendu) << '"' << k.con << "\" " << std::string(x, 52);
            if (!avance) {
                ASSERT_EQ(std::string(x, 52), std::string(y, 52));
                ASSERT_TRUE(a == f);
            } else if (s.lues >= places_sud) {
                for (int i = 0; i < 52; ++i) ASSERT_EQ(x[i] == 'S', y[i] == 'S') << i;
            }
            if (ok) {
                ++acceptes;
                ASSERT_TRUE(main_de_13(std::string(y, 52)));
                for (int i = 0; i < 52; ++i) {
                    if (c.cfixees[i] != 'V') {
                        ASSERT_EQ(y[i], c.cfixees[i]);
                    }
                }
                ASSERT_TRUE(cond_ouvs(y, c, b));
            }
        }
    }
    EXPECT_GT(acceptes, 0);
    EXPECT_GT(en_avance, 3);
}

TEST(SerieTirage, CardsNotTestedReachTheOtherSeatsEvenly) {
    // Sud 15-17 points: the deal is tested once Sud is dealt and completed
    // only then; the 39 other cards of an accepted deal must still fall on
    // Ouest, Nord and Est alike.
    const Contraintes c = ensemble({points_15_17});
    const SerieTirage s = prepare_serie(c);
    ASSERT_EQ(s.lues, 13);
    Flux f(77);
    std::vector<std::array<double, 3>> compte(52, {0, 0, 0});
    int n = 0;
    char d[52];
    while (n < 30000)
        if (essai(d, s, 1, f)) {
            ++n;
            for (int i = 0; i < 52; ++i)
                if (d[i] != 'S') ++compte[i][std::string("ONE").find(d[i])];
        }
    std::vector<double> obs, att;
    for (const auto& k : compte) {
        const double total = k[0] + k[1] + k[2];
        for (double x : k) {
            obs.push_back(x);
            att.push_back(total / 3);
        }
    }
    // 52 cards × 2 degrees of freedom: 104, standard deviation about 14.
    EXPECT_LT(khi2(obs, att), 220);
}

TEST(SerieTirage, TriesAllocateNothing) {
    const Contraintes avec = ensemble({points_15_17, reguliere_4333, ekren}, 0, "a b & c |");
    const Contraintes conj = ensemble({points_15_17, forme_sud});
    const SerieTirage sa = prepare_serie(avec), sc = prepare_serie(conj);
    Flux f(9);
    char d[52];
    int acceptes = 0;
    const long avant = allocations_faites();
    for (int t = 0; t < 2000; ++t) {
        const int b = t % 16 + 1;
        creedonne(d, sa, f);
        acceptes += cond_ouvs(d, sa, b) + cond_ouvs(d, sc, b);
        acceptes += essai(d, sa, b, f) + essai(d, sc, b, f);
    }
    EXPECT_EQ(allocations_faites() - avant, 0);
    EXPECT_GT(acceptes, 0);
}

}  // namespace
