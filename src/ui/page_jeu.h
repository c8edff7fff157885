// The page "Jouer avec dds": its widgets and callbacks. The play itself is
// the engine JeuDds; the page only shows its state and calls its actions.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Widget.H>

#include <memory>

#include "jeudds.h"

class Fenetre;

// The play shown by the page. It lives for the whole run: leaving the page
// and coming back keeps the counters and the hands of the last analysis.
JeuDds& jeu_dds();

// x of the frame of the hands: centred on a 975-pixel wide page.
int xfmains();

// The card a playable button plays.
struct CardWin {
    int joueur;   // seat
    int suit;     // suit index
    int rank;     // 2..14
    Fenetre* fenetre;
};

// The suit symbol at the head of a hand row.
class Symb_couleur : public Fl_Box {
public:
    Symb_couleur(int x, int y, int couleur);
    ~Symb_couleur() override;
};

// One card of a hand, labelled with its rank letter. A playable card owns
// the CardWin its callback receives.
class Bouton_carte : public Fl_Button {
public:
    Bouton_carte(int x, int y, int rang);
    ~Bouton_carte() override;
    std::unique_ptr<CardWin> carte;
};

// The tricks the side to play takes after the card above it.
class Boite_score : public Fl_Box {
public:
    Boite_score(int x, int y, int levees);
    ~Boite_score() override;
};

// A playable card; data its CardWin.
void cb_boutoncarte(Fl_Widget*, void* carte);
// The strain and first-seat lists; data the button that opened them.
void cb_scouleur(Fl_Widget*, void* bouton);
void cb_sjoueur(Fl_Widget*, void* bouton);
