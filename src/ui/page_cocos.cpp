// The conditions of the constraint page: the list (one row per condition),
// the row that "Ajouter coco" opens, the modification form and the selectors
// of a condition's seat, kind and values. Every pick goes straight into
// contr; what the checks and the rows' texts are lives in edition_cocos.h.
#include "page_cocos.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <string>

#include "bridge.h"
#include "champ_page.h"
#include "condouv.h"
#include "contraintes.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "page_contraintes.h"
#include "textes_tableaux.h"

namespace {

constexpr Fl_Color couleur_bande = 79;
constexpr Fl_Color couleur_choix = 68;
constexpr Fl_Color couleur_texte_choix = 255;
// The kind lists are wide enough for "comparaison couleurs" beside their
// scrollbar: at 150 pixels the longer names were cut.
constexpr int largeur_liste_kinds = 190;
// Room between two parameter selectors, and from a selector's text to the
// ends of its rounded button.
constexpr int ecart_selecteurs = 10;
constexpr int marge_bouton = 30;
// Room under a new row for its seat, kind and parameter lists to open.
constexpr int hauteur_ajout = 233;

// Column widths of every parameter list, so that a level, a tab and a
// coloured suit symbol line up.
int largeurs_colonnes[] = {14, 16, 70, 0};

using BoutonCoco = AvecDonnee<Fl_Button, IntWin>;
using ListeJoueur = AvecDonnee<Fl_Select_Browser, Int_Output>;
using ListeKind = AvecDonnee<Fl_Select_Browser, DataCond>;

// Row i of the list, 8 pixels under its top edge wherever the page has scrolled it.
int y_rangee(const Fl_Group* liste, int i) { return liste->y() + 8 + 33 * i; }

// Condition n of the set, or null when the set has changed under a widget.
Condouv* coco(int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= contr.cocos.size()) return nullptr;
    return &contr.cocos[n];
}

bool kind_connu(int id) { return id >= 0 && static_cast<std::size_t>(id) < conditions.size(); }

void bande(int y) {
    auto* b = new Fl_Box(FL_FLAT_BOX, xbcocos + 16, y, 959, 25, nullptr);
    b->color(couleur_bande);
}

void lettre(Fenetre* f, int i, int y, int h) {
    auto* b = new BoutonCoco(xnumcoco, y, 20, h, alph[i], IntWin{i, f});
    b->callback(cb_ncoco, &b->donnee);
}

SortieChoix* sortie_choix(int x, int y, int w, int h, const char* label, const std::string& texte) {
    auto* o = new SortieChoix(x, y, w, h, label);
    o->box(FL_ROUND_UP_BOX);
    o->color(couleur_choix);
    o->textcolor(couleur_texte_choix);
    o->value(texte.c_str());
    return o;
}

// The hidden list that a selector opens. A click that selects no line
// leaves it open and changes nothing.
template <class L>
L* liste(Fl_Widget* selecteur, L* l, Fl_Callback* cb) {
    l->when(FL_WHEN_RELEASE_ALWAYS);  // the line already chosen may be chosen again
    l->callback(cb, &l->donnee);
    l->hide();
    selecteur->callback(Fenetre::cb_bjoueur, l);
    return l;
}

ListeKind* liste_kinds(Fl_Widget* sortie, int x, int y, int w, int h, const char* label,
                       const DataCond& d) {
    auto* l = new ListeKind(x, y, w, h, label, d);
    for (const Condition& k : conditions) l->add(k.nom.c_str());
    l->has_scrollbar(Fl_Browser_::VERTICAL);
    l->size(std::max(w, largeur_lignes(l)), h);
    return liste(sortie, l, Fenetre::cb_ocondition);
}

// The four seats, all in view.
ListeJoueur* liste_joueurs(Fl_Widget* selecteur, int x, int y, int w, int h, const char* label,
                           const char* const* noms, Fl_Callback* cb, const Int_Output& d) {
    auto* l = new ListeJoueur(x, y, w, h, label, d);
    for (int j = 0; j < 4; ++j) l->add(noms[j]);
    l->has_scrollbar(Fl_Browser_::VERTICAL);
    l->size(w, std::max(h, hauteur_lignes(l)));
    l->size(std::max(w, largeur_lignes(l)), l->h());
    return liste(selecteur, l, cb);
}

