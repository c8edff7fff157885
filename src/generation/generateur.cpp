#include "generateur.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "formes.h"
#include "formule.h"
#include "gen.h"
#include "hooks.h"

#if __has_include("ouvertures.h")
#include "ouvertures.h"
#define DRALEN_OUVERTURES 1
#endif
#if __has_include("reponses.h")
#include "reponses.h"
#define DRALEN_REPONSES 1
#endif
#if __has_include("interventions.h")
#include "interventions.h"
#define DRALEN_INTERVENTIONS 1
#endif

// --- shuffle and deal -----------------------------------------------------------

// The last step of the shuffle would exchange entry m-1 with itself: it is
// skipped, with its draw.
void randomise(int* cards, int m, Flux& flux) {
    for (int i = 0; i < m - 1; ++i) {
        const int j = i + static_cast<int>(flux.tire(static_cast<std::uint32_t>(m - i)));
        std::swap(cards[i], cards[j]);
    }
}

void randomise(std::vector<int>& cards, Flux& flux) {
    randomise(cards.data(), static_cast<int>(cards.size()), flux);
}

void randomise(std::vector<int>& cards) { randomise(cards, flux_thread()); }

bool template_complet(const Contraintes& c) {
    int places = 0;
    for (int n : c.nbmarquees) {
        if (n < 0 || n > 13) return false;
        places += 13 - n;
    }
    return static_cast<std::size_t>(places) == c.numrestants.size();
}

void creedonne(char* deal, const char* fixed, const Contraintes& c, Flux& flux) {
    std::memcpy(deal, fixed, 52);
    // A set holds at most 52 free cards; more could only come from a set that
    // never went through eff, and are not dealt.
    const int m = static_cast<int>(std::min<std::size_t>(c.numrestants.size(), 52));
    int cartes[52];
    std::memcpy(cartes, c.numrestants.data(), sizeof(int) * static_cast<std::size_t>(m));
    // Where each seat's share of the shuffled cards ends, in the order Sud,
    // Ouest, Nord, Est.
    int fin[4];
    int acc = 0;
    for (int s = 0; s < 4; ++s) {
        acc += 13 - c.nbmarquees[s];
        fin[s] = acc;
    }
    // The shuffle fixes entry i at step i: the card is dealt at once, in the
    // same pass (the result is that of shuffling first, then dealing).
    int s = 0;
    for (int i = 0; i < m; ++i) {
        const int j = i < m - 1 ? i + static_cast<int>(flux.tire(static_cast<std::uint32_t>(m - i))) : i;
        const int carte = cartes[j];
        cartes[j] = cartes[i];
        while (s < 3 && i >= fin[s]) ++s;
        deal[carte] = symbj[s];
    }
}

void creedonne(char* deal, const char* fixed, const Contraintes& c) {
    creedonne(deal, fixed, c, flux_thread());
}

// --- condition tests ---------------------------------------------------------------

bool teste_condition(const char* deal, const Condouv& k, int board) {
    switch (k.id_condition) {
#ifdef DRALEN_OUVERTURES
        case 0: return ouverture(deal, board, k);
#endif
#ifdef DRALEN_REPONSES
        case 1: return repo(deal, board, k);
#endif
#ifdef DRALEN_INTERVENTIONS
        case 2: return intervention(deal, k, board);
#endif
        case 3: return cond_points(deal, k);
        case 4: return forme(deal, k);
        case 5: return distribution(deal, k);
        case 6: return coul_plus_longue(deal, k);
        case 7: return comp_couleurs(deal, k);
        case 8: return teneur(deal, k);
        case 9: return nb_cartes(deal, k);
        case 10: return cartes_niveau(deal, k);
        case 11: return arret(deal, k);
        case 12: return cles(deal, k);
        case 13: return contr_italiens(deal, k);
        case 14: return cond_ldj(deal, k);
        default: return false;
    }
}

int vconditions(const char* deal, const Contraintes& c, int board, bool r[max_lettres]) {
    const int m = static_cast<int>(std::min<std::size_t>(c.cocos.size(), max_lettres));
    for (int i = 0; i < m; ++i) r[i] = teste_condition(deal, c.cocos[i], board);
    return m;
}

