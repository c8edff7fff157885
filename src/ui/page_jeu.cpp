#include "page_jeu.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Value_Output.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <vector>

#include "bridge.h"
#include "cartes.h"
#include "condouv.h"
#include "fenetre.h"

namespace {

// Width of a text in Helvetica of the given size.
int largeur_texte(const char* texte, int taille) {
    fl_font(FL_HELVETICA, taille);
    int w = 0, h = 0;
    fl_measure(texte, w, h, 0);
    return w;
}

// After a choice in a list of the page: the page is built again from the
// engine, buttons' labels included.
void rafraichit(Fl_Widget* liste) {
    if (auto* f = dynamic_cast<Fenetre*>(liste->window())) f->affiche_dds();
}

}  // namespace

JeuDds& jeu_dds() {
    static JeuDds jeu;
    return jeu;
}

// Never left of the window on a screen narrower than the page.
int xfmains() { return std::max(0, (xm - 975) / 2 + 100); }

// --- widgets ------------------------------------------------------------------

Symb_couleur::Symb_couleur(int x, int y, int couleur) : Fl_Box(x, y, 20, 20, scoul[couleur]) {
    static const Fl_Color teinte[4] = {0x11114400, FL_RED, 0xf0443300, 0x11441100};
    box(FL_NO_BOX);
    labelsize(18);
    labelcolor(teinte[couleur]);
}
Symb_couleur::~Symb_couleur() = default;

Bouton_carte::Bouton_carte(int x, int y, int rang) : Fl_Button(x, y, 20, 20, vl[14 - rang]) {
    color(FL_WHITE);
    // Only a playable card reacts; the page gives it its callback.
    when(FL_WHEN_NEVER);
}
Bouton_carte::~Bouton_carte() = default;

Boite_score::Boite_score(int x, int y, int levees) : Fl_Box(x, y, 15, 15, num[levees]) {
    box(FL_NO_BOX);
    labelcolor(FL_BLUE);
}
Boite_score::~Boite_score() = default;

// --- the page -------------------------------------------------------------------

void Fenetre::cb_analyse(Fl_Widget*, void* fenetre) {
    jeu_dds().reouvre();
    static_cast<Fenetre*>(fenetre)->affiche_dds();
}

void Fenetre::affiche_dds() {
    const JeuDds& jeu = jeu_dds();
    // The page is rebuilt from inside the callback of one of its own
    // buttons: the old group is only handed to deferred deletion, and no
    // card of the old position can be pressed any more.
    if (gjdds) {
        gjdds->hide();
        Fl::delete_widget(gjdds);
        gjdds = nullptr;
    }
    detruit_widgets();
    color(couleur_pages);

    Fl_Group* avant = Fl_Group::current();
    begin();
    gjdds = new Fl_Group(0, 30, w, h);
    const int xf = xfmains();

    auto* titre_page = new Fl_Box(xf, 80, 350, 50, "Jouer avec dds");
    titre_page->labelfont(FL_HELVETICA_BOLD);
    titre_page->labelsize(40);

    // The strain and the first seat, each a button over a hidden list.
    int x = 58;
    const int wa = largeur_texte("Atout : ", 18);
    (new Fl_Box(x, 180, wa, 25, "Atout : "))->labelsize(18);
    x += wa + 8;
    auto* batout = new Fl_Button(x, 180, 70, 25, sacouls[(jeu.pdl.trump + 1) % 5]);
    batout->color(FL_WHITE);
    const int x_atout = x;
    x += 70 + 24;
    // As wide as its text, like "Atout : ": in a 70-pixel box the text runs
    // into the button beside it.
    const int wp = largeur_texte("Premier : ", 18);
    (new Fl_Box(x, 180, wp, 25, "Premier : "))->labelsize(18);
    x += wp + 8;
    auto* bpremier = new Fl_Button(x, 180, 70, 25, joueurs[jeu.pdl.first]);
    bpremier->color(FL_WHITE);
    const int x_premier = x;
    x += 70 + 50;
    const char* demarrer = " Démarrer analyse ";
    const int wd = largeur_texte(demarrer, FL_NORMAL_SIZE);
    (new Fl_Button(x, 180, wd, 25, demarrer))->callback(cb_demarre_analyse, this);
    x += wd + 50;
    const char* retour = " Retour ";
    (new Fl_Button(x, 180, largeur_texte(retour, FL_NORMAL_SIZE), 25, retour))
        ->callback(cb_retour, this);

    // Columns as wide as the longest suit of the hands at the start.
    const std::vector<int> l = maxlongs(jeu.jeux_ini);
    const int w_ouest = 23 * l[3] + 30;
    const int w_milieu = std::max(23 * std::max(l[0], l[2]) + 30, 80);
    const int w_est = 23 * l[1] + 30;
    auto* cadre = new Fl_Box(FL_UP_BOX, xf, 220, w_ouest + w_milieu + w_est, 430, nullptr);
    cadre->color(coul_fenetre_contr);

    const int actif = jeu.joueur_actif();
    const int y_flancs = actif == 0 ? 380 : 350;
    place_jeu_dds(xf + 3, y_flancs, 3, actif);
    place_jeu_dds(xf + 3 + w_ouest, 226, 0, actif);
    place_jeu_dds(xf + 3 + w_ouest, actif == 2 ? 480 : 510, 2, actif);
    place_jeu_dds(xf + 3 + w_ouest + w_milieu, y_flancs, 1, actif);

    // The tricks won, each output right of its label.
    const char* lns = " Levées NS : ";
    const char* leo = "Levées EO : ";
    const int x_ns = xf + largeur_texte(lns, FL_NORMAL_SIZE);
    auto* ons = new Fl_Value_Output(x_ns, 666, 30, 25, lns);
    ons->value(jeu.leveesNS);
    ons->color(FL_WHITE);
    auto* oeo = new Fl_Value_Output(x_ns + 30 + 50 + largeur_texte(leo, FL_NORMAL_SIZE), 666, 30,
                                    25, leo);
    oeo->value(jeu.leveesEO);
    oeo->color(FL_WHITE);

    // The lists come last so that, once shown, they lie over the hands.
    // Wide enough for "carreau": a narrower list grows scroll bars that
    // hide its last line.
    auto* latout = new Fl_Select_Browser(x_atout, 205, 90, 100);
    for (const char* s : sacouls) latout->add(s);
    latout->hide();
    latout->callback(cb_scouleur, batout);
    batout->callback(cb_bjoueur, latout);
    auto* lpremier = new Fl_Select_Browser(x_premier, 205, 70, 80);
    for (const char* s : nomjoueur) lpremier->add(s);
    lpremier->hide();
    lpremier->callback(cb_sjoueur, bpremier);
    bpremier->callback(cb_bjoueur, lpremier);

    gjdds->end();
    end();
    Fl_Group::current(avant);
    redraw();
}

