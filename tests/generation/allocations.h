// Counts the heap allocations of this test program, so that a test can show
// that code meant for the generator's inner loop allocates nothing.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <thread>
#include <vector>

// Allocations made so far by the calling thread.
long allocations_faites();

// Runs toutes(out), which appends one answer per call of the tests under
// check, once alone and then on four threads at once: the single run must
// allocate nothing, and every thread must give the same answers, as pure
// functions do.
template <typename F>
void verifie_pur_et_reentrant(F toutes, std::size_t nb_reponses) {
    std::vector<char> seul;
    seul.reserve(nb_reponses);
    const long avant = allocations_faites();
    toutes(seul);
    EXPECT_EQ(allocations_faites() - avant, 0);
    std::vector<std::vector<char>> par(4);
    for (auto& v : par) v.reserve(seul.size());
    std::vector<std::thread> ts;
    for (auto& v : par) ts.emplace_back([&toutes, &v] { toutes(v); });
    for (auto& t : ts) t.join();
    for (const auto& v : par) EXPECT_EQ(v, seul);
}
