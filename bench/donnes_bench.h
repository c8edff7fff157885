// The deals every micro-benchmark measures on: 4096 complete random deals
// from a fixed seed, the same on every run so that runs compare.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

inline const std::vector<std::string>& donnes_fixes() {
    static const std::vector<std::string> d = [] {
        std::mt19937 g(12345u);
        std::string base;
        for (int p = 0; p < 4; ++p) base.append(13, "NESO"[p]);
        std::vector<std::string> v(4096);
        for (auto& x : v) {
            std::shuffle(base.begin(), base.end(), g);
            x = base;
        }
        return v;
    }();
    return d;
}

// Runs one condition test per iteration, each on the next deal of the set
// and as the next board of the 16-board cycle; counts the deals accepted so
// that a test which never holds is seen at once.
template <typename Test>
void par_donne(benchmark::State& st, Test test) {
    const auto& d = donnes_fixes();
    std::size_t i = 0;
    long acceptees = 0;
    for (auto _ : st) {
        const bool r = test(d[i].data(), 1 + static_cast<int>(i % 16));
        benchmark::DoNotOptimize(r);
        acceptees += r;
        if (++i == d.size()) i = 0;
    }
    st.SetItemsProcessed(st.iterations());
    st.counters["acceptees"] =
        benchmark::Counter(static_cast<double>(acceptees), benchmark::Counter::kAvgIterations);
}
