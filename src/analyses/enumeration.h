// Exact counts over every deal that completes two fixed hands: the free
// cards are shared between the two open hands in every possible way, each
// sharing is one deal, and every deal is visited exactly once.
//
// Counts, in this order: [0] deals visited, [1] deals whose context holds,
// [2 + j] deals whose context and calculation j hold. Calculation j reads
// the conditions (letters a..) and the calculations before it (A..); its own
// letter and later ones read false.
#pragma once

#include <cstdint>
#include <vector>

#include "condouv.h"

using Comptes = std::vector<std::int64_t>;

// What a template must hold for the enumeration.
inline constexpr const char* message_deux_jeux = "Le calcul nécessite exactement 2 jeux complets";
inline constexpr const char* message_trop_de_cartes =
    "Un joueur a plus de 13 cartes fixées : calcul impossible";
inline constexpr const char* message_libres =
    "Les cartes libres ne complètent pas les deux jeux ouverts : calcul impossible";

// Every t-subset of {0 .. n-1} once, in revolving-door order (consecutive
// subsets differ by one element leaving and one entering), starting with
// {0 .. t-1}: debut() is called for that first subset, then change(out, in)
// for each following one. Nothing when t < 0, t > n or n > 62.
template <class Debut, class Change>
void porte_tournante(int n, int t, Debut&& debut, Change&& change);

// The evaluation of one complete deal against a constraint set, prepared
// once: the board, whether there is a context, buffers for the results.
// Allocates nothing per deal.
class EvaluationDonne {
public:
    explicit EvaluationDonne(const Contraintes& c);
    // Adds the deal to counts[1..] (counts[0], the visits, is the caller's).
    void operator()(const char* deal, std::int64_t* counts);

private:
    const Contraintes& c_;
    int board_;
    bool contexte_;
    bool utile_;  // whether the condition results are needed at all
    std::vector<bool> r_;
    std::vector<bool> k_;
};

// The count for the current set `contr`, on config.nbthreads threads.
// counts is resized to 2 + the number of calculations and zeroed. Returns
// false, after an alert, when the template cannot be enumerated (counts
// then stay 0).
bool traite_fix(Comptes& counts);
// The same for set c on nbthreads threads (clamped by threads_generation).
// Splitting keeps every deal visited exactly once; the counts are exact.
bool traite_fix(const Contraintes& c, Comptes& counts, int nbthreads);

// Visits every choice of t of the n first cards of free for seat (0..3),
// the other free cards keeping the letter they have in template, and
// evaluates each deal against `contr`. counts must hold 2 + calculations.
void algor3(const std::vector<int>& free, int n, int seat, int t, const char* modele,
            Comptes& counts);

// Evaluates one complete deal against `contr` and updates counts[1..].
void contexte(const char* deal, Comptes& counts);

// --- implementation of the template -------------------------------------------

template <class Debut, class Change>
void porte_tournante(int n, int t, Debut&& debut, Change&& change) {
    if (t < 0 || t > n || n > 62) return;
    debut();
    if (t == 0 || t == n) return;
    if (t == 1) {
        for (int i = 1; i < n; ++i) change(i - 1, i);
        return;
    }
    // Knuth's Algorithm R (revolving-door combinations): c[1..t] ascending,
    // c[t+1] = n as a sentinel; each step is one element out, one in.
    int c[64];
    for (int j = 1; j <= t; ++j) c[j] = j - 1;
    c[t + 1] = n;
    const bool impair = t % 2 == 1;
    for (;;) {
        int j;
        if (impair) {
            if (c[1] + 1 < c[2]) {
                change(c[1], c[1] + 1);
                ++c[1];
                continue;
            }
            j = 2;
            goto diminue;
        }
        if (c[1] > 0) {
            change(c[1], c[1] - 1);
            --c[1];
            continue;
        }
        j = 2;
        goto augmente;
    diminue:
        // Here c[j] = c[j-1] + 1.
        if (c[j] >= j) {
            change(c[j], j - 2);
            c[j] = c[j - 1];
            c[j - 1] = j - 2;
            continue;
        }
        ++j;
    augmente:
        // Here c[j-1] = j - 2.
        if (c[j] + 1 < c[j + 1]) {
            change(j - 2, c[j] + 1);
            c[j - 1] = c[j];
            ++c[j];
            continue;
        }
        ++j;
        if (j <= t) goto diminue;
        return;
    }
}
