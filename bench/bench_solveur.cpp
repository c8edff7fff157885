// Solver throughput: double-dummy tables per second, then positions solved
// per second (the opening lead of each deal, every strain, each leader) on a
// team of threads, each solving with its own thread index.
//
// Usage: bench_solveur [nb_donnes (100)] [threads (1)] [graine (1)]
#include <omp.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "solveur.h"

namespace {

using Mains = std::array<std::array<unsigned, 4>, 4>;

Mains donne_au_hasard(std::mt19937& gen) {
    std::array<int, 52> paquet;
    std::iota(paquet.begin(), paquet.end(), 0);
    std::shuffle(paquet.begin(), paquet.end(), gen);
    Mains m{};
    for (int i = 0; i < 52; ++i) m[i / 13][paquet[i] / 13] |= 1u << (2 + paquet[i] % 13);
    return m;
}

double secondes_depuis(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int nb = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int demandes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const unsigned graine = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1u;

    const int t = init_solveur(demandes);
    std::printf("threads demandés %d, accordés %d, %d donnes\n", demandes, t, nb);

    std::mt19937 gen(graine);
    std::vector<Mains> donnes;
    for (int i = 0; i < nb; ++i) donnes.push_back(donne_au_hasard(gen));

    auto t0 = std::chrono::steady_clock::now();
    int echecs = 0;
    for (const Mains& m : donnes) {
        unsigned c[4][4];
        for (int j = 0; j < 4; ++j)
            for (int s = 0; s < 4; ++s) c[j][s] = m[j][s];
        TableDds tab;
        if (!calcule_table(c, tab).ok) ++echecs;
    }
    double d = secondes_depuis(t0);
    std::printf("tables    : %8.2f /s  (%d en %.2f s, %d échecs)\n", nb / d, nb, d, echecs);

    const int nbpos = nb * 20;
    t0 = std::chrono::steady_clock::now();
    echecs = 0;
    omp_set_num_threads(t);
#pragma omp parallel for schedule(dynamic) reduction(+ : echecs)
    for (int k = 0; k < nbpos; ++k) {
        PositionDds p;
        const Mains& m = donnes[k / 20];
        for (int j = 0; j < 4; ++j)
            for (int s = 0; s < 4; ++s) p.remainCards[j][s] = m[j][s];
        p.trump = (k % 20) / 4;
        p.first = k % 4;
        ReponseDds rep;
        if (!resout_position(p, -1, 3, 1, rep, omp_get_thread_num()).ok) ++echecs;
    }
    d = secondes_depuis(t0);
    std::printf("positions : %8.2f /s  (%d en %.2f s, %d échecs)\n", nbpos / d, nbpos, d, echecs);
    return echecs == 0 ? 0 : 1;
}
