// The double-dummy statistics of tricks and contracts: draw nbstat deals that
// satisfy a constraint set, solve each for one or more contracts, count.
//
// Three operations, each in two forms:
//   statlevees(DonneesStat&)          how often one contract makes;
//   statlc(strains, declarers, counts) how many tricks each declarer takes;
//   statlevees(contracts, counts)     several contracts on the same deals,
//                                     compared in one of five modes.
// The short forms work on the current set `contr`, the globals nbstat,
// limite, config.nbthreads and comparaison, and leave how the run ended in
// `bilan_stat`. The long forms take the set, the mode and the status record
// as arguments (nbstat, limite and config.nbthreads still come from the
// globals) and write no global; a page that must not change `contr` (the
// hand evaluation) calls them on a set of its own.
//
// What a caller may rely on:
// - A run first draws every deal it needs (generator pieces, at most
//   2^limite tries in all, shared by the workers), then solves them on a
//   team of threads_equipe(config.nbthreads) workers, one deal at a time.
// - Every deal is tested, and scored, as the board |numerofixe| of its set,
//   or board 1 when numerofixe is 0: the board the statistic is about.
// - The counts only hold deals that were drawn and solved. A deal the solver
//   failed on counts nowhere; the first failure's code and message come back
//   in the status (once per run). Rates divide by bilan.analysees.
// - A run that could not analyse nbstat deals says so in its status
//   (budget_epuise, echec_solveur); the counts of what it did analyse stay
//   valid, but a page shows the alert, not the numbers.
// - A request out of range (nbstat below 1, limite outside 0..31, a strain,
//   seat or level that is not one, a mode without its number of contracts,
//   a template that does not deal 13 cards a seat, a condition without a
//   kind, a context that can never hold: verifie_tirage) is refused before
//   any draw: statut refuse, the message to show, counts all zero.
// - The counts are sized by the engine; results are the same whatever the
//   number of threads, for the same deals.
// - Once the deals are solved the solver's memory is given back
//   (libere_memoire_solveur): a run does not leave it hundreds of megabytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bilan.h"
#include "condouv.h"

// One contract handed to the engine.
struct DonneesStat {
    // Tricks the side on lead needs to defeat the contract: 8 - level
    // (1 for a grand slam). The engine takes levels 1..7 only: it solves for
    // the most tricks itself where it needs them.
    int target = 0;
    int atout = 4;   // strain, suit index: 0 ♠ .. 3 ♣, 4 SA
    int first = 0;   // seat on lead: (declarer + 1) mod 4
    int contre = 0;  // 0 undoubled, 1 doubled (2 redoubled; no page offers it)

    DonneesStat() = default;
    DonneesStat(int target_, int atout_, int first_, int contre_)
        : target(target_), atout(atout_), first(first_), contre(contre_) {}
};

// --- comparison modes (the global `comparaison`) ---------------------------------
// 0: each contract's own count of deals where it makes (one counter each).
inline constexpr std::uintptr_t comp_reussite = 0;
// 1: the contracts, all scored vulnerable and undoubled, whose score is the
//    highest of the deal each count 1 (ties all count; one counter each).
inline constexpr std::uintptr_t comp_meilleur = 1;
// 2: two contracts: [0] only the first makes, [1] only the second, [2] both.
inline constexpr std::uintptr_t comp_fine = 2;
// 3: two contracts of any declarers, scored with the board's vulnerability
//    and their doubling, seen from the first contract's side: the strictly
//    best one counts 1, when its score is above -1500 (one counter each).
inline constexpr std::uintptr_t comp_meilleur_strict = 3;
// 4: [0] counts the deals where at least one contract makes (contracts are
//    tried in order; those after the first that makes are not solved).
inline constexpr std::uintptr_t comp_un_des = 4;
inline constexpr int nb_modes_comparaison = 5;
// The names of the modes as the comparison page offers them.
inline constexpr const char* noms_comparaison[nb_modes_comparaison] = {
    "pourcentage de réussite de chaque contrat",
    "meilleur contrat (comparaison des scores de contrats dont les déclarants appartiennent au "
    "même camp)",
    "comparaison fine de 2 contrats",
    "meilleur contrat strict (comparaison des scores de 2 contrats de déclarants quelconques; "
    "les pourcentages sont pour le camp du contrat n°1)",
    "pourcentage de réussite de l'un des contrats",
};

