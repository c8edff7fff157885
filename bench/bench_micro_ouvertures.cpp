// Cost of one opening test per drawn deal, per opening code: what each
// "ouvertures" condition adds to one try of the generator.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "donnes_bench.h"
#include "bridge.h"
#include "ouvertures.h"

namespace {

void BM_ouverture(benchmark::State& st) {
    Condouv c;
    c.id_condition = 0;
    c.joueur = 2;
    c.params = {0, static_cast<int>(st.range(0)), static_cast<int>(st.range(1))};
    par_donne(st, [&c](const char* d, int board) { return ouverture(d, board, c); });
}

}  // namespace

BENCHMARK(BM_ouverture)
    ->ArgNames({"choix", "partic"})
    ->Args({0, 0})
    ->Args({10, 0})
    ->Args({10, 1214})
    ->Args({11, 0})
    ->Args({12, 0})
    ->Args({13, 0})
    ->Args({14, 0})
    ->Args({20, 0})
    ->Args({21, 20})
    ->Args({22, 0})
    ->Args({24, 0})
    ->Args({30, 0})
    ->Args({33, 0})
    ->Args({43, 0})
    ->Args({200, 0})
    ->Args({400, 0});

BENCHMARK_MAIN();