void Fenetre::place_jeu_dds(int x, int y, int joueur, int actif) {
    const JeuDds& jeu = jeu_dds();
    const bool bouge = joueur == actif;
    for (int c = 0; c < 4; ++c)
        place_couleur_dds(x, y + c * (bouge ? 38 : 28), c, jeu.jeux_ini[joueur][c],
                          jeu.pdl.remainCards[joueur][c], bouge ? joueur : -1);
}

void Fenetre::place_couleur_dds(int x, int y, int couleur, int ini, int courant, int joueur) {
    const JeuDds& jeu = jeu_dds();
    new Symb_couleur(x, y, couleur);
    for (int r = 14; r >= 2; --r) {
        if (!(ini & (1 << r))) continue;
        x += 23;
        auto* b = new Bouton_carte(x, y, r);
        if (!(courant & (1 << r))) {
            b->value(1);
            continue;
        }
        if (joueur < 0) continue;
        // The engine gives a count only for a card it can play now with a
        // fresh answer; any other card stays inert.
        const int n = jeu.score_carte(joueur, couleur, r);
        if (n < 0 || n > 16) continue;
        b->carte.reset(new CardWin{joueur, couleur, r, this});
        b->callback(cb_boutoncarte, b->carte.get());
        b->when(FL_WHEN_RELEASE);
        new Boite_score(x, y + 20, n);
    }
}

void Fenetre::cb_demarre_analyse(Fl_Widget*, void* fenetre) {
    // A refused start has alerted and changed nothing; the page is rebuilt
    // all the same so that it never shows counts the engine has dropped.
    jeu_dds().demarre(contr.cfixees);
    static_cast<Fenetre*>(fenetre)->affiche_dds();
}

void Fenetre::cb_retour(Fl_Widget*, void* fenetre) {
    jeu_dds().retour();
    static_cast<Fenetre*>(fenetre)->affiche_dds();
}

void cb_boutoncarte(Fl_Widget* w, void* data) {
    const CardWin c = *static_cast<CardWin*>(data);
    // The solve may take a moment: show the card down meanwhile.
    auto* b = static_cast<Fl_Button*>(w);
    b->value(1);
    b->redraw();
    Fl::flush();
    jeu_dds().joue(c.joueur, c.suit, c.rank);
    c.fenetre->affiche_dds();
}

void cb_scouleur(Fl_Widget* w, void*) {
    auto* liste = static_cast<Fl_Select_Browser*>(w);
    const int v = liste->value();
    liste->hide();
    if (v < 1 || v > 5) return;
    // During play the engine starts the deal again in the new strain. The
    // rebuilt page labels the button from the engine, which keeps the old
    // strain when the new one could not be solved.
    jeu_dds().change_atout((v + 3) % 5);
    rafraichit(w);
}

void cb_sjoueur(Fl_Widget* w, void*) {
    auto* liste = static_cast<Fl_Select_Browser*>(w);
    const int v = liste->value();
    liste->hide();
    if (v < 1 || v > 4) return;
    jeu_dds().change_premier(v - 1);
    rafraichit(w);
}
