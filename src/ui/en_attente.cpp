// Entries of the menu whose page is not built yet. Each definition below is
// removed by the work that builds its page, in the file that owns the page.
#include "fenetre.h"

#include "hooks.h"

namespace {
void non_disponible() { alerte(message_non_disponible); }
}  // namespace

// Statistics pages.
void Fenetre::comparer(bool, int, int) { non_disponible(); }
void Fenetre::entames() { non_disponible(); }

