// Throughput of the trick statistic: statlc on a constraint file, against a
// bare parallel loop of the solver over the same deals and the same pairs,
// one deal per thread at a time, in the same run. The engine's overhead
// (drawing the deals, checking every position, gathering the counts) is
// the gap between the two rates.
//
// Usage: bench_statistiques FILE NBSTAT THREADS [--limite N] [--seed N]
//                           [--paires S:D,...]
// S is the strain (0 ♠ .. 4 SA), D the declarer (0 Nord .. 3 Ouest); 4:2 by
// default. Prints one line per pair with the cumulative counts, then
//   deals=D solves=S seconds=T solves_per_s=R bare_solves_per_s=B
#include <dds/dll.h>
#include <omp.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "arguments_bench.h"
#include "aleatoire.h"
#include "condouv.h"
#include "gen.h"
#include "solveur.h"
#include "statlevees.h"

namespace {

double secondes_depuis(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Processor time of the whole process (every thread), in seconds: on a
// machine shared with other work it shows the cost of each loop where the
// wall clock shows the machine's load.
double processeur() {
    rusage r;
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

int usage() {
    std::fprintf(stderr,
                 "usage: bench_statistiques FILE NBSTAT THREADS [--limite N] [--seed N] "
                 "[--paires S:D,...]\n");
    return 2;
}

bool lit_paires(const char* texte, std::vector<int>& couleurs_, std::vector<int>& decl) {
    couleurs_.clear();
    decl.clear();
    const char* p = texte;
    while (*p) {
        char* fin = nullptr;
        const long c = std::strtol(p, &fin, 10);
        if (fin == p || *fin != ':') return false;
        p = fin + 1;
        const long d = std::strtol(p, &fin, 10);
        if (fin == p || c < 0 || c > 4 || d < 0 || d > 3) return false;
        couleurs_.push_back(static_cast<int>(c));
        decl.push_back(static_cast<int>(d));
        p = fin;
        if (*p == ',') ++p;
        else if (*p) return false;
    }
    return !couleurs_.empty();
}

void remplit(deal& dl, const std::string& d) {
    std::memset(&dl, 0, sizeof dl);
    for (int i = 0; i < 52; ++i) {
        const int h = static_cast<int>(std::strchr(jsymbs, d[static_cast<std::size_t>(i)]) - jsymbs);
        dl.remainCards[h][3 - i / 13] |= 1u << (14 - i % 13);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return usage();
    const std::string fichier = argv[1];
    const int n = std::atoi(argv[2]);
    const int demandes = std::atoi(argv[3]);
    int lim = 29;
    unsigned long long graine = 1;
    std::vector<int> couleurs_ = {4}, decl = {2};
    for (int i = 4; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return usage();
        if (a == "--limite") lim = std::atoi(argv[++i]);
        else if (a == "--seed") graine = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--paires") {
            if (!lit_paires(argv[++i], couleurs_, decl)) return usage();
        } else return usage();
    }
    if (!lisible("bench_statistiques", fichier)) return 1;

    graine_aleatoire(graine);
    config.nbthreads = demandes;
    const int accordes = init_solveur(demandes);
    const int equipe = threads_equipe(demandes);
    contr = Contraintes(fichier);
    nbstat = n;
    limite = lim;
    std::fprintf(stderr, "threads demandés %d, accordés %d\n", demandes, accordes);

    // A short statistic on other deals before the clocks start, so that
    // neither timed loop pays for starting the team. A statistic gives the
    // solver's memory back when it ends: both loops start from empty
    // tables, as every statistic of the program does.
    {
        const int n_avant = nbstat;
        nbstat = std::min(n_avant, 4 * equipe);
        BilanStat b;
        std::vector<int> g;
        statlc(contr, couleurs_, decl, g, b);
        nbstat = n_avant;
    }

    BilanStat bilan;
    std::vector<int> nbgagne;
    std::vector<std::string> donnes;
    double c0 = processeur();
    auto t0 = std::chrono::steady_clock::now();
    statlc(contr, couleurs_, decl, nbgagne, bilan, &donnes);
    const double s_moteur = secondes_depuis(t0);
    const double cpu_moteur = processeur() - c0;
    if (bilan.statut != Statut::ok) {
        std::fprintf(stderr, "%s\n", bilan.message.c_str());
        return 1;
    }
    const std::size_t np = couleurs_.size();
    for (std::size_t k = 0; k < np; ++k) {
        std::printf("paire %d %d:", couleurs_[k], decl[k]);
        for (int t = 0; t < 14; ++t) std::printf(" %d", nbgagne[14 * k + static_cast<std::size_t>(t)]);
        std::printf("\n");
    }

    // The bare loop: the solver's own records, no check, one deal at a time.
    std::vector<long long> nus(14 * np, 0);
    int erreurs = 0;
    const auto nd = static_cast<long long>(donnes.size());
    c0 = processeur();
    t0 = std::chrono::steady_clock::now();
#pragma omp parallel num_threads(equipe)
    {
        std::vector<long long> miens(14 * np, 0);
        const int th = omp_get_thread_num();
        deal dl;
        futureTricks fut;
#pragma omp for schedule(dynamic, 1) reduction(+ : erreurs)
        for (long long i = 0; i < nd; ++i) {
            remplit(dl, donnes[static_cast<std::size_t>(i)]);
            for (std::size_t k = 0; k < np; ++k) {
                dl.trump = couleurs_[k];
                dl.first = (decl[k] + 1) % 4;
                if (SolveBoard(dl, -1, 1, 1, &fut, th) != RETURN_NO_FAULT) {
                    ++erreurs;
                    continue;
                }
                for (int t = 0; t <= 13 - fut.score[0]; ++t) ++miens[14 * k + static_cast<std::size_t>(t)];
            }
        }
#pragma omp critical
        for (std::size_t j = 0; j < miens.size(); ++j) nus[j] += miens[j];
    }
    const double s_nu = secondes_depuis(t0);
    const double cpu_nu = processeur() - c0;
    for (std::size_t j = 0; j < nus.size(); ++j)
        if (nus[j] != nbgagne[j]) {
            std::fprintf(stderr, "les comptes diffèrent entre le moteur et la boucle nue\n");
            return 1;
        }

    const long long solves = nd * static_cast<long long>(np);
    std::fprintf(stderr, "processeur: moteur %.3f s, boucle nue %.3f s (%.2f ms et %.2f ms par résolution)\n",
                 cpu_moteur, cpu_nu, 1e3 * cpu_moteur / static_cast<double>(solves),
                 1e3 * cpu_nu / static_cast<double>(solves));
    std::printf("deals=%lld solves=%lld seconds=%.3f solves_per_s=%.1f bare_solves_per_s=%.1f\n", nd,
                solves, s_moteur, solves / s_moteur, solves / s_nu);
    return erreurs == 0 ? 0 : 1;
}
