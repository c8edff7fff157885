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

// What reading f as traite reads it shows before any deal, over nr condition
// results and nk calculation results (nk 0: the form without calculations;
// letters beyond them are skipped, as there).
struct LectureFormule {
    static constexpr std::size_t aucun = static_cast<std::size_t>(-1);
    // Byte index of the first "&", "|" or "!" that finds too few values, or
    // aucun; the rest is counted as if that operator were not there.
    std::size_t manque = aucun;
    std::size_t reste = 0;       // values left once f is read
    std::size_t profondeur = 0;  // the deepest stack f builds
};
LectureFormule lit_formule(const std::string& f, std::size_t nr, std::size_t nk = 0);

// Whether every "&", "|" and "!" of f finds the values it needs when f is
// read as traite reads it (lit_formule). A formula that leaves several
// values, or none, is complete: traite decides it by the first, or gives
// false.
bool formule_complete(const std::string& f, std::size_t nr, std::size_t nk = 0);

// The most conditions toujours_fausse tries every combination of.
inline constexpr std::size_t lettres_enumerees = 12;
// Whether the complete formula f gives false for every combination of the
// values of the conditions it names, its calculation letters reading false
// (as a context does in the counts of the calculations). False, not decided,
// when f names more than lettres_enumerees conditions.
bool toujours_fausse(const std::string& f, std::size_t nr, std::size_t nk = 0);
