#include <ctime>
#include <vector>

#include "calcstat.h"
#include "condouv.h"
#include "enumeration.h"
#include "fenetre.h"
#include "resultats.h"

Fl_Window* affiche_probas() {
    Comptes counts(2 + contr.calculs.size(), 0);
    const std::time_t debut = std::time(nullptr);
    // A refused count has shown its alert, and has nothing to show.
    if (!traite_fix(counts)) return nullptr;
    const long secondes = static_cast<long>(std::difftime(std::time(nullptr), debut));
    const std::vector<std::int64_t> calculs(counts.begin() + 2, counts.end());
    return fenetre_resultats("Résultats probas", texte_resultats(counts[0], counts[1],
                                                                 contr.calculs, calculs, secondes));
}

void cb_probas(Fl_Widget*, void*) { affiche_probas(); }
