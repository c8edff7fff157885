// Cost of the condition tests, per deal, over a fixed set of random deals:
// the generator runs one such test per condition for every deal it draws.
#include <benchmark/benchmark.h>

#include "donnes_bench.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

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

// Runs test on every deal of the set in turn; the counter "donnes" gives
// the rate per deal.
template <typename Test>
void par_donne(benchmark::State& state, const Condouv& c, Test test) {
    const std::vector<std::string>& d = donnes_fixes();
    std::size_t i = 0;
    long vrais = 0;
    for (auto _ : state) {
        vrais += test(d[i].data(), c);
        i = (i + 1) % d.size();
    }
    benchmark::DoNotOptimize(vrais);
    state.counters["donnes"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_forme(benchmark::State& s) {
    // Five or more spades, at most four hearts, two or three diamonds.
    par_donne(s, condition(4, {15, 24, 2003, 99}), forme);
}
void BM_points_H(benchmark::State& s) {
    par_donne(s, condition(3, {0, 0, 5, 12, 14}), cond_points);
}
void BM_points_S(benchmark::State& s) {
    par_donne(s, condition(3, {1, 3, 1, 20, 25}), cond_points);
}
void BM_distribution(benchmark::State& s) {
    par_donne(s, condition(5, {5431}), distribution);
}
void BM_teneur(benchmark::State& s) {
    par_donne(s, condition(8, {0, 37, 14}), teneur);
}
void BM_cles(benchmark::State& s) {
    par_donne(s, condition(12, {1, 62}), cles);
}
void BM_levees_de_jeu(benchmark::State& s) {
    par_donne(s, condition(14, {4, 60, 81}), cond_ldj);
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