std::vector<bool> vconditions(const char* deal, int board) {
    std::vector<bool> r(contr.cocos.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = teste_condition(deal, contr.cocos[i], board);
    return r;
}

bool a_contexte(const Contraintes& c) { return !c.con.empty() && c.con != "Non"; }

bool cond_ouvs(const char* deal, const Contraintes& c, int board) {
    if (c.cocos.empty()) return true;
    if (a_contexte(c)) {
        bool r[max_lettres];
        const int m = vconditions(deal, c, board, r);
        return traite(r, static_cast<std::size_t>(m), c.con);
    }
    // The tests are pure: stopping at the first failure gives the same
    // answer as evaluating them all, in a fraction of the time.
    for (const Condouv& k : c.cocos)
        if (!teste_condition(deal, k, board)) return false;
    return true;
}

// --- the parallel loop ---------------------------------------------------------------

int threads_generation(int voulus) {
    const int plafond = plafond_threads > 0 ? plafond_threads : omp_get_max_threads();
    return std::max(1, std::min(voulus, std::max(1, plafond)));
}

int numero_donne(int numerofixe, int i) {
    if (numerofixe == 0) return i + 1;
    if (numerofixe > 0) return numerofixe;
    return -numerofixe + 4 * i;
}

namespace {

bool test_contraintes(const char* deal, int board, const void* ctx) {
    return cond_ouvs(deal, *static_cast<const Contraintes*>(ctx), board);
}

}  // namespace

std::vector<std::string> boucle(int n, Contraintes& c, int limite, std::int64_t* tries) {
    return boucle_avec(n, c, limite, tries, config.nbthreads, test_contraintes, &c);
}

std::vector<std::string> boucle_avec(int n, Contraintes& c, int limite, std::int64_t* tries,
                                     int nbthreads, TestDonne test, const void* ctx) {
    std::vector<std::string> res;
    if (tries) *tries = 0;
    if (limite < 0) {
        alerte("limite ne doit pas être négative");
        return res;
    }
    if (limite > 31) {
        alerte("limite ne doit pas dépasser 31");
        return res;
    }
    if (n <= 0) return res;
    c.eff();
    if (!template_complet(c)) {
        alerte("les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée");
        return res;
    }

    const int equipe = threads_generation(nbthreads);
    const std::uint64_t budget = 1ULL << limite;
    const int pas = c.numerofixe == 0 ? 1 : (c.numerofixe < 0 ? 4 : 0);
    std::atomic<int> numero{c.numerofixe == 0 ? 1 : std::abs(c.numerofixe)};
    std::atomic<std::uint64_t> total{0};
    std::mutex verrou;
    std::vector<Flux> flux = flux_equipe(equipe);
    res.reserve(static_cast<std::size_t>(std::min(n, 4096)));
    const Contraintes& cc = c;

#pragma omp parallel num_threads(equipe)
    {
        // The runtime may start fewer workers than asked: the budget is
        // shared among those that run.
        const int w = omp_get_thread_num();
        const std::uint64_t quota = budget / static_cast<std::uint64_t>(omp_get_num_threads());
        Flux f = flux[static_cast<std::size_t>(w)];
        std::uint64_t essais = 0;
        char deal[52];
#pragma omp for schedule(dynamic, 1)
        for (int item = 0; item < n; ++item) {
            while (essais < quota) {
                ++essais;
                creedonne(deal, cc.cfixees, cc, f);
                const int b = numero.load(std::memory_order_acquire);
                if (!test(deal, b, ctx)) continue;
                bool garde = false;
                {
                    std::lock_guard<std::mutex> l(verrou);
                    // Another worker may have taken board b meanwhile: the
                    // deal is stored only if it holds at the board it gets.
                    const int k = numero.load(std::memory_order_relaxed);
                    if (k == b || test(deal, k, ctx)) {
                        res.emplace_back(deal, 52);
                        numero.store(k + pas, std::memory_order_release);
                        garde = true;
                    }
                }
                if (garde) break;
            }
        }
        total.fetch_add(essais, std::memory_order_relaxed);
    }

    if (tries) *tries = static_cast<std::int64_t>(total.load());
    std::lock_guard<std::mutex> l(verrou);
    return res;
}
