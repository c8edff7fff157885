#include "page_compare.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "bridge.h"
#include "champ_page.h"
#include "condouv.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "statlevees.h"
#include "tableaux.h"

namespace {

// A contract row added by a larger count: a playable contract rather than
// level 0, which the engine would refuse.
constexpr int niveau_neuf = 3;
constexpr int couleur_neuve = 4;    // sans-atout
constexpr int declarant_neuf = 2;   // Sud

const char* const lignes_niveaux[7] = {"1", "2", "3", "4", "5", "6", "7"};
const char* const lignes_contre[2] = {"non contré", "contré"};
// The declarer lists name the seats from Sud round to Est: line l is seat (l + 1) mod 4.
const char* const lignes_sieges[4] = {"sud", "ouest", "nord", "est"};
const char* const chiffres[8] = {"0", "1", "2", "3", "4", "5", "6", "7"};

// This page words a spent budget without the trick page's final full stop.
const char* const alerte_limite =
    "Limite atteinte avant terme. Augmentez la limite ou diminuez le nombre de donnes";

constexpr int y_titre = 80;          // the page's title
constexpr int haut_ligne = 25;       // a contract row
constexpr int largeur_form = 971;    // the "Contrats" form
constexpr int largeur_res = 891;     // the results panel

int largeur_texte(const char* texte, Fl_Font police, int taille) {
    fl_open_display();
    fl_font(police, taille);
    return static_cast<int>(fl_width(texte));
}

// A hidden list of the lines given, below (x, y), showing them all and each
// whole, at least w wide.
Fl_Select_Browser* liste(int x, int y, int w, const char* const* lignes, int n) {
    auto* l = new Fl_Select_Browser(x, y, w, 10);
    for (int i = 0; i < n; ++i) l->add(lignes[i]);
    taille_liste(l, lignes, n, w);
    l->hide();
    return l;
}

// The label of a level button; an out-of-range value shows as it is, so
// that "Calculer" can refuse it visibly.
const char* texte_niveau(int niveau) {
    return niveau >= 0 && niveau <= 7 ? chiffres[niveau] : "?";
}

const char* texte_couleur(int couleur) {
    return couleur >= 0 && couleur <= 4 ? sacouls[(couleur + 1) % 5] : "?";
}

const char* texte_declarant(int siege) { return siege >= 0 && siege <= 3 ? joueurs[siege] : "?"; }

// The selected line of a list callback, or 0 after a click below the last
// line: the list closes and nothing changes.
int ligne_choisie(Fl_Widget* list, int nb_lignes) {
    auto* b = static_cast<Fl_Select_Browser*>(list);
    const int l = b->value();
    b->hide();
    return l >= 1 && l <= nb_lignes ? l : 0;
}

void relabel(IntBouton* ib, const char* texte) {
    ib->bouton->label(texte);
    ib->bouton->redraw();
}

std::size_t rang(const IntBouton* ib) { return static_cast<std::size_t>(ib->entier); }

Fl_Button* bouton_blanc(int x, int y, int w, const char* label) {
    auto* b = new Fl_Button(x, y, w, haut_ligne, label);
    b->color(FL_WHITE);
    return b;
}

// Gives the contract vectors n entries (n clamped to 1..4): rows kept keep
// their contract, new rows start at a playable one.
void ajuste_contrats(int n) {
    nb_contrats = n < 1 ? 1 : n > 4 ? 4 : n;
    const auto k = static_cast<std::size_t>(nb_contrats);
    comp_niveau.resize(k, niveau_neuf);
    comp_couleur.resize(k, couleur_neuve);
    comp_contre.resize(k, 0);
    comp_declarant.resize(k, declarant_neuf);
    vcontrats.resize(k);
}

}  // namespace

// --- the page ---------------------------------------------------------------------------

