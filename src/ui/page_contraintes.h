// The constraint editor page: the four-hand card chooser, the numbering,
// context, default-set and statistics inputs, and the calculations list.
// Fenetre's own methods for it are declared in fenetre.h.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <vector>

// --- card buttons ---------------------------------------------------------------
// Each card button of a chooser carries its seat (0 Nord … 3 Ouest), suit
// row (0 ♠ … 3 ♣) and rank column (0 ace … 12 deuce) packed in one positive
// integer, held in the button's user data as a value.

inline int code_carte(int joueur, int ligne, int colonne) {
    return 224 + joueur + 4 * ligne - 16 * colonne;
}

struct CarteBouton {
    int joueur = 0;
    int ligne = 0;
    int colonne = 0;
    int index = 0;  // card index 0..51: 13 × (3 − ligne) + colonne
};

// Unpacks a code; false for a value no card button carries.
bool carte_du_code(long code, CarteBouton& c);

inline void* donnee_carte(int code) { return reinterpret_cast<void*>(static_cast<fl_intptr_t>(code)); }
inline long code_de(void* data) { return static_cast<long>(reinterpret_cast<fl_intptr_t>(data)); }

// One hand of the chooser: a box with, at its left, the four suit symbols,
// then the 13 cards of each suit as buttons. The buttons are created in the
// current group beside the box, which owns them.
class Boite_Jeu : public Fl_Box {
public:
    std::vector<Fl_Button*> vnord;  // the 52 buttons, ♠ then ♥ ♦ ♣, ace first

    // seat is one of the letters "NESO"; cards is the 52-letter array the
    // buttons show (held by this seat or not); cb gets the packed code.
    Boite_Jeu(int x, int y, int w, int h, char seat, Fl_Callback* cb, char* cards, Fl_Color colour);
    ~Boite_Jeu() override;

    // The card toggle of the constraint page: fixes a free card to the
    // button's seat, frees a card of that seat, refuses a card another seat
    // holds and a 14th card.
    static void cb_carte(Fl_Widget* w, void* data);
};

// How a card button looks: white when the seat holds the card, pressed in
// the selection colour (red letter) when it does not.
void regarde_carte(Fl_Button* b, bool tenue, Fl_Color selection);
inline constexpr Fl_Color couleur_main = 87;       // a hand, and the cards it lacks
inline constexpr Fl_Color couleur_fixee_ailleurs = 49;  // fixed by the set, not marked here

// The page's inputs take their value on Enter as well as when the user
// leaves them.
inline void prend_sur_entree(Fl_Widget* champ) { champ->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY); }

// --- numbering ------------------------------------------------------------------------
// The radio button shown selected: 0 numbered from 1, 1 fixed board, 2 fixed
// dealer. Recomputed from contr.numerofixe whenever the page is built.
extern int numerotation;
int numerotation_de(int numerofixe);

void cb_num(Fl_Widget* w, void* mode);    // a radio button; mode 0, 1 or 2 as a value
void cb_numd(Fl_Widget* list, void* bouton);  // the board list
void cb_sd(Fl_Widget* list, void* bouton);    // the dealer list
void cb_alg(Fl_Widget* input, void*);     // the context input
void cb_bdef(Fl_Widget* check, void*);    // "Contraintes par défaut"

// --- calculations list --------------------------------------------------------------
// Row i of the list passes i as a value to its two inputs and its "X".
void cb_inomcalc(Fl_Widget* input, void* i);
void cb_ialgcalc(Fl_Widget* input, void* i);
void cb_supcalc(Fl_Widget* bouton, void* i);
