#include "formulaires.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/fl_draw.H>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "fenetre.h"

Fl_Window* ouvre_formulaire(const char* titre, const char* entete) {
    // A window of its own, never a child of whatever group is open.
    Fl_Group::current(nullptr);
    auto* f = new Fl_Window(50, 100, largeur, hauteur, titre);
    f->color(coulformext);
    // Each menu choice opens one more form: a closed one is deleted rather
    // than kept hidden for the rest of the run.
    f->callback([](Fl_Widget* w, void*) {
        // What was typed into a field still being edited counts: the user
        // closed the form instead of pressing Enter.
        auto* g = static_cast<Fl_Group*>(w);
        for (int i = 0; i < g->children(); ++i)
            if (auto* champ = dynamic_cast<Fl_Input_*>(g->child(i)); champ && champ->changed()) {
                // Cleared first: an alert from the callback takes the focus,
                // and the field would run it again as it loses it.
                champ->clear_changed();
                champ->do_callback();
            }
        w->hide();
        Fl::delete_widget(w);
    });
    auto* t = new Fl_Box(0, 0, largeur, htitre, entete);
    t->labelsize(18);
    t->labelcolor(246);
    auto* interieur =
        new Fl_Box(bord, y_interieur, largeur - 2 * bord, hauteur - 2 * bord - htitre);
    interieur->box(FL_FLAT_BOX);
    interieur->color(coulformint);
    return f;
}

int x_champ(const Fl_Widget& champ) {
    fl_font(champ.labelfont(), champ.labelsize());
    return bord + static_cast<int>(fl_width(champ.label() ? champ.label() : "")) + dx;
}

int entier_champ(const char* texte) {
    errno = 0;
    const long v = std::strtol(texte ? texte : "", nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}
