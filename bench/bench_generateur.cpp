// Generator throughput: loads a constraint file, draws a series with boucle
// and reports the tries per second.
//
// Usage: bench_generateur FILE DEALS THREADS [--limite N] [--seed N] [--print]
//
// With --print each accepted deal is first written on its own line (its 52
// characters). The last line is always
//   tries=T deals=D seconds=S tries_per_s=R
// The team actually used goes to the error stream. --limite defaults to 29,
// as in the program; --seed to the current time.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "arguments_bench.h"
#include "aleatoire.h"
#include "condouv.h"
#include "gen.h"
#include "generateur.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: bench_generateur FILE DEALS THREADS [--limite N] [--seed N] [--print]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return usage();
    const std::string fichier = argv[1];
    long long nb = 0, threads = 0, lim = 29;
    std::uint64_t graine = static_cast<std::uint64_t>(std::time(nullptr));
    bool imprime = false;
    if (!entier(argv[2], nb) || !entier(argv[3], threads)) return usage();
    for (int i = 4; i < argc; ++i) {
        long long v;
        if (!std::strcmp(argv[i], "--print")) {
            imprime = true;
        } else if (!std::strcmp(argv[i], "--limite") && i + 1 < argc && entier(argv[i + 1], v)) {
            lim = v;
            ++i;
        } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc && entier(argv[i + 1], v)) {
            graine = static_cast<std::uint64_t>(v);
            ++i;
        } else {
            return usage();
        }
    }
    if (!lisible("bench_generateur", fichier)) return 1;
    if (nb < 0 || nb > 100000000 || threads < -1000 || threads > 1000 || lim < -1000 || lim > 1000)
        return usage();

    graine_aleatoire(graine);
    contr = Contraintes(fichier);
    config.nbthreads = static_cast<int>(threads);
    std::fprintf(stderr, "%s: %zu condition(s), team of %d thread(s), limite %lld, seed %llu\n",
                 fichier.c_str(), contr.cocos.size(), threads_generation(config.nbthreads), lim,
                 static_cast<unsigned long long>(graine));

    std::int64_t essais = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const auto donnes = boucle(static_cast<int>(nb), contr, static_cast<int>(lim), &essais);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    if (imprime)
        for (const std::string& d : donnes) std::printf("%s\n", d.c_str());
    std::printf("tries=%lld deals=%zu seconds=%.3f tries_per_s=%.0f\n", static_cast<long long>(essais),
                donnes.size(), s, s > 0 ? static_cast<double>(essais) / s : 0.0);
    return 0;
}
