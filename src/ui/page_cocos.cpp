// The condition list of the constraint page, read only for now: one line
// per condition with its letter, its seat and its kind.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Scroll.H>

#include "bridge.h"
#include "condouv.h"
#include "fenetre.h"

void Fenetre::montre_cocos() {
    if (!gcontr) return;
    if (gcocos) {
        gcontr->remove(gcocos);
        Fl::delete_widget(gcocos);
        gcocos = nullptr;
    }
    const int n = static_cast<int>(contr.cocos.size());
    Fl_Group* avant = Fl_Group::current();
    gcontr->begin();
    gcocos = new Fl_Scroll(xbcocos, 359, 991, 33 * n + 8);
    gcocos->box(FL_UP_BOX);
    gcocos->labeltype(FL_ENGRAVED_LABEL);
    gcocos->labelsize(18);
    gcocos->color(coul_fenetre_contr);
    for (int i = 0; i < n && i < max_lettres; ++i) {
        const Condouv& c = contr.cocos[i];
        const int y = 367 + 33 * i;
        auto* bande = new Fl_Box(FL_FLAT_BOX, xbcocos + 16, y, 959, 25, nullptr);
        bande->color(79);
        new Fl_Box(xnumcoco, y, 20, 25, alph[i]);
        new Fl_Box(xjcoco, y, 70, 25, c.joueur >= 0 && c.joueur < 4 ? nomjoueur[c.joueur] : "");
        const bool connue =
            c.id_condition >= 0 && static_cast<std::size_t>(c.id_condition) < conditions.size();
        auto* genre = new Fl_Box(xjcoco + 100, y, 80, 25);
        genre->copy_label(connue ? conditions[c.id_condition].nom.c_str() : "à choisir");
        genre->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }
    gcocos->end();
    gcontr->end();
    Fl_Group::current(avant);
    redraw();
}
