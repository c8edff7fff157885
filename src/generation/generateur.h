// The deal generator: complete a template at random, test a deal against the
// conditions of a constraint set, and draw a series of accepted deals on a
// team of threads within a try budget.
//
// The statistics engines run their own parallel loops with these pieces.
// The set is recounted first (eff) and checked (template_complet); each
// worker takes its own stream (flux_equipe before the loop, entry
// omp_get_thread_num()), fills its own 52-character buffer with creedonne,
// and tests it with cond_ouvs, or with the array form of vconditions when it
// needs the result of each condition: none of these allocates per try or
// touches memory shared with another worker. The forms without a stream draw
// from the calling thread's own stream. A loop over many tries of one set
// may prepare the set once (prepare_serie) and use the prepared forms of
// creedonne and cond_ouvs, which give the same deals and answers faster.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "aleatoire.h"
#include "condouv.h"

// Shuffles cards[0..m-1]: for i = 0 .. m-1, j = i + a uniform draw in
// 0 .. m-i-1, then entries i and j are exchanged.
void randomise(int* cards, int m, Flux& flux);
void randomise(std::vector<int>& cards, Flux& flux);
void randomise(std::vector<int>& cards);

// Writes into deal (52 characters, no terminator) the 52 characters of fixed
// with c's free cards (numrestants, after eff) shuffled and dealt in order:
// 13 - nbmarquees[0] to Sud, then Ouest, Nord and Est. c's seat counts must
// add up (template_complet); c is not changed.
void creedonne(char* deal, const char* fixed, const Contraintes& c, Flux& flux);
void creedonne(char* deal, const char* fixed, const Contraintes& c);

// Whether c's recounted free cards exactly fill the seats: no seat has more
// than 13 fixed cards and the free cards number 13 - nbmarquees[s] summed
// over the four seats.
bool template_complet(const Contraintes& c);

// The result of one placed condition for deal as board; a kind that is not
// a catalogue entry (−3 not chosen, −1) is false.
bool teste_condition(const char* deal, const Condouv& k, int board);

// Results of c's conditions for deal as board, in condition order, every
// condition evaluated: writes r[0 .. m-1] with m the smaller of the number
// of conditions and max_lettres (the letters a formula can name), returns m.
int vconditions(const char* deal, const Contraintes& c, int board, bool r[max_lettres]);
// One result per condition of the current set `contr` (allocates: not for a
// loop of tries).
std::vector<bool> vconditions(const char* deal, int board);

// Whether c has a context formula: neither "", "Non" nor only blanks.
bool a_contexte(const Contraintes& c);

// The acceptance test of deal as board: true without looking at the deal when
// c has no condition; else the context formula over the results, or, without
// one, the conjunction of all of them. Allocates nothing.
bool cond_ouvs(const char* deal, const Contraintes& c, int board);

// What the tries of one series share, prepared once from a set (after eff,
// with template_complet true) rather than rebuilt at every try: the
// template, the free cards and the seat of each place of the shuffled list;
// each condition's kind of test and the seats it reads; the context as the
// table of its values when it names few enough conditions. The set must
// outlive the record and stay unchanged while it is used; tries only read
// the record, so one serves a whole team.
struct SerieTirage {
    const Contraintes* c = nullptr;
    char fixe[52];
    int cartes[52];    // the free cards, in c's order
    char lettres[52];  // the seat letter of each place of the shuffled list
    int m = 0;         // free cards
    // Places of the shuffled list dealt before the acceptance test can be
    // decided: the seats dealt first are complete once their places are.
    int lues = 52;
    bool contexte = false;
    int nb_lettres = 0;                  // results the context reads
    std::vector<signed char> table;      // context value by first results, or empty
    // Per condition, how it is tested: through teste_condition, or, for the
    // commonest measures, from what the tests of one try share.
    struct Epreuve {
        const Condouv* k;
        unsigned char mode;
        int bas, haut;  // bounds of a point count
    };
    std::vector<Epreuve> epreuves;
};

// Prepares the series of c (which must have gone through eff). Allocates.
SerieTirage prepare_serie(const Contraintes& c);

// creedonne of the prepared set with its own template: the same deal from
// the same stream, without rebuilding what depends only on the set.
void creedonne(char* deal, const SerieTirage& s, Flux& flux);

// cond_ouvs of the prepared set: the same answer; the tests of the deal
// share what they measure of each hand. Allocates nothing.
bool cond_ouvs(const char* deal, const SerieTirage& s, int board);

