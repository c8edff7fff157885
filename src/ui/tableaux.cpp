#include "tableaux.h"

#include <FL/Fl.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <cstdio>

#include "champ_page.h"
#include "fenetre.h"
#include "listes.h"

namespace {

// Text drawn in a rectangle: no "@" symbol markup, whatever the text holds.
void texte_dans(const std::string& s, int x, int y, int w, int h, Fl_Align a) {
    fl_draw(s.c_str(), x, y, w, h, a, nullptr, 0);
}

int largeur(const std::string& s) { return static_cast<int>(fl_width(s.c_str())); }

}  // namespace

// --- Boite_Main -----------------------------------------------------------------

Boite_Main::Boite_Main(int x, int y, int w, int h, const char* deal, char seat)
    : Fl_Box(x, y, w, h) {
    box(FL_UP_BOX);
    color(couleur_blanc);
    const std::array<std::string, 4> l = lignes_main(std::string(deal ? deal : ""), seat);
    for (int k = 0; k < 4; ++k) {
        const int yk = y + 6 + 23 * k;
        new Symb_Couleur(x + 3, yk, k);
        auto* o = new SortiePage(x + 23, yk, w - 26, 20);
        o->box(FL_NO_BOX);
        o->value(l[k].c_str());
        // Nothing to type into: keyboard focus would only show a cursor.
        o->clear_visible_focus();
    }
}

Boite_Main::~Boite_Main() = default;

// --- Symb_Couleur ---------------------------------------------------------------

Symb_Couleur::Symb_Couleur(int x, int y, int suit) : Fl_Button(x, y, 20, 20) {
    box(FL_NO_BOX);
    labelsize(18);
    if (suit >= 0 && suit < 4) label(scoul[suit]);
    labelcolor(couleur_symbole_main(suit));
    clear_visible_focus();
}

Symb_Couleur::~Symb_Couleur() = default;

// --- Centre -----------------------------------------------------------------------

Centre::Centre(int x, int y, int w, int board) : Fl_Box(x, y, w, w) {
    box(FL_NO_BOX);
    const int d = w / 3;
    const std::array<CaseCentre, 4> c = cases_centre(board);
    // Seats 0 Nord, 1 Est, 2 Sud, 3 Ouest round the middle cell.
    const int px[4] = {x + d, x + 2 * w / 3, x + d, x};
    const int py[4] = {y, y + d, y + 2 * w / 3, y + d};
    for (int j = 0; j < 4; ++j) {
        auto* b = new Fl_Box(px[j], py[j], d, d);
        b->box(FL_FLAT_BOX);
        b->copy_label(c[j].label.c_str());
        if (c[j].donneur) b->labelcolor(couleur_blanc);
        b->color(c[j].couleur);
    }
    const std::string n = texte_numero(board);
    auto* o = new SortiePage(0, 0, 0, 0);
    o->box(FL_NO_BOX);
    fl_font(o->textfont(), o->textsize());
    const int tw = largeur(n);
    o->resize(px[0] + (d - tw) / 2, y + d, tw, d);
    o->value(n.c_str());
    o->clear_visible_focus();
}

Centre::~Centre() = default;

// --- TabDDT -------------------------------------------------------------------------

TabDDT::TabDDT(int x, int y, int w, int h, const char* label)
    : Fl_Table(x, y, w, h, label), hdata{"P", "C", "K", "T", "SA"}, vdata{"N", "E", "S", "O"} {
    color(couleur_tableau);
    box(FL_ENGRAVED_BOX);
    rows(4);
    row_header(1);
    row_height_all(25);
    row_resize(0);
    cols(5);
    col_header(1);
    col_width_all(41);
    col_resize(0);
    end();
}

TabDDT::~TabDDT() = default;

void TabDDT::DrawHeader(const char* text, int x, int y, int w, int h) {
    fl_push_clip(x, y, w, h);
    fl_draw_box(FL_ENGRAVED_BOX, x, y, w, h, coul_fenetre_contr);
    fl_color(couleur_entete);
    texte_dans(text, x, y, w, h, FL_ALIGN_CENTER);
    fl_pop_clip();
}

void TabDDT::DrawData(const char* text, int x, int y, int w, int h) {
    fl_push_clip(x, y, w, h);
    fl_draw_box(FL_ENGRAVED_BOX, x, y, w, h, couleur_blanc);
    fl_color(couleur_texte);
    texte_dans(text, x, y, w, h, FL_ALIGN_CENTER);
    fl_pop_clip();
}

void TabDDT::draw_cell(TableContext context, int row, int col, int x, int y, int w, int h) {
    switch (context) {
    case CONTEXT_STARTPAGE:
        fl_font(FL_HELVETICA, 15);
        return;
    case CONTEXT_ROW_HEADER:
        if (row >= 0 && row < 4) DrawHeader(vdata[row], x, y, w, h);
        return;
    case CONTEXT_COL_HEADER:
        if (col >= 0 && col < 5) DrawHeader(hdata[col], x, y, w, h);
        return;
    case CONTEXT_CELL:
        if (row >= 0 && row < 4 && col >= 0 && col < 5)
            DrawData(std::to_string(data[row][col]).c_str(), x, y, w, h);
        return;
    default:
        return;
    }
}