// Widens the kind output o to its longest name, as the kind list shows it,
// moving it left when it would pass x_fin, but never left of x_debut.
void place_sortie_kind(Fl_Output* o, int x_debut, int x_fin) {
    fl_font(o->textfont(), o->textsize());
    int w = o->w();
    for (const Condition& k : conditions)
        w = std::max(w, static_cast<int>(fl_width(("  " + k.nom).c_str())) + marge_bouton);
    o->resize(std::max(x_debut, std::min(o->x(), x_fin - w)), o->y(), w, o->h());
}

// The width at which button b shows every plain label of values whole.
int largeur_textes(const BoutonSymb* b, const std::vector<v_n>& valeurs) {
    fl_font(b->labelfont(), b->labelsize());
    int w = 0;
    for (const v_n& v : valeurs)
        w = std::max(w, static_cast<int>(fl_width(texte_bouton_symb(v.nombrut).texte.c_str())));
    return w + marge_bouton;
}

// The selectors of condition n for kind inside g, one per parameter: a
// button that shows the condition's value and, under it, the hidden list of
// the values. A new choice of kind (nouvelle) first gives the condition the
// first value of every list. Each selector is as wide as its longest line,
// and pushes the next one right when the catalogue's place is too narrow;
// the lists come after every button, so that an open list lies over the
// buttons beside it and takes the clicks on its lines.
void selecteurs(Fl_Group* g, const Condition& kind, int n, Condouv* c, bool nouvelle) {
    g->clear();
    Fl_Group* avant = Fl_Group::current();
    g->begin();
    if (nouvelle && c) c->params = valeurs_initiales(kind);
    const int x0 = g->x(), y0 = g->y();
    int fin = x0;
    std::vector<ListeParam*> listes;
    for (std::size_t k = 0; k < kind.params.size(); ++k) {
        static const std::vector<v_n> aucune;
        const std::vector<v_n>& valeurs = k < kind.choix.size() ? kind.choix[k] : aucune;
        const int r = static_cast<int>(valeurs.size());
        const int x = std::max(x0 + (k < kind.xvsb.size() ? kind.xvsb[k] : 0),
                               k == 0 ? x0 : fin + ecart_selecteurs);
        const int w = k < kind.l_browsers.size() ? kind.l_browsers[k] : 70;
        auto* l = new ListeParam(x, y0 + 30, w, std::min(20 * r, nouvelle ? 140 : 160));
        l->column_widths(largeurs_colonnes);
        l->has_scrollbar(Fl_Browser_::VERTICAL);
        l->copy_label(kind.params[k].c_str());
        l->lignes.reserve(valeurs.size());
        for (const v_n& v : valeurs) l->lignes.push_back({static_cast<int>(k), v, v.v});
        for (Param_Choix& p : l->lignes) l->add(p.choix.nom.c_str(), &p);
        const std::string texte =
            c && k < c->params.size() ? kind.nombrutchoix(static_cast<int>(k), c->params[k]) : "";
        auto* b = new BoutonSymb(texte, x, y0, w, 30);
        b->copy_tooltip(kind.params[k].c_str());
        const int large = std::max({w, largeur_lignes(l), largeur_textes(b, valeurs)});
        l->size(large, l->h());
        b->size(large, b->h());
        fin = x + large;
        l->ibs = {b, static_cast<std::uint16_t>(n)};
        l->when(FL_WHEN_RELEASE_ALWAYS);
        l->callback(Fenetre::cb_param, &l->ibs);
        l->hide();
        b->callback(Fenetre::cb_bjoueur, l);
        listes.push_back(l);
    }
    for (ListeParam* l : listes) g->add(l);
    g->end();
    Fl_Group::current(avant);
}

// Shows the page again. Showing a group moves the keyboard focus from the
// window to the group's first field, where Ctrl+A would select the field's
// text instead of reaching the menu: the window keeps the focus.
void montre_page(Fenetre& f) {
    if (f.gmains) f.gmains->show();
    f.gcontr->show();
    if (Fl::focus() && f.gcontr->contains(Fl::focus())) Fl::focus(&f);
    f.redraw();
}

}  // namespace

