// Enumeration throughput: loads a constraint file with two complete hands,
// counts every deal that completes them with traite_fix and reports the
// deals per second.
//
// Usage: bench_enumeration FILE [THREADS]
//
// Prints "visites=V contexte=C", then one line NOM=count per calculation,
// then always last
//   deals=V seconds=S deals_per_s=R
// THREADS defaults to 1.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "arguments_bench.h"
#include "condouv.h"
#include "enumeration.h"
#include "gen.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_enumeration FILE [THREADS]\n");
        return 2;
    }
    const std::string fichier = argv[1];
    if (!lisible("bench_enumeration", fichier)) return 1;
    const int threads = argc == 3 ? std::atoi(argv[2]) : 1;
    if (threads < 1 || threads > 1000) {
        std::fprintf(stderr, "bench_enumeration: THREADS de 1 à 1000\n");
        return 2;
    }
    contr = Contraintes(fichier);
    config.nbthreads = threads;
    std::fprintf(stderr, "%s: %zu condition(s), %zu calcul(s), team of %d thread(s)\n",
                 fichier.c_str(), contr.cocos.size(), contr.calculs.size(),
                 threads_generation(threads));

    Comptes counts;
    const auto t0 = std::chrono::steady_clock::now();
    const bool ok = traite_fix(counts);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (!ok) return 1;

    std::printf("visites=%lld contexte=%lld\n", static_cast<long long>(counts[0]),
                static_cast<long long>(counts[1]));
    for (std::size_t j = 0; j < contr.calculs.size(); ++j)
        std::printf("%s=%lld\n", contr.calculs[j].nom.c_str(),
                    static_cast<long long>(counts[2 + j]));
    std::printf("deals=%lld seconds=%.3f deals_per_s=%.0f\n", static_cast<long long>(counts[0]), s,
                s > 0 ? static_cast<double>(counts[0]) / s : 0.0);
    return 0;
}