// --- BoitePar -------------------------------------------------------------------------

BoitePar::BoitePar(int x, int y, int w, int h, const structpar& p)
    : Fl_Box(x, y, w, h), resupar(p) {
    box(FL_NO_BOX);
}

BoitePar::~BoitePar() = default;

void BoitePar::draw() {
    const MorceauxPar m = morceaux_par(resupar);
    std::snprintf(niveau, sizeof niveau, "%s", m.niveau.c_str());
    std::snprintf(ccc, sizeof ccc, "%s", m.suite.c_str());
    const int X = x(), Y = y();
    xx = X;
    fl_font(labelfont(), labelsize());
    fl_color(couleur_texte);
    const int wpar = largeur("Par: ");
    texte_dans(m.par, X, Y, wpar, 25, FL_ALIGN_LEFT);
    xx += wpar;
    const int wn = largeur(niveau);
    texte_dans(niveau, static_cast<int>(xx), Y, wn, 25, FL_ALIGN_CENTER);
    xx += wn;
    fl_color(m.couleur);
    if (m.couleur_symbole) fl_font(FL_HELVETICA, 18);
    const int ws = largeur(m.symbole);
    texte_dans(m.symbole, static_cast<int>(xx), Y, ws, 25, FL_ALIGN_LEFT);
    xx += ws + 3;
    fl_font(FL_HELVETICA, 14);
    fl_color(couleur_texte);
    if (m.contre) texte_dans("X", static_cast<int>(xx), Y, largeur("X"), 25, FL_ALIGN_LEFT);
    xx += 10;
    texte_dans(ccc, static_cast<int>(xx), Y, 100, 25, FL_ALIGN_LEFT);
}

// --- BoutonSymb ---------------------------------------------------------------------------

BoutonSymb::BoutonSymb(const std::string& text, int x, int y, int w, int h)
    : Fl_Button(x, y, w, h), ch(text) {}

BoutonSymb::~BoutonSymb() = default;

void BoutonSymb::draw() {
    const int X = x(), Y = y(), W = w(), H = h();
    fl_draw_box(FL_ROUND_UP_BOX, X, Y, W, H, 159);
    const TexteSymboles t = texte_bouton_symb(ch);
    fl_font(labelfont(), labelsize());
    fl_color(couleur_texte);
    texte_dans(t.texte, X, Y, W, H, FL_ALIGN_CENTER);
    const int debut = X + (W - largeur(t.texte)) / 2;
    // Every symbol of the text is drawn, each over the em quad that holds its place.
    for (const SymboleEnLigne& s : t.symboles) {
        const int wa = largeur(s.avant);
        const int ha = fl_height();
        fl_font(FL_HELVETICA, 16);
        fl_color(s.couleur);
        fl_draw(s.symbole.c_str(), debut + wa, Y + H / 2 + ha / 4);
        fl_font(labelfont(), labelsize());
    }
    fl_color(couleur_texte);
    fl_font(FL_HELVETICA, 14);
    if (Fl::focus() == this) draw_focus();
}

// --- BoiteParams --------------------------------------------------------------------------

BoiteParams::BoiteParams(const std::string& text, int x, int y, int w, int h)
    : Fl_Box(x, y, w, h), ch(text) {
    box(FL_NO_BOX);
}

BoiteParams::~BoiteParams() = default;

