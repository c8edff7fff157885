// Step-by-step analysis: one complete deal (the fixed cards of the current
// set `contr`) is followed card by card. At each turn the cards worth trying
// for the player to move are rated over nbstat deals that agree with what
// that player sees (own hand, dummy once the opening lead is made, every
// card played) and with the set's conditions: the rate at which the player's
// side reaches its goal in the contract, or, with no contract level, the
// expected tricks of that side. The user then plays one of the candidates.
//
// Everything here runs without a display; the page only shows the record
// `pap` and calls these actions:
//   menu entry     -> complete_donne(contr.cfixees), then, with no analysis
//                     under way, donne_incomplete() refuses a deal with a
//                     free card; ouvre_pap starts the analysis
//   "Évaluer"      -> res_pap(pap, -1)
//   a candidate    -> joue_pap(pap, c)
//   "Initialiser"  -> initialise_pap, then ouvre_pap again
//   "Quitter"      -> quitte_pap
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "condouv.h"
#include "entames.h"

// The file the analysis saves the set to and works on, so that the user's
// own file is never touched by edits made during the play.
inline constexpr const char* fichier_pasapas = "contraintes/pasapas";
inline constexpr const char* message_incomplete = "Pas a pas exige les 4 jeux complets";
inline constexpr const char* message_chute = "Contrat chuté. L'espérance est affichée.";
inline constexpr const char* message_reussi = "Contrat réussi. L'espérance est affichée.";
inline constexpr const char* message_limite_pap = "limite dépassée";

struct PasAPas {
    // The partly played deal; noc 0 while no analysis runs.
    Deja dpap;
    // The candidates of the player to move, best first, and their values:
    // rates (0..1) while the contract is in doubt, else expected tricks.
    std::vector<int> rpap;
    std::vector<float> vesp;
    // Whether the values are rates (a contract level was set when they were computed).
    bool taux = false;
    std::int64_t n = 0;  // draws of the last evaluation
    std::int64_t analysees = 0;  // deals it solved
    int t = 0;           // its seconds
    // The level the user chose: the decided contract sets niveau to 0, and
    // "Initialiser" restarts the same contract.
    int niveau_choisi = 0;
    // The user's set as it was when the analysis began, and its path.
    std::string contr_ini;
    Contraintes copie;
    bool copie_prise = false;
};

extern PasAPas pap;

// A deal with a free card ('V') or a seat without 13 cards: the analysis
// follows one complete deal.
bool donne_incomplete(const char* cfixees);
// The set's deal is still the one the analysis follows (the hands it began
// with) and every played card is fixed to its player: "" or the alert. The
// set may be edited between steps, its conditions above all, not its deal.
std::string verifie_donne_pap(const Deja& d, const char* cfixees);

// Starts the analysis on `contr` (noc 0 -> 1): keeps a copy of the set and
// its path (the first time only: "Initialiser" restarts from that copy),
// saves it to fichier_pasapas and names the set after that file, and takes
// its hands as the deal to follow. The contract settings stay.
void ouvre_pap(PasAPas& p);

// One step: records nothing itself but moves the play on after card c was
// played (c -1: nothing moves), announces a decided contract once, then
// rates the candidates of the player to move. False, with the alert, when
// nothing could be rated (refused set or settings, budget spent, solver
// failure): the play stays as it is and no candidate is listed. Once all 52
// cards are played there is nothing to rate: false without alert.
bool res_pap(PasAPas& p, int c);

// The contract chosen on the form. Before the first card the opening leader
// follows the declarer; once a card is played the strain and declarer have
// decided who won each trick and stay (false). When anything changes, the
// values listed were computed for the former contract and are dropped
// (true): "Évaluer" rates the position again.
bool contrat_pap(PasAPas& p, int niveau, int couleur, int declarant);

// Plays candidate c of the player to move, then res_pap(c). A card that is
// not a listed candidate changes nothing (false).
bool joue_pap(PasAPas& p, int c);

// The candidates of the player to move on the deal `donne` (52 letters):
// the cards of completed tricks are out of play when touching cards are
// grouped (those of the current trick still separate them); the leader
// may play any useful card, a follower one of the suit led if he can.
std::vector<int> candidats_pap(const Deja& d, const char* donne);

// The template the statistic completes: only the cards the player to move
// sees (own hand, and dummy's once the opening lead is made; dummy sees
// declarer's hand too) plus every played card, the others free.
void modele_visible(Deja& d, const char* donne);

// Restarts from the user's set: the contract is kept (the level the user
// chose), everything else of the play is reset, `contr` becomes the copy
// taken when the analysis began (a condition being added to the replaced
// set is dropped with it). noc 0: ouvre_pap starts again.
void initialise_pap(PasAPas& p);
// Ends the analysis: the user's set back in `contr`, the record as at start
// (level 0, sans-atout, Sud), env.pasapas false.
void quitte_pap(PasAPas& p);
