// Postfix formulas over the results of the conditions ("a".."z") and of the
// calculations ("A".."Z") of a constraint set: "&" and, "|" or, "!" not;
// blanks and any other character are skipped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Deepest stack a formula may build. A letter may be repeated, so the depth
// is bounded by the formula's length, not by the number of letters; a
// formula that would go deeper evaluates to false.
inline constexpr std::size_t profondeur_max_formule = 4096;

// The value of formula f over the condition results r: the bottom of the
// stack once f is read. An operator that lacks operands, a formula that
// leaves nothing or goes deeper than profondeur_max_formule gives false.
// Pure, allocation-free, safe on any number of threads.
bool traite(const std::vector<bool>& r, const std::string& f);
// The same over the n results r[0..n-1] of a plain array.
bool traite(const bool* r, std::size_t n, const std::string& f);
// The same, where upper-case letters read the calculation results k.
bool traite(const std::vector<bool>& r, const std::string& f, const std::vector<bool>& k);

// Whether every "&", "|" and "!" of f finds the values it needs when f is
// read as traite reads it over nr condition results and nk calculation
// results (nk 0: the form without calculations): letters beyond them are
// skipped, as there. A formula that leaves several values, or none, is
// complete: traite decides it by the first, or gives false.
bool formule_complete(const std::string& f, std::size_t nr, std::size_t nk = 0);