int SortieChoix::handle(int event) {
    if (event == FL_PUSH) {
        do_callback();
        return 1;
    }
    return Fl_Output::handle(event);
}

// --- the list ---------------------------------------------------------------------

void Fenetre::montre_cocos() {
    if (!gcontr) return;
    if (gcocos) {
        gcontr->remove(gcocos);
        Fl::delete_widget(gcocos);
        gcocos = nullptr;
    }
    const int n = static_cast<int>(std::min<std::size_t>(contr.cocos.size(), max_lettres));
    Fl_Group* avant = Fl_Group::current();
    gcontr->begin();
    gcocos = new Fl_Scroll(xbcocos, y_page(gcontr, 359), 991, 33 * n + 8);
    // The parameter group of a new row reaches past the list's right edge:
    // no horizontal scrollbar for it.
    gcocos->type(Fl_Scroll::VERTICAL);
    gcocos->box(FL_UP_BOX);
    gcocos->labeltype(FL_ENGRAVED_LABEL);
    gcocos->labelsize(18);
    gcocos->color(coul_fenetre_contr);
    // The values start after the longest kind name ("comparaison couleurs"
    // ran into them), at xjcoco + 250 when the names leave room.
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    int large = 0;
    for (const Condition& k : conditions) large = std::max(large, static_cast<int>(fl_width(k.nom.c_str())));
    const int xvaleurs = std::max(xjcoco + 250, xjcoco + 100 + large + 12);
    for (int i = 0; i < n; ++i) {
        const Condouv& c = contr.cocos[i];
        const int y = y_rangee(gcocos, i);
        bande(y);
        lettre(this, i, y, 25);
        auto* joueur = new Fl_Box(xjcoco, y, 70, 25);
        joueur->copy_label(texte_joueur_coco(c).c_str());
        auto* kind = new Fl_Box(xjcoco + 100, y, xvaleurs - xjcoco - 100, 25);
        kind->copy_label(nom_kind_coco(c).c_str());
        kind->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        new BoiteParams(texte_params_coco(c), xvaleurs, y, 470, 25);
    }
    gcocos->end();
    gcontr->end();
    Fl_Group::current(avant);
    if (ialg) ialg->show();
    redraw();
}

void Fenetre::ajoute() {
    if (env.page == "ajoute") {
        alerte(refus_coco_ouverte);
        // The open row may lie behind a page the user went to meanwhile:
        // bring it back, or nothing but "Initialiser" would reach it.
        if (gcontr && !gcontr->visible()) {
            detruit_widgets();
            montre_page(*this);
        }
        return;
    }
    if (env.page != "montrer" || !gcontr) {
        changer_contraintes();
        return;
    }
    if (contr.cocos.size() >= static_cast<std::size_t>(max_lettres)) {
        alerte(alerte_27e_coco);
        return;
    }
    // The series display, the step-by-step page and an open form go: the
    // new row is shown on the page itself.
    detruit_widgets();
    env.page = "ajoute";
    const int n = static_cast<int>(contr.cocos.size());
    montre_cocos();
    contr.cocos.push_back(Condouv{kind_non_choisi, 2, {}});
    gcocos->resizable(nullptr);
    gcocos->size(gcocos->w(), gcocos->h() + hauteur_ajout);

    Fl_Group* avant = Fl_Group::current();
    gcocos->begin();
    const int y = y_rangee(gcocos, n);
    bande(y);
    lettre(this, n, y, 26);
    // The seat button shows the seat the condition is on from the start.
    auto* joueur = new Fl_Button(xjcoco, y, 70, 30, nomjoueur[contr.cocos[n].joueur]);
    joueur->tooltip("Joueur");
    joueur->box(FL_ROUND_UP_BOX);
    joueur->color(couleur_choix);
    joueur->labelcolor(couleur_texte_choix);
    SortieChoix* kind = sortie_choix(xbcond, y, 120, 30, nullptr, " Condition");
    place_sortie_kind(kind, xjcoco + 80, xgparams - ecart_selecteurs);
    auto* params = new Fl_Group(xgparams, y, 700, 200);
    params->end();
    // The lists last, so that they open over the row's other widgets; their
    // titles under them, where the list's frame leaves room.
    const auto no = static_cast<std::uint16_t>(n);
    liste_joueurs(joueur, xjcoco, y + 30, 70, 80, "Joueur", nomjoueur, cb_joueur,
                  Int_Output{joueur, nullptr, no});
    Fl_Browser* kinds = liste_kinds(kind, kind->x(), y + 30, largeur_liste_kinds, 180,
                                    "Condition", DataCond{this, kind, params, no});
    // Whole lines only: the kinds scroll.
    kinds->size(kinds->w(), hauteur_liste(kinds, kinds->h()));
    gcocos->end();
    Fl_Group::current(avant);
    // The new row and the room its lists open into come into view.
    montre_sur_page(gcontr, y, gcocos->y() + gcocos->h());
    montre_page(*this);
}

