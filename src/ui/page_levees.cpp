#include "page_levees.h"

#include <FL/Fl.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "bridge.h"
#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "entrees_stat.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "parametres.h"
#include "score.h"
#include "statlevees.h"
#include "tableaux.h"

namespace {

// The labels of the strain rows, by suit index.
const char* const T[5] = {" Pique par ", " Cœur par ", " Carreau par ", " Trèfle par ",
                          "Sans-atout par"};

// The seat lists name the seats from Sud round to Est.
const char* const lignes_sieges[4] = {"sud", "ouest", "nord", "est"};

// Height of a strain row's group: the open seat list hangs 80 pixels below
// the row's top, over the next row, and must still be inside its group to
// receive clicks.
constexpr int haut_ligne = 85;

// The first widget under g (depth first) that pred accepts.
template <class Pred>
Fl_Widget* cherche(Fl_Group* g, Pred pred) {
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* w = g->child(i);
        if (pred(w)) return w;
        if (Fl_Group* sous = w->as_group())
            if (Fl_Widget* r = cherche(sous, pred)) return r;
    }
    return nullptr;
}

// The page comes back showing what a statistic will use now, even when the
// values were changed on another page since.
void rafraichit(Fl_Group* page) {
    auto champ = [page](Fl_Callback* cb) {
        return dynamic_cast<Fl_Input_*>(
            cherche(page, [cb](Fl_Widget* w) { return w->callback() == cb; }));
    };
    if (Fl_Input_* n = champ(cb_inbdonnes)) n->value(std::to_string(nbstat).c_str());
    if (Fl_Input_* l = champ(cb_limite)) l->value(std::to_string(limite).c_str());
    if (auto* nom = dynamic_cast<Fl_Output*>(cherche(page, [](Fl_Widget* w) {
            return w->label() && std::string(w->label()) == "Contraintes :";
        })))
        nom->value(contr.nom.c_str());
}

// A text left of its field.
int largeur_texte(const char* texte, Fl_Font police, int taille) {
    fl_font(police, taille);
    return static_cast<int>(fl_width(texte));
}

// The width of the widest blank-separated word of text, in the current font.
double mot_le_plus_large(const char* text) {
    double max = 0;
    const std::string t = text;
    std::size_t debut = 0;
    while (debut <= t.size()) {
        std::size_t fin = t.find(' ', debut);
        if (fin == std::string::npos) fin = t.size();
        max = std::max(max, fl_width(t.c_str() + debut, static_cast<int>(fin - debut)));
        debut = fin + 1;
    }
    return max;
}

}  // namespace

// --- widgets ----------------------------------------------------------------------------

SelectJ::SelectJ(int x, int y, int i, IntBouton* ib) : Fl_Group(x, y, 140, 80) {
    bouton = new Fl_Button(x, y, 70, 25, nomjoueur[declarants[static_cast<std::size_t>(i)]]);
    bouton->color(FL_WHITE);
    bouton->labelsize(16);
    choix = new Fl_Select_Browser(x + 70, y, 70, 80);
    for (const char* l : lignes_sieges) choix->add(l);
    taille_liste(choix, lignes_sieges, 4, 70);
    choix->hide();
    ib->entier = i;
    ib->bouton = bouton;
    choix->callback(cb_choix, ib);
    bouton->callback(Fenetre::cb_bjoueur, choix);
    end();
}

SelectJ::~SelectJ() = default;

Choix_Stat::Choix_Stat(int x, int y, int w, int h, int i, const char*)
    : Fl_Group(x, y, w, h), indice(i) {
    const auto k = static_cast<std::size_t>(i);
    check = new Fl_Check_Button(x, y, 170, 25, T[i]);
    check->labelsize(18);
    check->value(couleurs[k] ? 1 : 0);
    check->callback(cb_check, &indice);
    sel_decl = new SelectJ(x + 180, y, i, &ib);
    check_contre = new Fl_Check_Button(x + 328, y, 90, 25, "Contré");
    check_contre->value(contres[k] ? 1 : 0);
    check_contre->callback(cb_contre, &indice);
    end();
}

Choix_Stat::~Choix_Stat() = default;

