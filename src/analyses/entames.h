// Which card should the player to move play now? Over many random deals
// that complete a partly played deal and satisfy the current constraint set
// `contr`, each deal is solved double dummy for every card the player may
// play, and the cards are counted: how often each reaches the side's target
// (a contract is given) or how many tricks the side then takes (no
// contract). A second statistic compares two opening leads on the same
// deals.
//
// The opening-lead page and the step-by-step analysis both describe their
// position as a Deja record and call stat on it; neither needs a display.
// The counts come back in the globals tabstat and nbchutes (gen.h) and
// nblistees below; how the run ended comes back in bilan_entames: a spent
// budget, a solver failure or a refused position are never counts.
//
// How the lead page uses it:
//   trick inputs     -> lit_couleurs_levee / lit_rangs_levee into deja.ctcouleurs
//                       / deja.ctranks, then deja.joueur = joueur_courant(deja)
//   page opened      -> reinitialise(deja, contr) when deja.id_contraintes != contr.id
//   "&Calculer"      -> refait_fixees(deja, contr.cfixees) ("" or the alert),
//                       deja.joueur = joueur_courant(deja), stat(deja), then
//                       by bilan_entames.statut:
//     ok             -> the rows cartes_resultats(deja.niveau > 0); rates and
//                       expectations divide by bilan_entames.analysees (= nbstat)
//     budget_epuise  -> the page's own alert (the counts are partial)
//     echec_solveur  -> alert bilan_entames.message once; the counts hold the
//                       deals solved, failed deals are counted nowhere
//     refuse         -> alert bilan_entames.message; nothing ran, counts are 0
//   "comparer"       -> compentames(deja, res) with nos set by the lead
//                       choosers; the same statuses, res over analysees.
// The step-by-step analysis fills its own Deja (fixees: what the player to
// move can see plus the played cards) and reads the same results.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bilan.h"
#include "condouv.h"
#include "solveur.h"

// A partly played deal: the contract, the cards fixed by the user, the
// cards already played and those of the current trick. Seats 0 Nord .. 3
// Ouest; suits are suit indexes (0 ♠ .. 3 ♣, 4 sans-atout for the trump).
struct Deja {
    // Step-by-step progress: 0 while no analysis runs, else 1 + cards played.
    int noc = 0;
    // Contract level 0..7; 0 means no contract: the statistic counts tricks.
    int niveau = 0;
    int couleur = 4;    // trump
    int declarant = 2;  // Sud
    int premier = 3;    // seat that led the current trick
    int joueur = 3;     // seat to play: joueur_courant()
    // The cards already played to the current trick, in order: suit and
    // rank 2..14; rank 0 = no card. The cards present come first.
    int ctcouleurs[3] = {0, 0, 0};
    int ctranks[3] = {0, 0, 0};
    // Every card already played, the current trick included, as rank masks
    // [seat][suit] (bit r for rank r).
    unsigned dj[4][4] = {};
    // Per card index the letter of the seat that played it, 'V' if not played.
    char jouees[52];
    // Card indexes in playing order (the step-by-step analysis).
    std::vector<int> nosdj;
    int leveesdec = 0;  // tricks already won by declarer's side
    int leveesdef = 0;  // tricks already won by the defence
    int dernier = 3;    // winner of the last complete trick
    // The template the statistic completes: the set's fixed cards plus every
    // played card fixed to the seat that played it; 'V' for a free card.
    char fixees[52];
    unsigned jeux_ini[4][4] = {};  // the four hands at the start
    int id_contraintes = 0;        // contr.id when the record was set up
    // Written by stat from fixees: the free card indexes, ascending, and the
    // cards fixed to Sud, Ouest, Nord, Est.
    std::vector<int> numrestants;
    int nbmarquees[4] = {0, 0, 0, 0};

    // No card played or fixed; Sud declares sans-atout at level 0.
    Deja();
    // Writes the record to the debug log (when debugging is on).
    void debug() const;
};

// The record of the opening-lead page; the step-by-step analysis keeps its own.
extern Deja deja;
// The two leads compentames compares, card indexes; -1 while not chosen.
extern int nos[2];
// Per card index: the number of deals in which the statistic has a result
// for the card, that is the rows a page shows. Without a contract, the
// deals the solver listed it in (the sum of tabstat[c][k] over k). With a
// contract, the deals in which it reached the target (nbchutes[c]), except
// when the outcome is already certain (below): then every card the solver
// lists, reaching the target or not.
extern int nblistees[52];
// How the last stat or compentames ended.
extern BilanStat bilan_entames;
// The solver call of both statistics: resout_position, which a test may
// replace by a failing one to check that failures are never counted.
using FnResout = EtatSolveur (*)(const PositionDds&, int target, int solutions, int mode,
                                 ReponseDds&, int thread);
