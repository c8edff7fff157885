// The page "Évaluation des mains": the static evaluation of one fixed hand
// of the current set (high-card points, playing tricks) and its dynamic
// evaluation "Points3SA" (points3sa.h), which draws its deals from a set of
// its own and leaves the user's set as it was.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/fl_draw.H>

#include <cmath>
#include <string>

#include "bridge.h"
#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "entrees_stat.h"
#include "evaluation.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "parametres.h"
#include "points3sa.h"
#include "tableaux.h"

namespace {

// The state of the page, kept between visits.
int joueur = 0;           // the seat evaluated
int v[2] = {0, 0};        // its points H, and its playing tricks × 100
bool statique = false;    // v holds a result
bool booldh = false;      // a dynamic result is there
std::string hl, hlm;      // its texts: hand as declarer, as dummy
// The fixed cards the results are of: the results depend on nothing else
// of the set.
std::string jeux_evalues;

// The result fields, built with the page and shown once they hold a result.
struct Champs {
    Fl_Output* points_h = nullptr;
    Fl_Output* levees = nullptr;
    Fl_Output* hl = nullptr;
    Fl_Output* hlm = nullptr;
    Fl_Input_* nbstat = nullptr;
    Fl_Input_* limite = nullptr;
    Fl_Button* siege = nullptr;
};
Champs champs;

int largeur_texte(const char* texte, Fl_Font police = FL_HELVETICA, int taille = 14) {
    fl_font(police, taille);
    return static_cast<int>(fl_width(texte));
}

Fl_Output* sortie(int x, int y, int w, const char* label) {
    auto* o = new SortiePage(x + largeur_texte(label), y, w, 25, label);
    o->clear_visible_focus();
    o->hide();
    return o;
}

void montre(Fl_Output* o, const std::string& texte, bool visible) {
    o->value(texte.c_str());
    if (visible) o->show();
    else o->hide();
}

// The text of a dynamic result: the points, or why there are none.
std::string texte_hl(double valeur, const BilanStat& b) {
    if (b.statut == Statut::budget_epuise) return "limite atteinte";
    if (b.statut != Statut::ok || std::isnan(valeur)) return "échec";
    return dstring(valeur, 4);
}

// Results of other hands than the set's (a set loaded or reset, a card
// fixed or freed since) go, whatever changed the set.
void oublie_autres_jeux() {
    const std::string jeux(contr.cfixees, 52);
    if (jeux == jeux_evalues) return;
    statique = booldh = false;
    jeux_evalues = jeux;
}

void evalue_statique() {
    oublie_autres_jeux();
    v[0] = points(contr.cfixees, joueur);
    // The playing tricks are a sum of single-precision values, a hundredth
    // or so below the true one (4.2 comes as 4.1999998): truncated, it
    // would show 4.19. Rounded to the hundredth it shows what the hand has.
    v[1] = static_cast<int>(std::lround(ldj(contr.cfixees, joueur) * 100.0));
    statique = true;
}

}  // namespace

// --- callbacks ------------------------------------------------------------------------

void cb_joue(Fl_Widget* list, void* bouton) {
    const int ligne = static_cast<Fl_Select_Browser*>(list)->value();
    if (ligne < 1 || ligne > 4) return;
    // Closed once a seat is chosen, as every other list: open, it would
    // cover the static results.
    list->hide();
    joueur = ligne - 1;
    auto* b = static_cast<Fl_Button*>(bouton);
    b->label(nomjoueur[joueur]);
    b->redraw();
}

void cb_calstatic(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    evalue_statique();
    static_cast<Fenetre*>(fenetre)->evaluation();
}

void cb_bou3SA(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    evalue_statique();
    booldh = false;
    BilanStat b;
    const double declarant = res_hl(contr, joueur, false, b);
    // A hand the table cannot rate is refused before any deal is drawn.
    if (b.statut == Statut::refuse) {
        alerte(b.message);
        static_cast<Fenetre*>(fenetre)->evaluation();
        return;
    }
    if (b.statut == Statut::echec_solveur) alerte(b.message);
    hl = texte_hl(declarant, b);
    const double mort = res_hl(contr, joueur, true, b);
    if (b.statut == Statut::echec_solveur || b.statut == Statut::refuse) alerte(b.message);
    hlm = texte_hl(mort, b);
    booldh = true;
    static_cast<Fenetre*>(fenetre)->evaluation();
}

