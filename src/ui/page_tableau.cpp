// The window "Tableau DDS": the double-dummy table and par of the deal fixed
// in the current constraint set.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Window.H>

#include "condouv.h"
#include "fenetre.h"
#include "tableau.h"
#include "tableaux.h"

namespace {

// Each use opens a window of its own: closing it frees it.
void ferme(Fl_Widget* w, void*) {
    w->hide();
    Fl::delete_widget(w);
}

}  // namespace

void cb_tabdds(Fl_Widget*, void*) { tabdds(); }

void tabdds() {
    // Every refusal (incomplete deal, uneven hands, solver failure) has
    // already been alerted by the engine: no window then.
    const ResultatTableau r = tableau_dds(contr);
    if (!r.ok) return;

    Fl_Group* avant = Fl_Group::current();
    Fl_Group::current(nullptr);
    auto* fen = new Fl_Window(2 * xm / 3, 100, 400, 400, "Tableau DDS");
    fen->color(coulformext);
    auto* titre_tab = new Fl_Box(0, 0, 400, 40, "Tableau DDS");
    titre_tab->labelsize(18);
    titre_tab->labelcolor(246);
    (new Fl_Box(FL_FLAT_BOX, 15, 55, 370, 330, nullptr))->color(coulformint);
    (new Fl_Box(FL_ENGRAVED_BOX, 30, 70, 340, 150, nullptr))->color(0xcafbf200);
    auto* table = new TabDDT(30, 95, 340, 125, nullptr);
    for (int joueur = 0; joueur < 4; ++joueur)
        for (int couleur = 0; couleur < 5; ++couleur)
            table->data[joueur][couleur] = r.table.res[couleur][joueur];
    structpar p = r.par;
    new BoitePar(45, 70, 200, 25, p);
    fen->end();
    fen->callback(ferme);
    Fl_Group::current(avant);
    fen->show();
}