// --- global state of the statistics pages ---------------------------------------
// None changes while a run is going on; no lock guards them.
extern int nb_contrats;                   // contracts on the comparison page (1 to 4), 2
extern std::uintptr_t comparaison;        // comparison mode, 0
extern std::vector<DonneesStat> vcontrats;  // the contracts of the last comparison
extern std::vector<int> comp_niveau;      // per compared contract: level (3)
extern std::vector<int> comp_couleur;     // strain, suit index (4)
extern std::vector<int> comp_declarant;   // declarer seat (2)
extern std::vector<int> comp_contre;      // doubled flag (0)
extern std::vector<double> rep;           // percentages of the comparison results
// The trick page's choices, per strain (suit index 0 ♠ .. 4 SA). `couleurs`
// shares its name with the catalogue's function couleurs() (catalogue.h):
// one file cannot include both headers.
extern std::vector<bool> couleurs;        // strain ticked (false)
extern std::vector<int> declarants;       // its declarer seat (2, Sud)
extern std::vector<bool> contres;         // its contracts scored doubled (false)

// How the last run of a short form ended.
extern BilanStat bilan_stat;

// --- the operations ----------------------------------------------------------------

// The number of deals, out of the nbstat analysed, on which dstat makes.
// When the run did not analyse nbstat deals the status says so and the
// count is that of the deals analysed (bilan.analysees).
int statlevees(DonneesStat& dstat);
int statlevees(Contraintes& c, const DonneesStat& dstat, BilanStat& bilan);

// For pair k (strain couleurs[k], declarer declarants[k]): nbgagne[14k + t]
// = deals analysed on which the declarer takes t tricks or more, t = 0..13
// (so entry 14k counts every deal analysed). nbgagne is resized to 14 per
// pair. Returns the number of deals drawn (tried), 64-bit.
std::int64_t statlc(std::vector<int>& couleurs, std::vector<int>& declarants,
                    std::vector<int>& nbgagne);
// The same on c; when donnes is not null it receives the deals solved.
std::int64_t statlc(Contraintes& c, const std::vector<int>& couleurs,
                    const std::vector<int>& declarants, std::vector<int>& nbgagne,
                    BilanStat& bilan, std::vector<std::string>* donnes = nullptr);

// The contracts dstat compared on the same deals in the mode `comparaison`
// (see the modes above); nbgagne is resized to the mode's counters. Returns
// the number of deals drawn when nbstat deals were analysed, else 0.
std::int64_t statlevees(std::vector<DonneesStat>& dstat, std::vector<int>& nbgagne);
std::int64_t statlevees(Contraintes& c, const std::vector<DonneesStat>& dstat,
                        std::uintptr_t mode, std::vector<int>& nbgagne, BilanStat& bilan);

// --- the two halves of a run, for callers that keep the deals -------------------------

// The board a statistic on c is about: |numerofixe|, or 1 when it is 0.
int numero_stat(const Contraintes& c);

// Draws nbstat deals of c (recounted first) within 2^limite tries in all;
// the status holds the tries and says whether the budget ran out.
std::vector<std::string> tire_donnes_stat(Contraintes& c, BilanStat& bilan);

// The solving half of statlc on given deals (52 letters "NESO" each): adds
// to bilan.analysees, bilan.echecs and the counts, which it sizes. The
// deals need not come from the generator; one the solver refuses counts as
// a failure.
void statlc_donnes(const std::vector<std::string>& donnes, const std::vector<int>& couleurs,
                   const std::vector<int>& declarants, std::vector<int>& nbgagne,
                   BilanStat& bilan);
// The solving half of the comparison, the deals scored as board `numero`.
void compare_donnes(const std::vector<std::string>& donnes, int numero,
                    const std::vector<DonneesStat>& dstat, std::uintptr_t mode,
                    std::vector<int>& nbgagne, BilanStat& bilan);

// The outcome of a run that wanted `voulues` deals, from its counts: a
// solver failure first (its code and message made into the alert), then a
// shortfall (message_limite_atteinte), else ok. A refusal stays.
void conclut_stat(BilanStat& bilan, std::int64_t voulues);

// The number of counters of a comparison: one per contract, 3 in mode 2,
// 1 in mode 4.
std::size_t nb_compteurs(std::uintptr_t mode, std::size_t nb_contrats_compares);