PageComparaison::PageComparaison(Fenetre* fenetre, int x, int y, int w, int h)
    : Fl_Scroll(x, y, w, h) {
    page_defilante(this);
    const int n = nb_contrats;
    titre = new Titrepage("Comparaison des contrats", 100, y_titre, xm - 200);

    nom = new SortiePage(16, 150, 200, 30, "Nom des contraintes");
    nom->align(FL_ALIGN_TOP_LEFT);
    nom->color(coul_fenetre_contr);
    nom->clear_visible_focus();

    const int x0 = xbcontrats - 80;
    // Offsets from the top of the "Contrats" form.
    const int d_lignes = 190;
    const int d_calculer = d_lignes + n * haut_ligne + 12;
    const int haut_form = d_calculer + 30 + 15;
    const int d_params = haut_form + 15;
    // The lowest the page reaches: the inputs, or the lists of the last row
    // open below it, the tallest its seven levels.
    const int d_bas = std::max(d_params + 50, d_lignes + n * haut_ligne + hauteur_lignes(7));
    // The form keeps the band above it for the results panel (150 to 325),
    // and gives up the rest of the band, down to 340, where the window is
    // too low for the whole page.
    const int y0 = std::max(340, std::min(400, y + h - 4 - d_bas));
    const int y_lignes = y0 + d_lignes;
    const int y_calculer = y0 + d_calculer;
    const int y_params = y0 + d_params;
    // It holds the statistics inputs too, and the lists of the last row
    // when they open below it, over those inputs.
    auto* gcontrats = new Fl_Group(x0, y0, largeur_form, d_bas);
    new BoiteForm(x0, y0, "Contrats", largeur_form, haut_form);

    const char* titre_nombre = "Nombre de contrats ";
    auto* lab = new Fl_Box(x0 + 20, y0 + 12, largeur_texte(titre_nombre, FL_HELVETICA, 14),
                           haut_ligne, titre_nombre);
    lab->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    const int xnb = x0 + 20 + lab->w();
    bnombre = bouton_blanc(xnb, y0 + 12, 35, chiffres[n]);

    auto* gmodes = new Fl_Group(x0 + 20, y0 + 50, largeur_form - 40, 5 * 25);
    for (int m = 0; m < nb_modes_comparaison; ++m) {
        auto* r = new Fl_Round_Button(x0 + 20, y0 + 50 + 25 * m, largeur_form - 40, 25,
                                      noms_comparaison[m]);
        r->type(FL_RADIO_BUTTON);
        // The longest name is wider than the form at the usual size:
        // smaller rather than cut by the form's edge.
        int taille = FL_NORMAL_SIZE;
        while (taille > 10 &&
               largeur_texte(noms_comparaison[m], FL_HELVETICA, taille) + 30 > r->w())
            --taille;
        r->labelsize(taille);
        r->callback(cb_comp, reinterpret_cast<void*>(static_cast<std::uintptr_t>(m)));
        modes.push_back(r);
    }
    gmodes->end();

    // The rows' buttons first, their lists after: a list opening below its
    // row must lie over the rows beneath it, for drawing and for clicks.
    static const int largeurs[4] = {40, 75, 90, 70};
    lignes.resize(static_cast<std::size_t>(n));
    std::vector<std::array<int, 4>> xs(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Ligne& l = lignes[k];
        const int yl = y_lignes + i * haut_ligne;
        const std::string titre = "Contrat n°" + std::to_string(i + 1) + " : ";
        auto* t = new Fl_Box(x0 + 20, yl, largeur_texte(titre.c_str(), FL_HELVETICA, 14) + 4,
                             haut_ligne);
        t->copy_label(titre.c_str());
        t->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        int xb = x0 + 20 + t->w();
        for (int s = 0; s < 4; ++s) {
            if (s == sel_declarant) {
                auto* par = new Fl_Box(xb, yl, largeur_texte("par ", FL_HELVETICA, 14) + 4,
                                       haut_ligne, "par ");
                par->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
                xb += par->w();
            }
            xs[k][static_cast<std::size_t>(s)] = xb;
            l.bouton[static_cast<std::size_t>(s)] = bouton_blanc(xb, yl, largeurs[s], nullptr);
            xb += largeurs[s] + 6;
        }
        l.bouton[sel_niveau]->label(texte_niveau(comp_niveau[k]));
        l.bouton[sel_couleur]->label(texte_couleur(comp_couleur[k]));
        l.bouton[sel_contre]->label(comp_contre[k] == 1 ? "contré" : "non contré");
        l.bouton[sel_declarant]->label(texte_declarant(comp_declarant[k]));
    }
    calculer = new Fl_Button(x0 + 20, y_calculer, 90, 30, "Calculer");
    // The focus stays in the field being edited: the button takes it first
    // and stops when it is refused (prend_saisie).
    calculer->clear_visible_focus();
    calculer->callback(cb_calcomp, fenetre);
    // The key of every compute button; no menu entry uses it, and the label
    // underlines no letter, whose Alt+letter would shadow the menu's.
    calculer->shortcut(FL_CTRL + FL_Enter);
    champs = parametres(y_params, x0, largeur_form);

    // Built from the last row up, so that an upper row's list lies over
    // the lists of the rows below it.
    static Fl_Callback* const rappels[4] = {cb_comp_niveau, cb_comp_cou, cb_comp_contre,
                                            cb_comp_jou};
    for (int i = n - 1; i >= 0; --i) {
        const auto k = static_cast<std::size_t>(i);
        Ligne& l = lignes[k];
        const int yl = y_lignes + (i + 1) * haut_ligne;
        l.liste[sel_niveau] = liste(xs[k][sel_niveau], yl, largeurs[sel_niveau], lignes_niveaux, 7);
        l.liste[sel_couleur] = liste(xs[k][sel_couleur], yl, largeurs[sel_couleur], sacouls, 5);
        l.liste[sel_contre] = liste(xs[k][sel_contre], yl, largeurs[sel_contre], lignes_contre, 2);
        l.liste[sel_declarant] =
            liste(xs[k][sel_declarant], yl, largeurs[sel_declarant], lignes_sieges, 4);
        for (std::size_t s = 0; s < 4; ++s) {
            l.ib[s].entier = i;
            l.ib[s].bouton = l.bouton[s];
            l.liste[s]->callback(rappels[s], &l.ib[s]);
            l.bouton[s]->callback(Fenetre::cb_bjoueur, l.liste[s]);
        }
    }
    lnombre = liste(xnb, y0 + 12 + haut_ligne, 35, chiffres + 1, 4);
    wb.win = fenetre;
    wb.bout = bnombre;
    lnombre->callback(cb_nbcontrats, &wb);
    bnombre->callback(Fenetre::cb_bjoueur, lnombre);
    gcontrats->end();
    end();
    rafraichit();
}

