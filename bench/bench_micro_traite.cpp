// Cost of one formula evaluation: the generator evaluates the context once
// per try, on every worker.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "formule.h"

static void contexte_court(benchmark::State& st) {
    const std::vector<bool> r = {true, false, true, true};
    const std::string f = "a b ! & c d | &";
    for (auto _ : st) benchmark::DoNotOptimize(traite(r, f));
}
BENCHMARK(contexte_court);

static void calcul_avec_lettres_majuscules(benchmark::State& st) {
    const std::vector<bool> r(26, true), k(26, false);
    std::string f = "a";
    for (char c = 'b'; c <= 'z'; ++c) f += std::string(1, c) + "&" + std::string(1, c - 'a' + 'A') + "|";
    for (auto _ : st) benchmark::DoNotOptimize(traite(r, f, k));
}
BENCHMARK(calcul_avec_lettres_majuscules);

BENCHMARK_MAIN();