void BoiteParams::draw() {
    const int X = x(), Y = y(), W = w(), H = h();
    const TexteSymboles t = texte_params(ch);
    fl_font(labelfont(), labelsize());
    // The symbols sit on the baseline of the line, which is centred in the box.
    const int base = Y + (H - fl_height()) / 2 + fl_height() - fl_descent();
    for (const SymboleEnLigne& s : t.symboles) {
        const int wa = largeur(s.avant);
        fl_font(FL_HELVETICA, 16);
        fl_color(s.couleur);
        fl_draw(s.symbole.c_str(), X + wa - 3, base);
        fl_font(labelfont(), labelsize());
    }
    fl_color(couleur_texte);
    texte_dans(t.texte, X, Y, W, H, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

// --- page titles and frames ----------------------------------------------------------------

Titrepage::Titrepage(const char* label, int x, int y, int w) : Fl_Box(x, y, w, 50, label) {
    box(FL_NO_BOX);
    labelfont(FL_HELVETICA_BOLD);
    labelsize(40);
    align(FL_ALIGN_WRAP);
}

Titrepage::~Titrepage() = default;

BoiteForm::BoiteForm(int x, int y, const char* label, int w, int h) : Fl_Box(x, y, w, h, label) {
    box(FL_UP_BOX);
    color(coul_fenetre_contr);
    labeltype(FL_ENGRAVED_LABEL);
    labelsize(18);
    // Top, bottom and left without "inside": the title stands above the box, at its left.
    align(Fl_Align(FL_ALIGN_TOP | FL_ALIGN_BOTTOM | FL_ALIGN_LEFT));
}

BoiteForm::~BoiteForm() = default;

BoiteChamp::BoiteChamp(int x, int y, int w, int h, const char* label) : Fl_Box(x, y, w, h, label) {}

BoiteChamp::~BoiteChamp() = default;

void BoiteChamp::draw() {
    const int X = x(), Y = y(), W = w(), H = h();
    fl_font(FL_HELVETICA_BOLD, 18);
    fl_rectf(X, Y, W, H, color());
    fl_color(couleur_bord_champ);
    fl_line_style(FL_SOLID, 2);
    fl_rect(X, Y, W, H);
    const char* l = label() ? label() : "";
    // The title straddles the top edge: clear the border under it first.
    fl_color(color());
    fl_line_style(FL_SOLID, 3);
    fl_line(X + 32, Y, X + 48 + largeur(l), Y);
    fl_line_style(0);
    fl_color(couleur_texte);
    fl_draw(l, X + 40, Y + fl_height() / 4);
}

BoiteCadre::BoiteCadre(int x, int y, int w, int h, const char* label, int bord, Fl_Color cbord,
                       Fl_Color fond)
    : Fl_Box(x, y, w, h, label), bord(bord), cbord(cbord), fond(fond) {}

BoiteCadre::~BoiteCadre() = default;

void BoiteCadre::draw() {
    const int X = x(), Y = y(), W = w(), H = h();
    fl_rectf(X + bord, Y + bord, W - 2 * bord, H - 2 * bord, fond);
    fl_color(cbord);
    fl_line_style(FL_SOLID, bord);
    fl_rect(X, Y, W, H);
    fl_line_style(0);
    if (label() && *label()) {
        fl_color(couleur_entete);
        fl_font(FL_HELVETICA_BOLD, labelsize());
        fl_draw(label(), X + (W - largeur(label())) / 2, Y + H / 2 + fl_descent());
    }
}

BoutonChoix::BoutonChoix(int x, int y, int w, int h, const char* label)
    : Fl_Button(x, y, w, h, label) {}

BoutonChoix::~BoutonChoix() = default;

void BoutonChoix::draw() {
    const int X = x(), Y = y(), W = w();
    fl_line_style(0);
    fl_font(FL_HELVETICA, 15);
    fl_draw_box(FL_UP_BOX, X, Y, W, h(), couleur_blanc);
    fl_color(couleur_texte);
    const char* l = label() ? label() : "";
    const int base = Y + fl_height();
    fl_draw(l, X + (W - 20 - largeur(l)) / 2, base);
    fl_draw(marque_choix, X + W - 20, base);
    if (Fl::focus() == this) draw_focus();
}

BoiteCarte::BoiteCarte(int x, int y, int w, int h, int no) : Fl_Box(x, y, w, h), no(no) {}

BoiteCarte::~BoiteCarte() = default;

void BoiteCarte::draw() {
    const TexteCarte t = texte_carte(no);
    const int X = x(), Y = y(), W = w(), H = h();
    fl_font(FL_HELVETICA, 18);
    fl_color(couleur_texte);
    const int xr = X + (W - largeur(t.t)) / 2;
    fl_draw(t.rang.c_str(), xr, Y + H);
    fl_font(FL_HELVETICA, 20);
    fl_color(t.couleur);
    fl_draw(t.symbole.c_str(), xr + largeur(t.rang) + 3, Y + H);
}

// --- selectors ---------------------------------------------------------------------

void Fenetre::cb_bjoueur(Fl_Widget* bouton, void* list) {
    // The list's own callback stores the choice, hides the list again and
    // relabels the button.
    auto* w = static_cast<Fl_Widget*>(list);
    if (!w) return;
    // From its first line, so that a click picks the line under the pointer
    // and not one a former scrolling left there.
    if (auto* l = dynamic_cast<Fl_Browser_*>(w)) {
        l->position(0);
        l->hposition(0);
    }
    w->show();
    montre_liste(bouton, w);
}

Fl_Select_Browser* liste_choix(Fl_Button* bouton, int x, int y, int w, int h,
                               const char* const* lignes, int n, Fl_Callback* cb, int taille) {
    auto* l = new Fl_Select_Browser(x, y, w, h);
    l->textsize(taille);
    l->has_scrollbar(Fl_Browser_::VERTICAL);
    for (int i = 0; i < n; ++i) l->add(lignes[i]);
    l->callback(cb, bouton);
    l->hide();
    bouton->callback(Fenetre::cb_bjoueur, l);
    return l;
}
