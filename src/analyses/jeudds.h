// Double-dummy play of the fixed deal, card by card: the position, the hands
// at the start, the tricks won by each side, the history that " Retour "
// walks back, and the solver's answer for the player to move. The page that
// shows it only reads this state and calls the actions.
//
// Every solve here uses mode 1: a fresh search, so the scores never depend on
// what the solver kept from an earlier position or strain.
#pragma once

#include <string>
#include <vector>

#include "solveur.h"

// A fresh position: sans-atout, Ouest on lead, no card.
PositionDds ini_dl();
// Clears every field of an answer.
void free_fut(ReponseDds& fut);
// Index 0..3, in playing order, of the card that wins a trick of four cards.
int vainqueur(const int* suits, const int* ranks, int trump);
// The tricks the answer gives to the card (suit index, rank 2..14), or -1
// when the answer does not list it.
int score(int couleur, int rang, const ReponseDds& fut);
// Cards already played to the current trick (0..3).
int nb_cartes_jouees_levee(const PositionDds& p);
// Completes the one short hand when the three others hold 13 cards, then
// checks that the four hands hold as many cards; 1 when they are usable, 0
// after the alert.
int remplitjeu4(unsigned rc[4][4]);
// The alert of a solver failure: `titre`, then the code and the solver's
// message on a second line (the title is left out when empty or already the
// message).
std::string texte_alerte_solveur(const std::string& titre, const EtatSolveur& e);

class JeuDds {
public:
    PositionDds pdl = ini_dl();
    unsigned jeux_ini[4][4] = {};
    int leveesNS = 0;
    int leveesEO = 0;
    // Entry 0 the start of the analysis, entry i the position after i cards.
    std::vector<PositionDds> vecteur_deal;
    std::vector<int> vecteurNS;
    std::vector<int> vecteurEO;
    ReponseDds fut;

    // The page is opened again: a fresh position with no card; the hands of
    // the last analysis stay to be drawn, but nothing of it can be played
    // or taken back any more.
    void reouvre();
    // " Démarrer analyse " on a 52-character template ('N', 'E', 'S', 'O'
    // fixed, anything else free) with the strain and leader of pdl. On any
    // failure (alert shown) nothing changes but the answer, which is cleared
    // after a solver failure.
    bool demarre(const char* cfixees);
    // Plays a card of the player to move. A card that cannot be played
    // (not his turn, not held, not following suit) is refused without alert
    // and changes nothing. After a solver failure the card stays played, the
    // alert is shown and the answer is cleared; false in both cases.
    bool joue(int joueur, int couleur, int rang);
    // Takes the last card back; false and nothing changes when no card has
    // been played since the start, or (alert, answer cleared) when the solver fails.
    bool retour();
    // The strain (0 ♠ .. 3 ♣, 4 SA) and the leader. While an analysis runs
    // they restart it from the start of the deal; on a solver failure
    // nothing changes but the answer, cleared.
    bool change_atout(int trump);
    bool change_premier(int first);

    // An analysis has started (there is a position to play or take back).
    bool en_cours() const { return !vecteur_deal.empty(); }
    // Every card has been played.
    bool fini() const;
    // Cards played since the start.
    int nb_jouees() const { return en_cours() ? static_cast<int>(vecteur_deal.size()) - 1 : 0; }
    // (first + cards in the current trick) mod 4.
    int joueur_actif() const;
    // The count shown under a card: the tricks the mover's side takes from
    // here when it is played, or -1 when the card offers none (not the
    // mover's, already played, or not listed by the answer: a card made
    // equal to a listed one, or no answer after a failure).
    int score_carte(int joueur, int couleur, int rang) const;

private:
    bool redemarre(const PositionDds& depart);
};
