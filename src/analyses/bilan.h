// How a run of a statistic ended. The statistics return counts, and a count
// alone cannot say "not computed": a spent budget or a solver failure comes
// back here, beside the counts, and the pages show an alert instead of
// figures.
#pragma once

#include <cstdint>
#include <string>

enum class Statut {
    ok,             // every deal asked for was drawn and solved
    budget_epuise,  // the try budget ran out before nbstat deals were accepted
    echec_solveur,  // the solver refused or failed on at least one deal
    refuse,         // the request itself was refused (bad input); nothing ran
};

struct BilanStat {
    Statut statut = Statut::ok;
    std::int64_t tirages = 0;   // deals drawn
    std::int64_t analysees = 0; // deals solved and counted (rates divide by this)
    std::int64_t echecs = 0;    // deals the solver failed on, counted nowhere else
    int code = 0;               // the solver's code of the first failure
    std::string message;        // the alert to show when statut is not ok
};

// The alert shown when the budget ran out before the deals asked for.
inline constexpr const char* message_limite_atteinte =
    "Limite atteinte avant terme. Augmentez la limite ou diminuez le nombre de donnes.";