void Fenetre::cb_ocondition(Fl_Widget* w, void* data) {
    auto* l = static_cast<Fl_Select_Browser*>(w);
    const auto* d = static_cast<DataCond*>(data);
    const int ligne = l->value();
    if (ligne < 1 || static_cast<std::size_t>(ligne) > conditions.size()) return;
    l->hide();
    Condouv* c = coco(d->no_coco);
    if (!c) return;
    const Condition& kind = conditions[ligne - 1];
    c->id_condition = ligne - 1;
    c->params.clear();
    d->pb->value(("  " + kind.nom).c_str());
    d->win->place_params(d->no_coco, kind, d->pg);
    // Defined from now on, before any value is touched.
    env.page = "montrer";
}

void cb_ncoco(Fl_Widget*, void* data) {
    const IntWin d = *static_cast<IntWin*>(data);
    if (env.page == "ajoute") {
        alerte(alerte_coco_en_cours);
        return;
    }
    const Condouv* c = coco(d.n);
    if (!c) return;
    // An undefined condition read from a file has nothing to edit: it goes.
    if (c->id_condition == kind_indefini)
        d.fenetre->supprime_coco(d.n);
    else
        d.fenetre->modif_coco(d.n);
}

// --- the modification form ----------------------------------------------------------

void Fenetre::modif_coco(int n) {
    Condouv* c = coco(n);
    if (!c || n >= max_lettres) return;
    // The form takes the place of whatever page is on screen.
    detruit_widgets();
    Fl_Group* avant = Fl_Group::current();
    begin();
    gmodif = new Fl_Group(10, 30, 1400, 700);

    auto* titre = new SortiePage(xddd, 80, 450, 40);
    titre->box(FL_NO_BOX);
    titre->textfont(FL_HELVETICA_BOLD);
    titre->textsize(30);
    titre->value((std::string("Modification de la coco ") + alph[n]).c_str());

    auto* cadre = new Fl_Box(FL_UP_BOX, xbchoix, 150, 991, 450, nullptr);
    cadre->color(coul_fenetre_contr);

    auto* modifier = new Fl_Button(xbchoix + 8, 510, 70, 30, "&Modifier");
    modifier->callback(cb_bval, this);

    // The labels stand left of the outputs, inside the frame.
    const int xsortie = xbchoix + 100;
    const std::string seat = c->joueur >= 0 && c->joueur <= 3 ? joueurs[c->joueur] : "";
    SortieChoix* joueur = sortie_choix(xsortie, 166, 70, 25, "Joueur : ", "   " + seat);
    joueur->labelsize(16);
    joueur->align(FL_ALIGN_LEFT);

    SortieChoix* kind =
        sortie_choix(xsortie, 246, 150, 30, "Condition : ", "  " + nom_kind_coco(*c));
    kind->align(FL_ALIGN_LEFT);
    place_sortie_kind(kind, xsortie, xbchoix + 991);

    auto* params = new Fl_Group(kind->x() + kind->w() + ecart_selecteurs, 246, 700, 200);
    params->end();
    montre_params(*c, n, params);

    auto* supprimer = new BoutonCoco(xbchoix + 108, 510, 80, 30, "&Supprimer", IntWin{n, this});
    supprimer->callback(cb_sup, &supprimer->donnee);

    // The lists last, so that they open over the parameter group.
    const auto no = static_cast<std::uint16_t>(n);
    liste_joueurs(joueur, xsortie + 70, 166, 70, 70, nullptr, joueurs, cb_ojoueur,
                  Int_Output{joueur, nullptr, no});
    liste_kinds(kind, xsortie, 276, largeur_liste_kinds, 200, nullptr,
                DataCond{this, kind, params, no});

    gmodif->end();
    end();
    Fl_Group::current(avant);
    redraw();
}