PageComparaison::~PageComparaison() = default;

void PageComparaison::en_haut() {
    // The toolkit counts the scroll position from the top of the children,
    // not from where they were built: the title tells how far they moved.
    const int decalage = titre->y() - y_titre;
    if (decalage != 0) scroll_to(xposition(), yposition() + decalage);
}

void PageComparaison::rafraichit() {
    nom->value(contr.nom.c_str());
    montre_parametres(champs);
    for (std::size_t m = 0; m < modes.size(); ++m) modes[m]->value(m == comparaison ? 1 : 0);
}

// --- callbacks --------------------------------------------------------------------------------

void cb_comp(Fl_Widget*, void* mode) { comparaison = reinterpret_cast<std::uintptr_t>(mode); }

void cb_nbcontrats(Fl_Widget* list, void* data) {
    const int v = ligne_choisie(list, 4);
    if (v == 0) return;
    auto* wb = static_cast<WinBout*>(data);
    wb->bout->label(chiffres[v]);
    ajuste_contrats(v);
    // The rows are sized with the page, and this list is one of its
    // widgets: the page goes to deferred deletion and is built anew.
    Fenetre* f = wb->win;
    if (f->gcompare) {
        f->gcompare->hide();
        f->remove(f->gcompare);
        Fl::delete_widget(f->gcompare);
        f->gcompare = nullptr;
    }
    f->comparer(false, 0, 0);
}

