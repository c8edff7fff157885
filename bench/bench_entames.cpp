// Lead statistic throughput: loads a constraint file, runs stat on a fresh
// record (opening lead, nothing played) and reports the solves per second,
// beside a bare parallel loop of the same solves over deals drawn for the
// same set, in the same run.
//
// Usage: bench_entames FILE NBSTAT THREADS [--limite N] [--seed N]
//                      [--contrat NIVEAU:COULEUR:DECLARANT] [--tours K]
//
// COULEUR is a suit index (0 ♠ .. 3 ♣, 4 SA), DECLARANT a seat (0 Nord ..
// 3 Ouest); the player on lead is declarer's left-hand opponent. Without
// --contrat: no contract (tricks counted), Sud declarer, Ouest on lead.
// One line per card listed, `carte C: nbchutes` with a contract or
// `carte C: k0 ... k13` without (C the card's rank and suit letter), then
//   deals=D solves=S seconds=T solves_per_s=R bare_solves_per_s=B
// where B is the bare loop: the very positions the statistic solved (its
// solver calls are recorded), solved again one per thread at a time with
// the same target, solutions and mode. With --tours K the statistic and the
// bare loop alternate K times and the rates are over all rounds, so that a
// machine busy with other work slows both alike (the card lines are those
// of the first round). The status, the team and the draws go to the error
// stream.
#include <omp.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "arguments_bench.h"
#include "aleatoire.h"
#include "cartes.h"
#include "condouv.h"
#include "entames.h"
#include "gen.h"
#include "solveur.h"

