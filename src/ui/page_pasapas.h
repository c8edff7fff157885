// The step-by-step page: the four hands as card buttons, the tricks won,
// the candidates of the player to move with their values, and the form
// (statistics inputs, contract, "Évaluer", "Initialiser", "Quitter"). The
// analysis itself is the engine of pasapas.h; the page shows its record.
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Select_Browser.H>

#include <memory>
#include <string>

// One card of the deal followed, where its button sits.
class Carte {
public:
    int nofixees;      // card index
    int couleur;       // suit index
    int rang;          // 2..14
    std::string rangf; // rank label
    char symb;         // holder letter
    int rangcoul;      // place in its hand's suit row: cards of the suit at or above it
    int x = 0, y = 0;  // its button

    Carte(int no, char symb, int rangcoul);
    virtual ~Carte();
    int joueur() const;
};

// The button of a card; it owns its card.
class BoutonCarte : public Fl_Button {
public:
    std::unique_ptr<Carte> pcarte;
    BoutonCarte(std::unique_ptr<Carte> c);
    ~BoutonCarte() override;
};

// The hidden lists of the contract selectors.
class SelectNombre : public Fl_Select_Browser {
public:
    using Fl_Select_Browser::Fl_Select_Browser;
    ~SelectNombre() override;
};
class SelectCouleur : public Fl_Select_Browser {
public:
    using Fl_Select_Browser::Fl_Select_Browser;
    ~SelectCouleur() override;
};
class SelectJoueur : public Fl_Select_Browser {
public:
    using Fl_Select_Browser::Fl_Select_Browser;
    ~SelectJoueur() override;
};

// The callbacks of the page. The selectors get their list as widget and the
// button that opened it as data; the others get the main window as data,
// except cb_suivante, whose widget is the card button pressed.
void cb_nivpap(Fl_Widget* liste, void* bouton);
void cb_coupap(Fl_Widget* liste, void* bouton);
void cb_joupap(Fl_Widget* liste, void* bouton);
void cb_entamer(Fl_Widget*, void* fenetre);
void cb_suivante(Fl_Widget* bouton, void*);
void cb_initialise(Fl_Widget*, void* fenetre);
void cb_quitter(Fl_Widget*, void* fenetre);
