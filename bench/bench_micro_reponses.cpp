// Cost of one response or overcall test per drawn deal: what a "réponse" or
// "intervention" condition adds to one try of the generator.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "donnes_bench.h"
#include "bridge.h"
#include "interventions.h"
#include "reponses.h"

namespace {

void BM_repo(benchmark::State& st) {
    Condouv c;
    c.id_condition = 1;
    c.joueur = 0;
    c.params = {0, static_cast<int>(st.range(0)), static_cast<int>(st.range(1))};
    par_donne(st, [&c](const char* d, int) { return repo(d, 1, c); });
}

void BM_intervention(benchmark::State& st) {
    Condouv c;
    c.id_condition = 2;
    c.joueur = 1;
    c.params = {static_cast<int>(st.range(0)), static_cast<int>(st.range(1))};
    par_donne(st, [&c](const char* d, int board) { return intervention(d, c, board); });
}

}  // namespace

BENCHMARK(BM_repo)
    ->ArgNames({"ouverture", "reponse"})
    ->Args({10, 11})
    ->Args({11, 13})
    ->Args({13, 23})
    ->Args({14, 20})
    ->Args({14, 34});

// Pass tries every overcall: the dearest of the calls.
BENCHMARK(BM_intervention)
    ->ArgNames({"par", "sur"})
    ->Args({0, 10})
    ->Args({0, 14})
    ->Args({8, 11})
    ->Args({13, 12})
    ->Args({14, 12})
    ->Args({24, 10});

BENCHMARK_MAIN();