namespace {

// The positions the statistic hands to the solver, one list per solver
// thread index, recorded on the way through.
std::vector<std::vector<PositionDds>> vues;

EtatSolveur resout_et_note(const PositionDds& p, int target, int solutions, int mode,
                           ReponseDds& rep, int thread) {
    if (thread >= 0 && thread < static_cast<int>(vues.size()))
        vues[static_cast<std::size_t>(thread)].push_back(p);
    return resout_position(p, target, solutions, mode, rep, thread);
}

int usage() {
    std::fprintf(stderr,
                 "usage: bench_entames FILE NBSTAT THREADS [--limite N] [--seed N] "
                 "[--contrat NIVEAU:COULEUR:DECLARANT] [--tours K]\n");
    return 2;
}

double secondes_depuis(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

const char* nom_statut(Statut s) {
    switch (s) {
        case Statut::ok: return "ok";
        case Statut::budget_epuise: return "budget épuisé";
        case Statut::echec_solveur: return "échec du solveur";
        case Statut::refuse: return "refusé";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return usage();
    const std::string fichier = argv[1];
    long long nb = 0, threads = 0, lim = 29;
    std::uint64_t graine = static_cast<std::uint64_t>(std::time(nullptr));
    int niveau = 0, couleur = 4, declarant = 2;
    long long tours = 1;
    if (!entier(argv[2], nb) || !entier(argv[3], threads)) return usage();
    for (int i = 4; i < argc; ++i) {
        long long v;
        if (!std::strcmp(argv[i], "--limite") && i + 1 < argc && entier(argv[i + 1], v)) {
            lim = v;
            ++i;
        } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc && entier(argv[i + 1], v)) {
            graine = static_cast<std::uint64_t>(v);
            ++i;
        } else if (!std::strcmp(argv[i], "--tours") && i + 1 < argc && entier(argv[i + 1], v)) {
            tours = v;
            ++i;
        } else if (!std::strcmp(argv[i], "--contrat") && i + 1 < argc &&
                   std::sscanf(argv[i + 1], "%d:%d:%d", &niveau, &couleur, &declarant) == 3) {
            ++i;
        } else {
            return usage();
        }
    }
    if (!lisible("bench_entames", fichier)) return 1;
    if (nb < 1 || nb > 1000000 || threads < 1 || threads > 1000 || lim < 0 || lim > 31 ||
        tours < 1 || tours > 1000 || niveau < 0 || niveau > 7 || couleur < 0 || couleur > 4 ||
        declarant < 0 || declarant > 3)
        return usage();

    graine_aleatoire(graine);
    contr = Contraintes(fichier);
    config.nbthreads = static_cast<int>(threads);
    init_solveur(config.nbthreads);
    nbstat = static_cast<int>(nb);
    limite = static_cast<int>(lim);

    Deja d;
    reinitialise(d, contr);
    d.niveau = niveau;
    d.couleur = couleur;
    d.declarant = declarant;
    d.premier = d.joueur = (declarant + 1) % 4;
    const int equipe = threads_equipe(config.nbthreads);
    std::fprintf(stderr, "%s: %zu condition(s), team of %d thread(s), limite %lld, seed %llu\n",
                 fichier.c_str(), contr.cocos.size(), equipe, lim,
                 static_cast<unsigned long long>(graine));

    const int t = cible(d);
    // Tricks are counted without a contract; with one, t may be -1 too (a
    // contract beaten by one trick more than needed), which is decided.
    const bool sans_contrat = d.niveau <= 0;
    const bool certain = !sans_contrat && (t <= 0 || t > 13);
    const int but = sans_contrat || certain ? -1 : t;
    const int solutions = (sans_contrat || certain) ? 3 : 2;
    double s = 0, sb = 0;
    long long analysees = 0, solves = 0, nues = 0;
    Statut statut = Statut::ok;
    vues.assign(static_cast<std::size_t>(threads_solveur()), {});
    resout_entames = resout_et_note;
    for (long long tour = 0; tour < tours; ++tour) {
        for (auto& v : vues) v.clear();
        auto t0 = std::chrono::steady_clock::now();
        stat(d);
        s += secondes_depuis(t0);
        const BilanStat b = bilan_entames;
        if (b.statut != Statut::ok) statut = b.statut;
        std::fprintf(stderr, "statut %s, %lld tirages, %lld analysées, %lld échecs %s\n",
                     nom_statut(b.statut), static_cast<long long>(b.tirages),
                     static_cast<long long>(b.analysees), static_cast<long long>(b.echecs),
                     b.message.c_str());
        analysees += b.analysees;
        solves += b.analysees + b.echecs;
        for (int c = 0; c < 52 && tour == 0; ++c) {
            if (nblistees[c] == 0) continue;
            std::printf("carte %s:", cartetochar(c).c_str());
            if (niveau > 0) {
                std::printf(" %d", nbchutes[c]);
            } else {
                for (int k = 0; k < 14; ++k) std::printf(" %d", tabstat[c][k]);
            }
            std::printf("\n");
        }

        // The bare loop: the same positions, only solved.
        std::vector<PositionDds> positions;
        for (const auto& v : vues) positions.insert(positions.end(), v.begin(), v.end());
        const int n = static_cast<int>(positions.size());
        int echecs = 0;
        t0 = std::chrono::steady_clock::now();
#pragma omp parallel for num_threads(equipe) schedule(dynamic, 1) reduction(+ : echecs)
        for (int i = 0; i < n; ++i) {
            ReponseDds rep;
            if (!resout_position(positions[static_cast<std::size_t>(i)], but, solutions, 1, rep,
                                 omp_get_thread_num())
                     .ok)
                ++echecs;
        }
        sb += secondes_depuis(t0);
        nues += n;
        if (echecs) std::fprintf(stderr, "boucle nue : %d échecs\n", echecs);
    }

    std::printf("deals=%lld solves=%lld seconds=%.3f solves_per_s=%.1f bare_solves_per_s=%.1f\n",
                analysees, solves, s, s > 0 ? static_cast<double>(solves) / s : 0.0,
                sb > 0 ? static_cast<double>(nues) / sb : 0.0);
    return statut == Statut::ok ? 0 : 1;
}
