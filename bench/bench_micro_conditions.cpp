// Cost of the condition tests, per deal, over a fixed set of random deals:
// the generator runs one such test per condition for every deal it draws.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "donnes_bench.h"
#include "condouv.h"
#include "formes.h"

namespace {

Condouv condition(int kind, std::vector<int> params) {
    Condouv c;
    c.id_condition = kind;
    c.joueur = 2;
    c.params = std::move(params);
    return c;
}

// The cost of one hand-pattern test on Sud.
template <typename Test>
void sur_sud(benchmark::State& state, const Condouv& c, Test test) {
    ::par_donne(state, [&c, test](const char* d, int) { return test(d, c); });
}

void BM_forme(benchmark::State& s) {
    // Five or more spades, at most four hearts, two or three diamonds.
    sur_sud(s, condition(4, {15, 24, 2003, 99}), forme);
}
void BM_points_H(benchmark::State& s) {
    sur_sud(s, condition(3, {0, 0, 5, 12, 14}), cond_points);
}
void BM_points_S(benchmark::State& s) {
    sur_sud(s, condition(3, {1, 3, 1, 20, 25}), cond_points);
}
void BM_distribution(benchmark::State& s) {
    sur_sud(s, condition(5, {5431}), distribution);
}
void BM_teneur(benchmark::State& s) {
    sur_sud(s, condition(8, {0, 37, 14}), teneur);
}
void BM_cles(benchmark::State& s) {
    sur_sud(s, condition(12, {1, 62}), cles);
}
void BM_levees_de_jeu(benchmark::State& s) {
    sur_sud(s, condition(14, {4, 60, 81}), cond_ldj);
}

}  // namespace

BENCHMARK(BM_forme);
BENCHMARK(BM_points_H);
BENCHMARK(BM_points_S);
BENCHMARK(BM_distribution);
BENCHMARK(BM_teneur);
BENCHMARK(BM_cles);
BENCHMARK(BM_levees_de_jeu);

BENCHMARK_MAIN();
