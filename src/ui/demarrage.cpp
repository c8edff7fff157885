#include <FL/Fl.H>

#include "fenetre.h"
#include "gen.h"

std::unique_ptr<Fenetre> demarre() {
    calcule_metriques();
    traiteini(config);
    // TODO: hand config.nbthreads to the solver (init_solveur) once it exists.
    return std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, titre_fenetre);
}
