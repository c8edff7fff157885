// The deals every micro-benchmark measures on: 4096 complete random deals
// from a fixed seed, the same on every run so that runs compare.
#pragma once

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
