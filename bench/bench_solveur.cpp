// Solver throughput on the same deals in one run: double-dummy tables per
// second one after another (calcule_table), then in batch (calcule_tables),
// then positions solved per second (the opening lead of each deal, every
// strain, each leader) on a team of threads, each solving with its own
// thread index. The last line sums up the two table rates:
// tables_per_s=A batch_tables_per_s=B
//
// Usage: bench_solveur [nb_donnes (100)] [threads (1)] [graine (1)]
#include <omp.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

    std::vector<DonneDds> lot(donnes.size());
    for (std::size_t i = 0; i < donnes.size(); ++i)
        for (int j = 0; j < 4; ++j)
            for (int s = 0; s < 4; ++s) lot[i].mains[j][s] = donnes[i][j][s];

    auto t0 = std::chrono::steady_clock::now();
    int echecs = 0;
    std::vector<TableDds> une_a_une(lot.size());
    for (std::size_t i = 0; i < lot.size(); ++i)
        if (!calcule_table(lot[i].mains, une_a_une[i]).ok) ++echecs;
    double d = secondes_depuis(t0);
    const double taux = nb / d;
    std::printf("tables    : %8.2f /s  (%d en %.2f s, %d échecs)\n", taux, nb, d, echecs);

    t0 = std::chrono::steady_clock::now();
    const std::vector<TableCalculee> en_lot = calcule_tables(lot);
    d = secondes_depuis(t0);
    const double taux_lot = nb / d;
    int echecs_lot = 0, differentes = 0;
    for (std::size_t i = 0; i < lot.size(); ++i) {
        if (!en_lot[i].etat.ok) ++echecs_lot;
        else if (std::memcmp(en_lot[i].table.res, une_a_une[i].res, sizeof une_a_une[i].res) != 0)
            ++differentes;
    }
    std::printf("en lot    : %8.2f /s  (%d en %.2f s, %d échecs, %d différentes)\n", taux_lot, nb,
                d, echecs_lot, differentes);
    const int echecs_tables = echecs + echecs_lot + differentes;

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
    std::printf("tables_per_s=%.2f batch_tables_per_s=%.2f\n", taux, taux_lot);
    return echecs + echecs_tables == 0 ? 0 : 1;
}