void cb_bval(Fl_Widget*, void* fenetre) { static_cast<Fenetre*>(fenetre)->changer_contraintes(); }

void cb_sup(Fl_Widget*, void* data) {
    const IntWin d = *static_cast<IntWin*>(data);
    d.fenetre->supprime_coco(d.n);
}

void Fenetre::supprime_coco(int n) {
    if (env.page == "ajoute") {
        alerte(refus_coco_ouverte);
        return;
    }
    if (!coco(n)) return;
    const bool algebre = formules_a_modifier(contr, n);
    contr.cocos.erase(contr.cocos.begin() + n);
    changer_contraintes();
    if (algebre) alerte(alerte_algebre);
}

// --- the parameter selectors ----------------------------------------------------------

void Fenetre::place_params(int n, const Condition& kind, Fl_Group* g) {
    if (!g) return;
    selecteurs(g, kind, n, coco(n), true);
    redraw();
}

void Fenetre::montre_params(Condouv& c, int n, Fl_Group* g) {
    if (!g) return;
    if (!kind_connu(c.id_condition)) {
        g->clear();
        return;
    }
    selecteurs(g, conditions[c.id_condition], n, &c, false);
    g->show();
}

void Fenetre::cb_param(Fl_Widget* w, void* data) {
    auto* l = static_cast<Fl_Select_Browser*>(w);
    const auto* d = static_cast<Int_BS*>(data);
    const int ligne = l->value();
    if (ligne < 1) return;
    const auto* p = static_cast<const Param_Choix*>(l->data(ligne));
    l->hide();
    Condouv* c = coco(d->no_coco);
    if (!p || !c || p->param < 0 || static_cast<std::size_t>(p->param) >= c->params.size()) return;
    // A list built for another kind of this condition must not store a
    // value its present kind does not offer.
    Condouv essai = *c;
    essai.params[p->param] = p->v;
    if (!defaut_condition(essai, conditions).empty()) return;
    if (!donne_valeur(*c, p->param, p->v)) return;
    // The value picked may have moved the other value of its pair: every
    // button of the condition shows what it now holds.
    const Condition& kind = conditions[c->id_condition];
    for (int i = 0; l->parent() && i < l->parent()->children(); ++i) {
        const auto* autre = dynamic_cast<const ListeParam*>(l->parent()->child(i));
        if (!autre || autre->lignes.empty() || !autre->ibs.pbs) continue;
        const int k = autre->lignes.front().param;
        if (static_cast<std::size_t>(k) >= c->params.size()) continue;
        autre->ibs.pbs->ch = kind.nombrutchoix(k, c->params[k]);
        autre->ibs.pbs->redraw();
    }
}

namespace {

// The seat picked in a seat list (0 Nord .. 3 Ouest), stored in the
// condition the list belongs to and the list closed; -1 for a click that
// selects no line.
int prend_joueur(Fl_Widget* w, const Int_Output& d) {
    auto* l = static_cast<Fl_Select_Browser*>(w);
    const int ligne = l->value();
    if (ligne < 1 || ligne > 4) return -1;
    l->hide();
    if (Condouv* c = coco(d.no_coco)) c->joueur = ligne - 1;
    return ligne - 1;
}

}  // namespace

void Fenetre::cb_joueur(Fl_Widget* w, void* data) {
    const auto* d = static_cast<Int_Output*>(data);
    const int j = prend_joueur(w, *d);
    if (j < 0) return;
    d->pb->label(nomjoueur[j]);
    d->pb->redraw();
}

void Fenetre::cb_ojoueur(Fl_Widget* w, void* data) {
    const auto* d = static_cast<Int_Output*>(data);
    const int j = prend_joueur(w, *d);
    if (j < 0) return;
    static_cast<Fl_Output*>(d->pb)->value((std::string("  ") + nomjoueur[j]).c_str());
}
