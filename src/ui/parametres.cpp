#include "parametres.h"

#include <FL/Fl.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <string>

#include "entrees_stat.h"
#include "fenetre.h"
#include "gen.h"
#include "tableaux.h"

ChampsParametres parametres(int y, int x, int w) {
    auto* boite = new BoiteForm(x, y, nullptr, w, 50);
    boite->color(coul_fenetre_contr);
    return intparametres(y, x, w);
}

namespace {

// Width of a label as an input of the toolkit draws it at its left.
int largeur_label(const Fl_Widget* w) {
    // Fonts are measured on the display: opened here if no window is shown yet.
    fl_open_display();
    fl_font(w->labelfont(), w->labelsize());
    return static_cast<int>(fl_width(w->label())) + 4;
}

}  // namespace

ChampsParametres intparametres(int y, int x, int w) {
    ChampsParametres c;
    const int yy = y + 8;
    c.nbstat = new ChampStat(x + 97, yy, 50, 25, "Nombre de donnes : ", cb_inbdonnes);
    c.limite = new ChampStat(x + 227, yy, 30, 25, "Limite : ", cb_limite);
    // Each label stays inside the box and clear of the field before it,
    // whatever the font measures.
    const int x1 = std::max(x + 97, x + 8 + largeur_label(c.nbstat));
    const int x2 = std::max(x + 227, x1 + 50 + 16 + largeur_label(c.limite));
    c.nbstat->resize(x1, yy, 50, 25);
    c.limite->resize(x2, yy, 30, 25);
    const int xn = std::max(x + 447, x2 + 30 + 24);
    auto* note = new Fl_Box(xn, yy, std::max(0, x + w - xn), 25, note_limite);
    note->labelfont(FL_HELVETICA_ITALIC);
    note->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    montre_parametres(c);
    return c;
}

void montre_parametres(const ChampsParametres& c) {
    if (c.nbstat) c.nbstat->value(std::to_string(nbstat).c_str());
    if (c.limite) c.limite->value(std::to_string(limite).c_str());
}

BoiteTexte::BoiteTexte(int x, int y, const char* label, int fonte, int taille, Fl_Color couleur)
    : Fl_Box(x, y, 0, taille + 16), fonte(fonte), taille(taille), couleur(couleur) {
    copy_label(label ? label : "");
    box(FL_NO_BOX);
    fl_open_display();
    fl_font(fonte, taille);
    size(static_cast<int>(fl_width(this->label())) + 1, taille + 16);
}

BoiteTexte::~BoiteTexte() = default;

void BoiteTexte::draw() {
    fl_font(fonte, taille);
    fl_color(couleur);
    const int l = static_cast<int>(fl_width(label())) + 1;
    fl_draw(label(), x(), y(), l, taille + 16, FL_ALIGN_CENTER, nullptr, 0);
}