MyTable::MyTable(int x, int y, int w, int h, int largeur_colonne) : Fl_Table(x, y, w, h) {
    box(FL_THIN_DOWN_FRAME);
    color(coul_fenetre_contr);
    rows(14);
    row_header(0);
    row_height_all(30);
    row_resize(0);
    cols(4);
    col_header(1);
    col_header_height(35);
    col_width_all(110);
    col_width_all(largeur_colonne);
    col_resize(0);
    end();
}

MyTable::~MyTable() = default;

void MyTable::DrawHeader(const char* text, int x, int y, int w, int h) {
    fl_push_clip(x, y, w, h);
    fl_draw_box(FL_THIN_UP_BOX, x, y, w, h, coul_fenetre_contr);
    fl_color(couleur_entete);
    // A narrow column (five strains) breaks its title at the blank, in a
    // size where its longest word fits.
    const bool large = fl_width(text) + 6 <= w;
    if (!large) {
        int taille = 14;
        for (fl_font(FL_HELVETICA, taille); taille > 9 && mot_le_plus_large(text) + 4 > w;)
            fl_font(FL_HELVETICA, --taille);
    }
    fl_draw(text, x + 2, y, w - 4, h,
            large ? FL_ALIGN_CENTER : Fl_Align(FL_ALIGN_CENTER | FL_ALIGN_WRAP), nullptr, 0);
    fl_font(FL_HELVETICA, 16);
    fl_pop_clip();
}

void MyTable::DrawData(const char* text, int x, int y, int w, int h) {
    fl_push_clip(x, y, w, h);
    fl_color(FL_WHITE);
    fl_rectf(x, y, w, h);
    fl_color(FL_GRAY0);
    fl_draw(text, x, y, w, h, FL_ALIGN_CENTER, nullptr, 0);
    fl_color(color());
    fl_rect(x, y, w, h);
    fl_pop_clip();
}

void MyTable::draw_cell(TableContext context, int r, int c, int x, int y, int w, int h) {
    static char s[40];
    switch (context) {
        case CONTEXT_STARTPAGE:
            fl_font(FL_HELVETICA, 16);
            return;
        case CONTEXT_COL_HEADER:
            if (c >= 0 && c < 4) DrawHeader(hdata[c], x, y, w, h);
            return;
        case CONTEXT_ROW_HEADER:
            std::snprintf(s, sizeof s, "%03d:", r);
            DrawHeader(s, x, y, w, h);
            return;
        case CONTEXT_CELL:
            if (r < 0 || r >= 14 || c < 0 || c >= 4) return;
            s[0] = '\0';
            if (c == 0 || (r >= 7 && (c == 2 || c == 3)))
                std::snprintf(s, sizeof s, "%d", data[r][c]);
            else if (c == 1) std::snprintf(s, sizeof s, "%3.1f", pourcentage[r]);
            DrawData(s, x, y, w, h);
            return;
        default:
            return;
    }
}

int esperance_tronquee(const int* cumul, int niveau, int couleur, bool vulnerable, int contre) {
    // Summed over the deal counts and divided once: the shares of each
    // trick count would add up a hair under an exact result (180 as
    // 179.99999), and truncation would then show one point less.
    std::vector<double> nombre(14);
    for (int t = 0; t < 14; ++t)
        nombre[static_cast<std::size_t>(t)] = t < 13 ? cumul[t] - cumul[t + 1] : cumul[t];
    if (cumul[0] <= 0) return 0;
    return static_cast<int>(esperance(nombre, niveau, couleur, vulnerable, contre) / cumul[0]);
}

// --- callbacks --------------------------------------------------------------------------------

void cb_check(Fl_Widget* w, void* i) {
    couleurs[static_cast<std::size_t>(*static_cast<int*>(i))] =
        static_cast<Fl_Check_Button*>(w)->value() != 0;
}

void cb_contre(Fl_Widget* w, void* i) {
    contres[static_cast<std::size_t>(*static_cast<int*>(i))] =
        static_cast<Fl_Check_Button*>(w)->value() != 0;
}

