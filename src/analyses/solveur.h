// The door to the double-dummy solver. This is the only place that sees the
// solver's own header: the rest of the program talks to it through the plain
// records below, which mirror the solver's records field for field.
//
// Every deal is checked here before it reaches the solver, because the solver
// may crash on a bad deal instead of returning an error; every return code is
// checked, and a failure comes back as an EtatSolveur that is not ok, never as
// numbers.
#pragma once

#include <string>
#include <vector>

// A position to solve, laid out as the solver's deal: trump 0 ♠ .. 3 ♣, 4 SA;
// first = the seat that led the current trick; the cards already played to
// the trick in playing order (rank 0 = no card); the cards still held, bit r
// of remainCards[seat][suit index] for rank r (2..14).
struct PositionDds {
    int trump = 4;
    int first = 3;
    int currentTrickSuit[3] = {0, 0, 0};
    int currentTrickRank[3] = {0, 0, 0};
    unsigned remainCards[4][4] = {};
};

// The solver's answer for one position: `cards` entries are used; entry k is
// a card (suit, rank), the lower cards made equal to it (`equals`, rank bits)
// and the tricks the side to play takes after it (`score`).
struct ReponseDds {
    int nodes = 0;
    int cards = 0;
    int suit[13] = {};
    int rank[13] = {};
    int equals[13] = {};
    int score[13] = {};
};

// Tricks of each declarer in each strain: res[strain][seat], strains in
// suit-index order (♠, ♥, ♦, ♣, SA), seats N, E, S, O.
struct TableDds {
    int res[5][4] = {};
};

// Outcome of a call. When ok is false the output record has been cleared and
// must not be shown; `code` is the solver's own code (its message in
// `message`, as the solver writes it) or one of the codes below, with a
// French message, for a call refused before it reached the solver.
struct [[nodiscard]] EtatSolveur {
    bool ok = false;
    int code = 0;
    std::string message;
};

// The solver's code for success.
inline constexpr int solveur_ok = 1;
// Refusals of this layer (the solver's own codes lie between -1 and -301).
inline constexpr int refus_rang = -1001;          // a rank bit outside 2..14
inline constexpr int refus_doublon = -1002;       // a card held twice
inline constexpr int refus_jouee_tenue = -1003;   // a card both held and in the trick
inline constexpr int refus_levee = -1004;         // a trick card that is not a card
inline constexpr int refus_longueurs = -1005;     // hand lengths that do not fit
inline constexpr int refus_atout_premier = -1006; // trump or leader out of range
inline constexpr int refus_incomplete = -1007;    // a table deal short of 13 cards a hand
inline constexpr int refus_thread = -1008;        // thread index not granted
inline constexpr int refus_occupe = -1009;        // thread index already in use

// Asks the solver for nbthreads threads (at least 1) and returns how many it
// granted, which may be fewer. Call it from one thread while no solve runs:
// at start and when the configured count changes.
int init_solveur(int nbthreads);
// Gives back the memory the solver kept for its threads (its search tables
// grow to hundreds of megabytes over a statistic and are otherwise held
// until the program ends); the next solve starts from empty tables. Waits
// for running solves; call it from one thread, when an engine entry has
// solved all it had to, never inside a region that solves. The count
// granted is read again, as by init_solveur.
void libere_memoire_solveur();
// The number of threads the solver granted; parallel teams that solve are
// never larger. Before init_solveur it is the solver's own default.
int threads_solveur();
// The size of a team that solves: the wanted count, at least 1 and at most
// threads_solveur().
int threads_equipe(int voulus);

// Checks a deal for a table: ranks 2..14 only, no card held twice, four
// hands of the same length, and that length 13: the solver's tables count
// the tricks of a shorter ending wrongly (and it crashes on an empty deal).
EtatSolveur verifie_table(const unsigned mains[4][4]);
// Checks a position: trump 0..4, leader 0..3, trick cards that are cards and
// come first, ranks 2..14 only, no card held twice nor both held and played
// to the trick, and the hands that still play to the trick holding one card
// more than those that already played.
EtatSolveur verifie_position(const PositionDds& pos);

// The double-dummy table of a deal. Calls are serialised: the solver keeps
// global state for tables and uses every thread for one.
EtatSolveur calcule_table(const unsigned mains[4][4], TableDds& table);

// A deal of a batch of tables: mains[seat][suit index], rank bits 2..14, as
// calcule_table takes it.
struct DonneDds {
    unsigned mains[4][4] = {};
};

// The table of one deal of a batch and how its computation ended: when
// etat.ok is false the table is cleared and must not be shown.
struct TableCalculee {
    EtatSolveur etat;
    TableDds table;
};

// The most deals one call of the solver's batch takes (five strains each).
inline constexpr int tables_par_appel = 40;

// The double-dummy tables of many deals, in the order of the deals: much
// faster than calcule_table one after another, because the solver spreads
// the deals of a call over its own threads instead of using at most five
// threads (one per strain) on one deal. Every deal is checked first, as by
// calcule_table: a refused deal gets its own refusal and is not handed to the
// solver. The others go in calls of at most tables_par_appel deals; a call
// that fails marks each of its deals with the solver's code and message.
// Calls are serialised with calcule_table's and wait for running position
// solves. The solver's memory is given back at the end (libere_memoire_solveur).
std::vector<TableCalculee> calcule_tables(const std::vector<DonneDds>& donnes);

// Solves one position for the side to play (the solver's target, solutions
// and mode). Safe on several threads at once, each with its own index in
// 0 .. threads_solveur() - 1. A position without cards, or a target,
// solutions or mode out of range, comes back with the solver's own code and
// message without being handed to it.
EtatSolveur resout_position(const PositionDds& pos, int target, int solutions, int mode,
                            ReponseDds& rep, int thread);

// The text of an alert for a failure: "Erreur du solveur, code C : message".
std::string texte_erreur(const EtatSolveur& e);
