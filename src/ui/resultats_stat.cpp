#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <ctime>
#include <iostream>
#include <vector>

#include "calcstat.h"
#include "condouv.h"
#include "fenetre.h"
#include "gen.h"
#include "resultats.h"

namespace {

void ferme(Fl_Widget* w, void*) {
    w->hide();
    Fl::delete_widget(w);
}

// The display does not own its text: this base holds it, built before the
// display and destroyed after it.
struct TamponResultats {
    Fl_Text_Buffer tampon;
};

// The text of a result window, read-only: long lines wrap at its width, and
// a scroll bar reaches the lines below when there are more than it shows
// (one per calculation, and a set may have 26).
class TexteResultats : private TamponResultats, public Fl_Text_Display {
public:
    TexteResultats(int x, int y, int w, int h, const std::string& texte)
        : Fl_Text_Display(x, y, w, h) {
        tampon.text(texte.c_str());
        buffer(&tampon);
        textsize(15);
        wrap_mode(WRAP_AT_BOUNDS, 0);
    }
};

}  // namespace

Fl_Window* fenetre_resultats(const char* titre, const std::string& texte) {
    Fl_Group* avant = Fl_Group::current();
    Fl_Group::current(nullptr);
    auto* f = new Fl_Window(50, 100, 500, 400, titre);
    f->color(couleur_resultats);
    auto* sortie = new TexteResultats(50, 50, 400, 300, texte);
    // A larger window shows more lines at once.
    f->resizable(sortie);
    f->end();
    f->callback(ferme);
    Fl_Group::current(avant);
    f->show();
    return f;
}

Fl_Window* affiche_sur() {
    std::vector<int> compteurs(contr.calculs.size(), 0);
    BilanStat bilan;
    const std::time_t debut = std::time(nullptr);
    const int n = calcule_stat(compteurs, &bilan);
    // A refused statistic has shown its alert, and has nothing to show.
    if (bilan.statut == Statut::refuse) return nullptr;
    const long secondes = static_cast<long>(std::difftime(std::time(nullptr), debut));
    for (std::size_t i = 0; i < compteurs.size(); ++i)
        std::cout << "compteurs[" << i << "]=" << compteurs[i] << std::endl;
    std::string texte =
        texte_resultats(nbstat, n, contr.calculs,
                        std::vector<std::int64_t>(compteurs.begin(), compteurs.end()), secondes);
    // The counts still stand over the deals accepted; say why they are fewer.
    if (bilan.statut == Statut::budget_epuise) texte += "\n\n" + bilan.message;
    return fenetre_resultats("Résultats statistique", texte);
}

void cb_surcontraintes(Fl_Widget*, void*) { affiche_sur(); }