void cb_choix(Fl_Widget* list, void* data) {
    auto* b = static_cast<Fl_Select_Browser*>(list);
    const int ligne = b->value();
    // A click below the last line selects nothing: the list stays open.
    if (ligne < 1 || ligne > 4) return;
    auto* ib = static_cast<IntBouton*>(data);
    const int d = (ligne + 1) % 4;
    declarants[static_cast<std::size_t>(ib->entier)] = d;
    b->hide();
    ib->bouton->label(nomjoueur[d]);
    ib->bouton->redraw();
}

void cb_callev(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    static_cast<Fenetre*>(fenetre)->res_levees(couleurs);
}

// --- the page -----------------------------------------------------------------------------------

void Fenetre::stats_levees() {
    color(couleur_pages);
    detruit_widgets();
    if (gstats) {
        rafraichit(gstats);
        gstats->show();
        redraw();
        return;
    }
    Fl_Group* avant = Fl_Group::current();
    begin();
    gstats = new Fl_Group(0, 30, w, h - 30);
    const int xb = xbcontrats;
    new Titrepage("Statistiques nombre de levées", 100, 80, xm - 200);

    auto* cadre = new Fl_Box(xb, 150, 891, 46);
    cadre->box(FL_UP_BOX);
    cadre->color(coul_fenetre_contr);
    auto* nom = new SortiePage(xb + 20 + largeur_texte("Contraintes : ", FL_HELVETICA_ITALIC, 14),
                              160, 600, 26, "Contraintes :");
    nom->labelfont(FL_HELVETICA_ITALIC);
    nom->value(contr.nom.c_str());
    nom->clear_visible_focus();

    new BoiteForm(xb, 226, "Contrats", 891, 300);
    for (int i = 0; i < 5; ++i) new Choix_Stat(xb + 20, 240 + 50 * i, 600, haut_ligne, i);
    auto* calculer = new Fl_Button(xb + 20, 486, 90, 30, "Calculer");
    // The focus stays in the field being edited: the button takes it first
    // and stops when it is refused (prend_saisie).
    calculer->clear_visible_focus();
    calculer->callback(cb_callev, this);
    // A shortcut goes first to the widgets under the mouse: with an
    // underlined C the button would take the menu's Alt+C (Comparer) and
    // Alt+Shift+C (Probabilités) whenever the mouse is over the page.
    calculer->shortcut(FL_CTRL + FL_Enter);

    new BoiteForm(xb, 556, "Nombre de tirages", 891, 50);
    const int xn = xb + 20 + largeur_texte("Nombre de donnes : ", FL_HELVETICA, 14);
    auto* inb = new ChampStat(xn, 568, 80, 26, "Nombre de donnes : ", cb_inbdonnes);
    inb->value(std::to_string(nbstat).c_str());
    const int xl = xn + 100 + largeur_texte("Limite : ", FL_HELVETICA, 14);
    auto* ilim = new ChampStat(xl, 568, 40, 26, "Limite : ", cb_limite);
    ilim->value(std::to_string(limite).c_str());
    auto* note = new Fl_Box(xl + 50, 568, xb + 891 - (xl + 50) - 10, 26, note_limite);
    note->labelfont(FL_HELVETICA_ITALIC);
    note->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    gstats->end();
    end();
    Fl_Group::current(avant);
    redraw();
}

