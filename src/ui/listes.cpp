#include "listes.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "fenetre.h"

namespace {

// The measures of a list's lines are queries the toolkit keeps protected;
// a derived class may name them, and its member pointers reach any list.
struct Mesures : Fl_Browser_ {
    using Premier = void* (Fl_Browser_::*)() const;
    using Suivant = void* (Fl_Browser_::*)(void*) const;
    using Taille = int (Fl_Browser_::*)(void*) const;
    static constexpr Premier premier = &Mesures::item_first;
    static constexpr Suivant suivant = &Mesures::item_next;
    static constexpr Taille largeur = &Mesures::item_width;
    static constexpr Taille hauteur = &Mesures::item_height;
};

// The frame a list draws: FL_DOWN_BOX when it is given none.
Fl_Boxtype cadre_liste(const Fl_Browser_& l) { return l.box() ? l.box() : FL_DOWN_BOX; }

// The number of lines of l and their total height, frame excluded.
int lignes(Fl_Browser_* l, int& hauteur) {
    int n = 0;
    hauteur = 0;
    for (void* p = (l->*Mesures::premier)(); p; p = (l->*Mesures::suivant)(p), ++n)
        hauteur += (l->*Mesures::hauteur)(p);
    return n;
}

// The bottom of the page's content, in window ordinates.
int bas_contenu(Fl_Scroll* page) {
    int bas = page->y();
    for (int i = 0; i < page->children(); ++i) {
        const Fl_Widget* c = page->child(i);
        if (c != &page->scrollbar && c != &page->hscrollbar) bas = std::max(bas, c->y() + c->h());
    }
    return bas;
}

}  // namespace

// --- list sizes ---------------------------------------------------------------------

int hauteur_lignes(int n, int taille, Fl_Boxtype cadre) {
    // Fonts are measured on the display: opened here if no window is shown yet.
    fl_open_display();
    fl_font(FL_HELVETICA, taille);
    return n * fl_height() + Fl::box_dh(cadre) + 2;
}

int largeur_lignes(Fl_Browser_* l) {
    int large = 0;
    for (void* p = (l->*Mesures::premier)(); p; p = (l->*Mesures::suivant)(p))
        large = std::max(large, (l->*Mesures::largeur)(p));
    const int barre = l->scrollbar_size() ? l->scrollbar_size() : Fl::scrollbar_size();
    return large + Fl::box_dw(cadre_liste(*l)) + (hauteur_lignes(l) > l->h() ? barre : 0);
}

int hauteur_lignes(Fl_Browser_* l) {
    int toutes = 0;
    lignes(l, toutes);
    return toutes + Fl::box_dh(cadre_liste(*l));
}

int hauteur_liste(Fl_Browser_* l, int hmax) {
    int toutes = 0;
    const int n = lignes(l, toutes);
    const int bords = Fl::box_dh(cadre_liste(*l));
    if (toutes + bords <= hmax || n == 0) return toutes + bords;
    const int ligne = toutes / n;
    return std::max(1, (hmax - bords) / ligne) * ligne + bords;
}

void taille_liste(Fl_Browser_* liste, const char* const* lignes, int n, int largeur_min) {
    const Fl_Boxtype cadre = cadre_liste(*liste);
    const int h = hauteur_lignes(n, liste->textsize(), cadre);
    fl_font(liste->textfont(), liste->textsize());
    double large = 0;
    for (int i = 0; i < n; ++i) large = std::max(large, fl_width(lignes[i]));
    // A line takes its text and 6 pixels of margin, inside the frame, and a
    // spare pixel each way, as its height.
    const int w = std::max(largeur_min, static_cast<int>(large) + 6 + Fl::box_dw(cadre) + 2);
    liste->size(w, h);
    // Sized to its lines, the list needs no bar; and the toolkit, which
    // draws a new list with both bars shown, would otherwise keep them when
    // the lines fit only without them.
    liste->has_scrollbar(0);
}

// --- scrolling pages ----------------------------------------------------------------

Fl_Scroll* page_defilante(Fl_Scroll* page, unsigned char type) {
    page->type(type);
    page->box(FL_FLAT_BOX);
    page->color(couleur_pages);
    return page;
}

int position_page(Fl_Group* page) {
    auto* s = dynamic_cast<Fl_Scroll*>(page);
    return s ? s->yposition() : 0;
}

int y_page(Fl_Group* page, int y) { return y - position_page(page); }

void defile_page(Fl_Group* page, int y) {
    auto* s = dynamic_cast<Fl_Scroll*>(page);
    if (!s) return;
    const int fin = bas_contenu(s) + s->yposition() - s->y() - s->h();
    s->scroll_to(s->xposition(), std::max(0, std::min(y, fin)));
    s->redraw();
}

void montre_sur_page(Fl_Group* page, int haut, int bas) {
    auto* s = dynamic_cast<Fl_Scroll*>(page);
    if (!s) return;
    const int fond = s->y() + s->h() - (s->hscrollbar.visible() ? s->hscrollbar.h() : 0);
    int dy = std::max(0, bas - fond);
    if (haut - dy < s->y()) dy = haut - s->y();
    if (dy != 0) defile_page(s, position_page(s) + dy);
}

void montre_liste(Fl_Widget* bouton, Fl_Widget* liste) {
    // An inner page first: its scrolling moves the list on the outer one.
    for (Fl_Group* g = liste->parent(); g; g = g->parent()) {
        const int haut = bouton ? std::min(bouton->y(), liste->y()) : liste->y();
        montre_sur_page(g, haut, liste->y() + liste->h());
    }
}