// One try: a deal completed as creedonne completes it and tested as
// cond_ouvs tests it as board. When the conditions read only the seats
// dealt first (Sud, then Ouest, Nord, Est), the deal is tested as soon as
// those are complete, and the other places are drawn and dealt only for an
// accepted deal: the deals accepted follow the same law as with creedonne
// then cond_ouvs, but a refused try draws less from the stream, so the
// same stream gives other deals. A refused deal is left incomplete. When
// every place must be dealt first, it is exactly creedonne then cond_ouvs.
bool essai(char* deal, const SerieTirage& s, int board, Flux& flux);

// At most n deals that satisfy c, in the order they were accepted, drawn on
// threads_generation(config.nbthreads) workers sharing one budget of
// 2^limite tries (PartageEssais); *tries (when not null) receives the number
// of deals tried. A series ends short only when all 2^limite tries were
// made, whatever the number of workers. Recounts c's free cards first. limite outside 0..31 is
// refused with an alert, a template whose seat counts do not add up with
// another, and so is a set for which verifie_tirage (without calculations)
// refuses to draw: a condition without a catalogue kind, a context that can
// never hold. A refusal returns no deal and 0 tries, and its alert comes
// back through refus when it is not null ("" when nothing was refused): a
// caller learns of the refusal from it. n <= 0 returns no deal and 0 tries
// without refusal.
// Every deal returned satisfies c at the board it carries: deal i is board
// i+1 when numerofixe is 0, numerofixe when it is positive, and
// |numerofixe| + 4i when it is negative.
// A failed allocation throws std::bad_alloc once every worker has stopped;
// c is then recounted but otherwise unchanged, and no deal is returned.
std::vector<std::string> boucle(int n, Contraintes& c, int limite, std::int64_t* tries,
                                std::string* refus = nullptr);

// Whether c's acceptance depends on the board: it holds a bidding condition
// (kinds 0 to 2), whose tests receive the board.
bool depend_du_numero(const Contraintes& c);

// Acceptance test of boucle_avec: deal, board, and the caller's context.
using TestDonne = bool (*)(const char* deal, int board, const void* ctx);

// boucle with another acceptance test and another thread count asked
// (clamped by threads_generation); boucle calls it with cond_ouvs and
// depend_du_numero(c). selon_numero says whether the test looks at the
// board: when it does not, every try is tested as the first board and
// workers share no board counter.
std::vector<std::string> boucle_avec(int n, Contraintes& c, int limite, std::int64_t* tries,
                                     int nbthreads, TestDonne test, const void* ctx,
                                     bool selon_numero);

// The try budget of one parallel run, shared by all its workers, and the
// work items (the deals wanted) they take one at a time. A worker makes its
// tries from blocks it claims from the budget; the blocks shrink with what
// is left, so that a large budget costs few claims and a small one is spent
// to the last try. A worker whose item finds the budget all handed out
// gives the item back to a worker that still holds tries, and one that
// finds no item left gives its unused tries back: so the run ends with
// items not done only once every try of the budget was made.
class PartageEssais {
public:
    PartageEssais(std::int64_t items, std::uint64_t budget, int equipe);

    // The work of one worker: it takes items while any is left and, for
    // each, calls essai() once a try until one returns true (the item is
    // done). It stops when no item is left, or when the budget is all
    // handed out (the item it holds then goes back). Returns the tries it
    // made. An essai that calls arrete() and returns true ends the worker.
    template <class Essai>
    std::uint64_t travaille(Essai&& essai) {
        std::uint64_t reste = 0;  // tries claimed and not made yet
        std::uint64_t faits = 0;
        while (prend_item(reste)) {
            bool fait = false;
            while (!fait) {
                if (reste == 0 && (reste = reclame()) == 0) return faits;
                --reste;
                ++faits;
                fait = essai();
            }
        }
        return faits;
    }
    // Hands out no further item nor try (a worker failed): the others stop
    // once they have made the tries they hold.
    void arrete();

private:
    // Takes an item for a worker that holds `reste` unused tries; when none
    // is left, takes those tries back and returns false: the worker stops.
    bool prend_item(std::uint64_t reste);
    // A block of tries for the item the worker holds, or 0 when the budget
    // is all handed out or the run stopped: the item is then given back and
    // the worker stops.
    std::uint64_t reclame();

    // The item counter is taken once per item, the lock once per block:
    // each on a cache line of its own.
    alignas(64) std::atomic<std::int64_t> prochain_{0};
    std::int64_t items_;
    std::uint64_t diviseur_;
    alignas(64) std::mutex verrou_;  // guards the three below
    std::uint64_t restant_;
    std::int64_t rendus_ = 0;
    bool arrete_ = false;
};

// The board that deal i (from 0) of a series drawn with numerofixe carries.
int numero_donne(int numerofixe, int i);
