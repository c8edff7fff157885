// Entries of the menu whose page is not built yet. Each definition below is
// removed by the work that builds its page, in the file that owns the page.
#include "fenetre.h"

#include "hooks.h"

namespace {
void non_disponible() { alerte(message_non_disponible); }
}  // namespace

// Constraint editor page.
void Fenetre::initialise() { non_disponible(); }
void Fenetre::changer_contraintes() { non_disponible(); }
void Fenetre::enr_contr() { non_disponible(); }
void Fenetre::ajoute() { non_disponible(); }
void Fenetre::ajoute_calcul() { non_disponible(); }
void Fenetre::cb_choisir_contr(Fl_Widget*, void*) { non_disponible(); }


// Statistics pages.
void Fenetre::comparer(bool, int, int) { non_disponible(); }
void Fenetre::entames() { non_disponible(); }
void Fenetre::cb_formpasapas(Fl_Widget*, void*) { non_disponible(); }
void cb_surcontraintes(Fl_Widget*, void*) { non_disponible(); }

// Probabilities and evaluation.
void Fenetre::distribution(double, double) { non_disponible(); }
void cb_probas(Fl_Widget*, void*) { non_disponible(); }