void Fenetre::res_levees(std::vector<bool>& choisies) {
    const std::time_t debut = std::time(nullptr);
    std::vector<int> strains, decl;
    for (int i = 0; i < 5; ++i)
        if (choisies[static_cast<std::size_t>(i)]) {
            strains.push_back(i);
            decl.push_back(declarants[static_cast<std::size_t>(i)]);
        }
    if (strains.empty()) {
        alerte("Aucune couleur choisie");
        return;
    }
    std::vector<int> nbgagne;
    const std::int64_t tirages = statlc(strains, decl, nbgagne);
    // A spent budget, a refused request or a solver failure: the alert, no figures.
    if (bilan_stat.statut != Statut::ok) {
        alerte(bilan_stat.message);
        return;
    }
    const double nd = static_cast<double>(bilan_stat.analysees);
    const int secondes = static_cast<int>(std::difftime(std::time(nullptr), debut));

    if (gstats) gstats->hide();
    if (gres_lev) {
        Fl::delete_widget(gres_lev);
        gres_lev = nullptr;
    }
    const int n = static_cast<int>(strains.size());
    const int cw = 120 - 12 * n;
    const int W = n * (4 * cw + 6) + 3;
    const int x0 = std::max(0, (w - W) / 2);

    Fl_Group* avant = Fl_Group::current();
    begin();
    // Five tables and their footer are taller than a 768-pixel screen.
    gres_lev = page_defilante(new Fl_Scroll(0, 30, w, h - 30));
    new Titrepage("Statistiques nombre de levées", 100, 80, xm - 200);
    auto* fond = new Fl_Box(x0, 150, W, 600);
    fond->box(FL_UP_BOX);
    fond->color(coul_fenetre_contr);
    auto* titre_res = new Fl_Box(x0, 150, W, 40, "Résultats");
    titre_res->box(FL_UP_BOX);
    titre_res->color(coul_fenetre_contr);
    titre_res->labelfont(FL_HELVETICA_BOLD);
    titre_res->labelsize(25);
    titre_res->labelcolor(136);

    for (int k = 0; k < n; ++k) {
        const int c = strains[static_cast<std::size_t>(k)];
        const int d = decl[static_cast<std::size_t>(k)];
        const int* g = nbgagne.data() + 14 * k;
        const int xk = x0 + 4 + k * (4 * cw + 6);
        std::vector<double> p(14);
        double moyenne = 0;
        for (int t = 0; t < 14; ++t) {
            p[static_cast<std::size_t>(t)] = (t < 13 ? g[t] - g[t + 1] : g[t]) / nd;
            moyenne += t * p[static_cast<std::size_t>(t)];
        }
        auto* cadre = new Fl_Box(xk, 195, 4 * cw + 4, 545);
        cadre->box(FL_ENGRAVED_BOX);
        cadre->color(coul_fenetre_contr);
        auto* titre_k = new SortiePage(xk + 2, 200, 4 * cw, 30);
        titre_k->box(FL_NO_BOX);
        titre_k->textfont(FL_HELVETICA_BOLD);
        titre_k->textsize(20);
        titre_k->textcolor(136);
        // The expectations of a doubled strain are those of doubled
        // contracts: the title says so.
        std::string titre_pair = std::string(vcoulssa[c]) + " par " + nomjoueur[d];
        if (contres[static_cast<std::size_t>(c)]) titre_pair += ", contré";
        titre_k->value(titre_pair.c_str());
        // Five strains leave 240 pixels a title: smaller rather than cut.
        int taille = 20;
        while (taille > 12 &&
               largeur_texte(titre_pair.c_str(), FL_HELVETICA_BOLD, taille) + 8 > 4 * cw)
            --taille;
        titre_k->textsize(taille);
        titre_k->clear_visible_focus();
        auto* tab = new MyTable(xk, 235, 4 * cw + 4, 460, cw);
        for (int t = 0; t < 14; ++t) {
            tab->data[t][0] = t;
            tab->pourcentage[t] = 100.0 * g[t] / nd;
            if (t >= 7) {
                const int contre = contres[static_cast<std::size_t>(c)] ? 1 : 0;
                tab->data[t][2] = esperance_tronquee(g, t - 6, c, false, contre);
                tab->data[t][3] = esperance_tronquee(g, t - 6, c, true, contre);
            }
        }
        auto* moy = new SortiePage(xk + 4 + largeur_texte("Moyenne : ", FL_HELVETICA, 14), 703, 70,
                                  25, "Moyenne : ");
        moy->value(dstring(moyenne, 4).c_str());
        moy->clear_visible_focus();
    }
    char pied[160];
    std::snprintf(pied, sizeof pied, "%lld tirages, %lld donnes analysées en %d'%d''",
                  static_cast<long long>(tirages), static_cast<long long>(bilan_stat.analysees),
                  secondes / 60, secondes % 60);
    auto* bas = new SortiePage(x0 + (W - 400) / 2, 755, 400, 25);
    bas->box(FL_NO_BOX);
    bas->value(pied);
    bas->clear_visible_focus();
    gres_lev->end();
    end();
    Fl_Group::current(avant);
    redraw();
}