extern FnResout resout_entames;

// The seat to play: premier + the number of cards in the current trick, mod 4.
int joueur_courant(const Deja& d);
// The tricks the side of d.joueur still needs from the current trick on:
// -1 without a contract (niveau 0: count the tricks); on declarer's side
// niveau + 6 - leveesdec, in defence 8 - niveau - leveesdef. At most 0
// means already reached; above the tricks left, out of reach. A contract
// beaten by one trick more than needed gives -1 as well: niveau, not the
// value, tells whether tricks are counted.
int cible(const Deja& d);
// The tricks left to play, the current one included (cards the player to
// move still holds); 0 when the record is not a valid position.
int levees_restantes(const Deja& d);

// The position is one the statistic can run on: contract fields in range,
// every seat at most 13 cards in fixees, the played cards fixed to the seats
// that played them in dj, jouees and fixees alike, the current trick's cards
// (a known suit and rank, present cards first) played by the right seats,
// none of them a revoke (a seat that does not follow while a card of the
// suit led is fixed to it and not yet played),
// every seat left with as many cards as the others once the current trick
// is counted, joueur = joueur_courant, and with a contract the tricks won
// adding up to the complete tricks played. "" when it is, else the alert.
std::string valide_position(const Deja& d);

// Resets the record for the set c (the lead page, on "Initialiser" and when
// the set changed): the set's identity and fixed cards, no card played, no
// current trick, no trick won, noc 0. The contract and seats stay.
void reinitialise(Deja& d, const Contraintes& c);
// Rebuilds d.fixees from the set's template cfixees (52 characters) and the
// played cards of d.jouees, so that the statistic never completes a stale
// template. "" when done; the alert, and d unchanged, when the template
// fixes a played card to another seat than the one that played it.
std::string refait_fixees(Deja& d, const char* cfixees);

// A rank character of the current-trick input: '0' no card (0), '2'..'9',
// 'X' 10, 'V' 11, 'D' 12, 'R' 13, 'A' 14, in either case; -1 for any other
// character.
int retrovl(char c);
// The current-trick inputs: the suit letters "PCKT" (either case) and the
// rank characters of up to three cards. Only the characters present are read: a missing
// suit is -1 (unknown), a missing rank 0 (no card); an unknown suit letter
// is -1 and an unknown rank character -1, which valide_position refuses.
void lit_couleurs_levee(const char* texte, int ctcouleurs[3]);
void lit_rangs_levee(const char* texte, int ctranks[3]);

// The statistic over nbstat accepted deals completing d.fixees (nbstat at
// least 1, limite 0..31). Writes d.numrestants and d.nbmarquees, clears and
// fills nbchutes (with a contract) or tabstat (without), and nblistees;
// returns the number of deals drawn, also in bilan_entames.tirages.
//
// Deals are drawn with the generator's pieces and accepted by cond_ouvs on
// `contr` as board |contr.numerofixe| (1 when it is 0), on a team of
// threads_equipe(config.nbthreads) workers that draw from one budget of
// 2^limite tries in all; each worker solves with its own solver index.
// Counted per deal, for the cards the solver lists (a lower card it makes
// equal to a listed one is not counted):
// - no contract: tabstat[c][k] += 1 when after card c the side to play
//   takes k tricks from the current trick on;
// - a contract: nbchutes[c] += 1 when card c reaches the side's target
//   (cible); when the target is already reached, or out of reach, every
//   card the solver lists gets that certain result.
// A refused position (valide_position, or a template whose seats do not
// add up) runs nothing: statut refuse with the alert. Once deals have been
// solved the solver's memory is given back (libere_memoire_solveur), here
// and in compentames.
std::int64_t stat(Deja& d);

// The rows of a result table of the last stat, card indexes: the cards with
// a result (nblistees), in index order; with a contract then sorted by
// nbchutes, most first, equal counts keeping index order.
std::vector<int> cartes_resultats(bool avec_contrat);

// Compares the leads nos[0] and nos[1] of d.premier, in strain d.couleur,
// over nbstat deals drawn from the set `contr` itself (its template and
// conditions; the record's played cards are not used). Adds 1 per solved
// deal to res[0] when the first lead leaves the other side fewer tricks,
// res[1] on equal tricks, res[2] when the second lead is better; res is
// resized to 3 (counts kept). Returns the deals drawn, in
// bilan_entames.tirages too. Refused (statut refuse, nothing counted) unless
// both leads are two different cards that the set fixes to d.premier.
std::int64_t compentames(Deja& d, std::vector<int>& res);