// --- the page --------------------------------------------------------------------------

void Fenetre::evaluation() {
    color(couleur_pages);
    detruit_widgets();
    if (!geval) {
        Fl_Group* avant = Fl_Group::current();
        begin();
        geval = new Fl_Group(0, 30, w, h - 30);
        const int xb = xbcontrats;
        new Titrepage("Évaluation des mains", 100, 80, xm - 200);
        new BoiteForm(xb, 150, nullptr, 891, 250);
        auto* note = new Fl_Box(xb, 150, 891, 30, "Les jeux sont ceux des contraintes");
        note->labelfont(FL_HELVETICA_ITALIC);

        const int xg = xb + 8, y1 = 150 + 30 + 8;
        new Fl_Box(xg, y1, 50, 25, "Main de");
        champs.siege = new Fl_Button(xg + 58, y1, 70, 25, nomjoueur[joueur]);
        champs.siege->color(255);

        const int y2 = y1 + 25 + 8;
        const int ws = largeur_texte(" Évaluation statique ") + 10;
        auto* bstat = new Fl_Button(xg, y2, ws, 25, "Évaluation statique");
        bstat->clear_visible_focus();
        bstat->callback(cb_calstatic, this);
        champs.points_h = sortie(xg + ws + 20, y2, 30, "Points H ");
        const int xl = champs.points_h->x() + 30 + 50;
        champs.levees = sortie(xl, y2, 45, "Levées de jeux ");

        const int y3 = y2 + 25 + 8;
        auto* dyn = new Fl_Box(xg, y3, 230, 30, " Évaluation dynamique : ");
        dyn->labelfont(FL_HELVETICA_BOLD);
        dyn->labelsize(20);
        dyn->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        const int y4 = y3 + 38;
        auto* b3sa = new Fl_Button(xg, y4, largeur_texte(" Points3SA ") + 10, 25, "Points3SA");
        // The focus stays in the field being edited: the button takes it first
        // and stops when it is refused (prend_saisie).
        b3sa->clear_visible_focus();
        b3sa->callback(cb_bou3SA, this);
        // The key of the compute buttons of every page, for the one that
        // draws deals with the typed count and limit.
        b3sa->shortcut(FL_CTRL + FL_Enter);
        // Wide enough for "limite atteinte" when the budget runs out.
        const int y5 = y4 + 38;
        champs.hl = sortie(xg, y5, 120, "Points HL déclarant ");
        champs.hlm = sortie(champs.hl->x() + 120 + 30, y5, 120, "Points HL mort ");

        const int yt = 150 + 250 + 30;
        new BoiteForm(xb, yt, "Nombre de tirages", 891, 50);
        const int xn = xb + largeur_texte(" Nombre de donnes ") + 24;
        champs.nbstat = new ChampStat(xn, yt + 12, 80, 25, "Nombre de donnes : ", cb_inbdonnes);
        const int xlim = xn + 80 + 24 + largeur_texte("Limite : ");
        champs.limite = new ChampStat(xlim, yt + 12, 40, 25, "Limite : ", cb_limite);

        // Built last: open, the seat list lies over "Évaluation statique"
        // and the results beside it, and takes the clicks on its lines.
        auto* liste = new Fl_Select_Browser(xg + 58 + 73, y1, 70, 80);
        for (const char* l : joueurs) liste->add(l);
        taille_liste(liste, joueurs, 4, 70);
        liste->hide();
        liste->callback(cb_joue, champs.siege);
        champs.siege->callback(Fenetre::cb_bjoueur, liste);
        geval->end();
        end();
        Fl_Group::current(avant);
    }
    // Each visit shows the values a computation would use now, and the
    // last results of the set's hands in place of the previous ones.
    oublie_autres_jeux();
    champs.nbstat->value(std::to_string(nbstat).c_str());
    champs.limite->value(std::to_string(limite).c_str());
    champs.siege->label(nomjoueur[joueur]);
    montre(champs.points_h, std::to_string(v[0]), statique);
    // Two decimals at most (10.25 tricks): four significant digits keep them.
    montre(champs.levees, dstring(v[1] / 100.0, 4), statique);
    montre(champs.hl, hl, booldh);
    montre(champs.hlm, hlm, booldh);
    geval->show();
    redraw();
}
