// Counts of the named calculations of a constraint set over random deals
// that satisfy its context, and the text that both calculation windows
// (random deals and enumerated deals) show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bilan.h"
#include "condouv.h"

// Draws deals that complete the current set `contr` on the calling thread,
// until nbstat of them satisfy its context or 2^limite have been drawn, and
// counts into compteurs (one entry per calculation, resized and zeroed) the
// accepted deals on which each calculation holds. Every deal is taken as
// board |numerofixe| (1 when it is 0). Returns the accepted count; bilan,
// when given, says whether the budget ran out (statut budget_epuise) or the
// request was refused (an alert has been shown), and how many were drawn.
int calcule_stat(std::vector<int>& compteurs, BilanStat* bilan = nullptr);

// One calculation as a percentage of total: 100 × count / total, rounded to
// one decimal, written "33.3" or "50"; "indéfini" when total is 0.
std::string pourcentage(std::int64_t count, std::int64_t total);

// The lines of a calculation window: "Nombre de mains : ", "Mains contexte : ",
// one line per calculation with its count and percentage, then an empty
// line and the duration as minutes ' seconds ''.
std::string texte_resultats(std::int64_t mains, std::int64_t contexte,
                            const std::vector<Calcul>& calculs,
                            const std::vector<std::int64_t>& counts, long secondes);
