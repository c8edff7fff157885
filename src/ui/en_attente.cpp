// Entries of the menu whose page is not built yet. Each definition below is
// removed by the work that builds its page, in the file that owns the page.
#include "fenetre.h"

#include "hooks.h"

namespace {
void non_disponible() { alerte(message_non_disponible); }
}  // namespace

// Statistics pages.
void Fenetre::cb_formpasapas(Fl_Widget*, void*) { non_disponible(); }

