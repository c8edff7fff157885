#include <FL/Fl.H>

#include "fenetre.h"
#include "gen.h"
#include "solveur.h"

std::unique_ptr<Fenetre> demarre() {
    calcule_metriques();
    traiteini(config);
    init_solveur(config.nbthreads);
    return std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, titre_fenetre);
}
