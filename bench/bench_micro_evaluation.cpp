// Cost of one hand evaluation: the generator runs these once per condition
// per try, so their time per call bounds the number of tries per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "donnes_bench.h"
#include "cartes.h"
#include "evaluation.h"
#include "score.h"

namespace {

template <typename F>
void mesure(benchmark::State& state, F f) {
    const auto& d = donnes_fixes();
    std::size_t i = 0;
    int seat = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(d[i].data(), seat));
        seat = (seat + 1) & 3;
        if (seat == 0 && ++i == d.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_points(benchmark::State& s) { mesure(s, [](const char* d, int p) { return points(d, p); }); }
void BM_pointsHL(benchmark::State& s) { mesure(s, [](const char* d, int p) { return pointsHL(d, p); }); }
void BM_pointsDH(benchmark::State& s) { mesure(s, [](const char* d, int p) { return pointsDH(d, p); }); }
void BM_pointsDHS(benchmark::State& s) { mesure(s, [](const char* d, int p) { return pointsDHS(d, p, p); }); }
void BM_ldj(benchmark::State& s) { mesure(s, [](const char* d, int p) { return ldj(d, p); }); }
void BM_perdantes(benchmark::State& s) { mesure(s, [](const char* d, int p) { return perdantes(d, p); }); }
void BM_condSA(benchmark::State& s) { mesure(s, [](const char* d, int p) { return condSA(d, p, 1, true); }); }
void BM_xxxx(benchmark::State& s) { mesure(s, [](const char* d, int p) { return xxxx(d, p); }); }

}  // namespace

BENCHMARK(BM_points);
BENCHMARK(BM_pointsHL);
BENCHMARK(BM_pointsDH);
BENCHMARK(BM_pointsDHS);
BENCHMARK(BM_ldj);
BENCHMARK(BM_perdantes);
BENCHMARK(BM_condSA);
BENCHMARK(BM_xxxx);

BENCHMARK_MAIN();