void cb_comp_niveau(Fl_Widget* list, void* data) {
    const int l = ligne_choisie(list, 7);
    if (l == 0) return;
    auto* ib = static_cast<IntBouton*>(data);
    comp_niveau[rang(ib)] = l;
    relabel(ib, chiffres[l]);
}

void cb_comp_cou(Fl_Widget* list, void* data) {
    const int l = ligne_choisie(list, 5);
    if (l == 0) return;
    auto* ib = static_cast<IntBouton*>(data);
    comp_couleur[rang(ib)] = (l + 3) % 5;
    relabel(ib, sacouls[l - 1]);
}

void cb_comp_contre(Fl_Widget* list, void* data) {
    const int l = ligne_choisie(list, 2);
    if (l == 0) return;
    auto* ib = static_cast<IntBouton*>(data);
    comp_contre[rang(ib)] = l - 1;
    relabel(ib, lignes_contre[l - 1]);
}

void cb_comp_jou(Fl_Widget* list, void* data) {
    const int l = ligne_choisie(list, 4);
    if (l == 0) return;
    auto* ib = static_cast<IntBouton*>(data);
    const int d = (l + 1) % 4;
    comp_declarant[rang(ib)] = d;
    relabel(ib, joueurs[d]);
}

void cb_calcomp(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    static_cast<Fenetre*>(fenetre)->res_compare();
}

// --- building, running, showing ---------------------------------------------------------------

void Fenetre::comparer(bool avec_resultats, std::int64_t tirages, int secondes) {
    color(couleur_pages);
    detruit_widgets();
    Fl_Group* avant = Fl_Group::current();
    if (!gcompare) {
        ajuste_contrats(nb_contrats);
        begin();
        gcompare = new PageComparaison(this, 0, 30, w, h - 30);
        end();
    }
    auto* page = static_cast<PageComparaison*>(gcompare);
    page->rafraichit();
    if (avec_resultats) {
        // Each run replaces the panel of the one before.
        if (page->resultats) {
            page->resultats->hide();
            page->remove(page->resultats);
            Fl::delete_widget(page->resultats);
            page->resultats = nullptr;
        }
        // The panel goes at the top of the page, which is shown from there.
        page->en_haut();
        const int xr = xbcontrats;
        page->begin();
        page->resultats = new Fl_Group(xr, 150, largeur_res, 175);
        new BoiteForm(xr, 150, nullptr, largeur_res, 175);
        auto* titre_res = new Fl_Box(xr, 150, largeur_res, 45, "Résultats");
        titre_res->box(FL_BORDER_FRAME);
        titre_res->labelsize(20);
        titre_res->labelcolor(136);

        const bool fine = comparaison == comp_fine;
        const int ncol = static_cast<int>(rep.size());
        const int lc = largeur_res / (ncol > 0 ? ncol : 1);
        for (int j = 0; j < ncol; ++j) {
            const auto k = static_cast<std::size_t>(j);
            const int xc = xr + j * lc;
            auto* cadre = new Fl_Box(xc, 195, lc, 105);
            cadre->box(FL_BORDER_FRAME);
            // What the figure counts: a contract (alone in the fine
            // comparison), both contracts, or any of them.
            std::vector<BoiteTexte*> mots;
            if (comparaison == comp_un_des) {
                mots.push_back(new BoiteTexte(xc, 200, "l'un des contrats"));
            } else if (fine && j == 2) {
                mots.push_back(new BoiteTexte(xc, 200, "Les deux"));
            } else {
                mots.push_back(new BoiteTexte(xc, 200, texte_niveau(comp_niveau[k])));
                const int c = comp_couleur[k];
                if (c >= 0 && c <= 4)
                    mots.push_back(new BoiteTexte(xc, 200, scoul[c], 0, 18, couls[c]));
                if (comp_contre[k] == 1) mots.push_back(new BoiteTexte(xc, 200, "X"));
                mots.push_back(new BoiteTexte(xc, 200, "par"));
                mots.push_back(new BoiteTexte(xc, 200, texte_declarant(comp_declarant[k])));
                if (fine) mots.push_back(new BoiteTexte(xc, 200, "seul"));
            }
            // The words centred on the column, a blank apart.
            const int blanc = 6;
            int total = -blanc;
            for (BoiteTexte* m : mots) total += m->w() + blanc;
            int xm_ = xc + (lc - total) / 2;
            for (BoiteTexte* m : mots) {
                m->position(xm_, 200);
                xm_ += m->w() + blanc;
            }
            char texte[64];
            std::snprintf(texte, sizeof texte, "%f %%", rep[k]);
            auto* o = new SortiePage(xc + (lc - 180) / 2, 240, 180, 40);
            o->box(FL_NO_BOX);
            o->textsize(20);
            o->textcolor(88);
            o->value(texte);
            o->clear_visible_focus();
            // Centre the figure itself in its field.
            fl_font(o->textfont(), o->textsize());
            const int lt = static_cast<int>(fl_width(texte));
            o->resize(xc + (lc - lt) / 2 - 4, 240, lt + 12, 40);
        }
        auto* pied = new Fl_Box(xr, 300, largeur_res, 25);
        pied->box(FL_BORDER_FRAME);
        char texte[160];
        std::snprintf(texte, sizeof texte, "%lld tirages, %lld donnes analysées en %d'%d''",
                      static_cast<long long>(tirages),
                      static_cast<long long>(bilan_stat.analysees), secondes / 60, secondes % 60);
        auto* bas = new SortiePage(xr + (largeur_res - 350) / 2, 300, 350, 25);
        bas->box(FL_NO_BOX);
        bas->value(texte);
        bas->clear_visible_focus();
        page->resultats->end();
        page->end();
    }
    Fl_Group::current(avant);
    gcompare->show();
    redraw();
}

void Fenetre::res_compare() {
    const std::time_t debut = std::time(nullptr);
    if ((comparaison == comp_fine || comparaison == comp_meilleur_strict) && nb_contrats != 2) {
        alerte("Uniquement pour 2 contrats");
        return;
    }
    ajuste_contrats(nb_contrats);
    const auto n = static_cast<std::size_t>(nb_contrats);
    for (std::size_t i = 0; i < n; ++i)
        vcontrats[i] = DonneesStat(8 - comp_niveau[i], comp_couleur[i],
                                   (comp_declarant[i] + 1) % 4, comp_contre[i]);
    std::vector<int> compteurs;
    const std::int64_t tirages = statlevees(vcontrats, compteurs);
    // A level the engine refuses, a spent budget, a solver failure: the
    // alert, and the panel of the previous run stays as it was.
    if (bilan_stat.statut != Statut::ok || tirages == 0 || bilan_stat.analysees < 1) {
        const bool budget =
            bilan_stat.statut == Statut::budget_epuise || bilan_stat.message.empty();
        alerte(budget ? alerte_limite : bilan_stat.message);
        return;
    }
    const double nd = static_cast<double>(bilan_stat.analysees);
    rep.assign(compteurs.size(), 0.0);
    for (std::size_t k = 0; k < compteurs.size(); ++k) rep[k] = 100.0 * compteurs[k] / nd;
    const int secondes = static_cast<int>(std::difftime(std::time(nullptr), debut));
    comparer(true, tirages, secondes);
}
