#include "page_pasapas.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bridge.h"
#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "parametres.h"
#include "pasapas.h"
#include "tableaux.h"

namespace {

// The page's left margin and width.
int xpap() { return xm / 5 - 10; }
int wpap() { return xm - 2 * xpap(); }

// Label colours of the card buttons: a card still held, a card played, a
// candidate of the player to move.
constexpr Fl_Color couleur_tenue = 32;
constexpr Fl_Color couleur_jouee = 25;
constexpr Fl_Color couleur_candidat = 216;

constexpr int y_titre = 40;
constexpr int y_mains = 100;  // top of the hands frame
constexpr int h_mains = 420;
constexpr int pas_carte = 18;  // pixels per card in a suit row
constexpr int pas_ligne = 28;  // between two suit rows
constexpr int w_resultats = 180;

// The widgets that each refresh reads or replaces.
struct Page {
    std::vector<Carte*> vcartes;
    std::vector<BoutonCarte*> vboutonscartes;
    Fl_Output* oldec = nullptr;
    Fl_Output* oldef = nullptr;
    Fl_Output* otirages = nullptr;
    Fl_Output* otemps = nullptr;
    Fl_Output* oajouer = nullptr;  // the seat to play
    // Rebuilt on every refresh, each inside the page; the old ones go
    // through deferred deletion since a button of theirs may be calling.
    Fl_Group* gform = nullptr;
    Fl_Group* gres = nullptr;
    Fl_Group* glevee = nullptr;
    Fl_Widget* titre = nullptr;  // never rebuilt: shows how far the page is scrolled
    int xres = 0;     // x of the results column
    int xcentre = 0;  // the middle column of the hands: the current trick
    int wcentre = 0;
};
Page page;

void remplace(Fl_Group*& g) {
    if (g) Fl::delete_widget(g);
    g = nullptr;
}

// Nothing happens when a card that is not a candidate is pressed.
void rien(Fl_Widget*, void*) {}

Fenetre* fenetre_de(Fl_Widget* w) { return dynamic_cast<Fenetre*>(w->window()); }

int largeur(const char* texte, Fl_Font police, int taille) {
    fl_open_display();
    fl_font(police, taille);
    return static_cast<int>(fl_width(texte));
}

Fl_Output* sortie(int x, int y, int w, int h, const char* label = nullptr) {
    auto* o = new SortiePage(x, y, w, h, label);
    o->box(FL_NO_BOX);
    o->clear_visible_focus();
    o->textsize(16);
    o->labelsize(16);
    return o;
}

// Widths of the three hand columns: Ouest, Nord and Sud, Est.
struct Colonnes {
    int wo, wns, we;
};
Colonnes colonnes_mains() {
    const std::vector<int> l = maxlongs(pap.dpap.jeux_ini);
    return {pas_carte * l[3] + 30, std::max(80, pas_carte * std::max(l[0], l[2]) + 30),
            pas_carte * l[1] + 30};
}

// The hands a quarter of the page in, or further left when long suits
// would push the results column beside them out of the window.
int x_mains(int largeur_fenetre) {
    const Colonnes c = colonnes_mains();
    const int largeur = c.wo + c.wns + c.we + 12 + w_resultats;
    return std::max(0, std::min(xpap() + wpap() / 4,
                                largeur_fenetre - Fl::scrollbar_size() - 10 - largeur));
}

// The hands, one column per seat, and their card buttons.
void place_mains(int x0) {
    const auto [wo, wns, we] = colonnes_mains();
    new BoiteCadre(x0, y_mains, wo + wns + we, h_mains, nullptr, 2, coulformext,
                   coul_fenetre_contr);
    const int xs[4] = {x0 + wo, x0 + wo + wns, x0 + wo, x0};
    const int ys[4] = {y_mains + 12, y_mains + 150, y_mains + 290, y_mains + 150};
    page.xcentre = x0 + wo;
    page.wcentre = wns;
    page.xres = x0 + wo + wns + we + 12;
    char donne[52];
    remaintoliste(pap.dpap.jeux_ini, donne);
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k) {
            const int y = ys[s] + pas_ligne * k;
            new Symb_Couleur(xs[s] + 4, y, k);
            int place = 0;
            for (int c = 13 * (3 - k); c < 13 * (4 - k); ++c) {
                if (donne[c] != jsymbs[s]) continue;
                ++place;
                auto carte = std::make_unique<Carte>(c, donne[c], place);
                carte->x = xs[s] + 8 + pas_carte * place;
                carte->y = y - 2;
                page.vcartes.push_back(carte.get());
                page.vboutonscartes.push_back(new BoutonCarte(std::move(carte)));
            }
        }
}

// The cards of the current trick in the middle of the hands, each on its
// player's side, and the seat to play.
void place_levee() {
    remplace(page.glevee);
    const Deja& d = pap.dpap;
    const int cx = page.xcentre, w = page.wcentre;
    page.glevee = new Fl_Group(cx, y_mains + 140, w, 130);
    const int n = static_cast<int>(d.nosdj.size()) % 4;
    const int xcarte[4] = {cx + w / 2 - 20, cx + w - 40, cx + w / 2 - 20, cx};
    const int ycarte[4] = {y_mains + 150, y_mains + 190, y_mains + 230, y_mains + 190};
    if (d.noc >= 1 && d.nosdj.size() < 52)
        for (int k = 0; k < n; ++k) {
            const int s = (d.premier + k) % 4;
            const int c = d.nosdj[d.nosdj.size() - static_cast<std::size_t>(n - k)];
            new BoiteCarte(xcarte[s], ycarte[s], 40, 24, c);
        }
    page.glevee->end();
}

// The selector of the contract form: a button showing the choice and its
// hidden list under it.
template <class Liste>
Fl_Button* selecteur(int x, int y, int w, const char* label, const char* const* lignes, int n,
                     Fl_Callback* cb) {
    auto* b = new BoutonChoix(x, y, w, 25);
    b->copy_label(label);
    auto* l = new Liste(x, y + 25, w, 0);
    for (int i = 0; i < n; ++i) l->add(lignes[i]);
    taille_liste(l, lignes, n, w);
    l->hide();
    l->callback(cb, b);
    b->callback(Fenetre::cb_bjoueur, l);
    return b;
}

void place_formulaire(Fenetre* f) {
    remplace(page.gform);
    const Deja& d = pap.dpap;
    const int wf = 960;
    const int xf = xpap() + (wpap() - wf) / 2;
    const int yf = y_mains + h_mains + 110;
    // From the form's title, left of its frame (the scrolling page wipes
    // what lies outside its children), down to the bottom of the longest
    // list, the levels', so that the page scrolls far enough to show it
    // whole and the group passes it the clicks.
    const int xg = xf - largeur("Formulaire", FL_HELVETICA, 18) - 10;
    const int bas_listes = yf + 165 + 25 + hauteur_lignes(8);
    page.gform = new Fl_Group(xg, yf - 25, xf + wf - xg, bas_listes + 10 - (yf - 25));
    new BoiteForm(xf, yf, "Formulaire", wf, 225);
    auto* choix = new BoiteTexte(xf + 10, yf + 6, "Choix des contraintes", FL_HELVETICA_BOLD, 16);
    (void)choix;
    new BoiteTexte(xf + 10, yf + 34,
                   "Modifiez les contraintes («contraintes/pasapas») au fur et à mesure du "
                   "déroulement de la donne.",
                   FL_HELVETICA_ITALIC, 14, couleur_texte);
    new BoiteChamp(xf + 10, yf + 80, wf - 20, 45, "Paramètres");
    intparametres(yf + 84, xf + 10, wf - 20);

    new BoiteChamp(xf + 10, yf + 150, 420, 55, "Contrat");
    const int yc = yf + 165;
    static const char* const niveaux[8] = {"0", "1", "2", "3", "4", "5", "6", "7"};
    static const char* const sieges[4] = {"sud", "ouest", "nord", "est"};
    selecteur<SelectNombre>(xf + 30, yc, 45, num[d.niveau], niveaux, 8, cb_nivpap);
    // Once a card is played the strain and declarer have decided who won
    // each trick: they change only with a new start, and show as plain text.
    const bool fixe = d.noc >= 2;
    int xpar = xf + 185;
    if (fixe) {
        auto* atout = new BoiteTexte(xf + 90, yc - 4, sacouls[(d.couleur + 1) % 5],
                                     FL_HELVETICA_BOLD, 16, couleur_texte);
        xpar = atout->x() + atout->w();
    } else {
        selecteur<SelectCouleur>(xf + 90, yc, 90, sacouls[(d.couleur + 1) % 5], sacouls, 5,
                                 cb_coupap);
    }
    auto* par = new BoiteTexte(xpar, yc - 4, " par ", FL_HELVETICA, 16, couleur_texte);
    const int xdecl = par->x() + par->w() + 5;
    if (fixe) {
        new BoiteTexte(xdecl, yc - 4, joueurs[d.declarant], FL_HELVETICA_BOLD, 16, couleur_texte);
    } else {
        selecteur<SelectJoueur>(xdecl, yc, 80, joueurs[d.declarant], sieges, 4, cb_joupap);
    }
    const char* textes[3] = {"Évaluer", "Initialiser", "Quitter"};
    Fl_Callback* cbs[3] = {cb_entamer, cb_initialise, cb_quitter};
    for (int i = 0; i < 3; ++i) {
        auto* b = new Fl_Button(xf + 460 + 95 * i, yc - 2, 85, 30, textes[i]);
        b->callback(cbs[i], f);
        // The analysis pages' compute key, which no menu entry uses; the
        // field being typed in keeps the focus, so that "Évaluer" takes its
        // value first and stops when it is refused (prend_saisie).
        if (i == 0) {
            b->shortcut(FL_CTRL + FL_Enter);
            b->clear_visible_focus();
        }
    }
    page.gform->end();
}

void place_resultats() {
    remplace(page.gres);
    page.gres = new Fl_Group(page.xres, y_mains + 40, w_resultats, h_mains - 45);
    // Thirteen candidates still fit in the frame.
    const int n = static_cast<int>(pap.rpap.size());
    const int pas = n > 0 ? std::min(29, (h_mains - 50) / n) : 29;
    for (std::size_t k = 0; k < pap.rpap.size(); ++k) {
        const int y = y_mains + 45 + pas * static_cast<int>(k);
        new BoiteCarte(page.xres + 4, y, 70, 26, pap.rpap[k]);
        auto* o = new SortiePage(page.xres + 76, y, 100, 26);
        o->box(FL_NO_BOX);
        o->textsize(18);
        o->textcolor(136);
        o->clear_visible_focus();
        char s[32];
        if (pap.taux) std::snprintf(s, sizeof s, "%5.1f %%", 100.0 * pap.vesp[k]);
        else std::snprintf(s, sizeof s, "%5.2f", static_cast<double>(pap.vesp[k]));
        o->value(s);
    }
    page.gres->end();
}

}  // namespace

// --- widgets ----------------------------------------------------------------------

Carte::Carte(int no, char s, int place)
    : nofixees(no),
      couleur(coulno(no)),
      rang(::rang(no)),
      rangf(vl[no % 13]),
      symb(s),
      rangcoul(place) {}
Carte::~Carte() = default;
int Carte::joueur() const {
    const char* p = std::strchr(jsymbs, symb);
    return p ? static_cast<int>(p - jsymbs) : -1;
}

BoutonCarte::BoutonCarte(std::unique_ptr<Carte> c)
    : Fl_Button(c->x, c->y, pas_carte, 23), pcarte(std::move(c)) {
    label(pcarte->rangf.c_str());
    labelsize(18);
    box(FL_FLAT_BOX);
    color(coul_fenetre_contr);
    labelcolor(couleur_tenue);
    callback(rien);
}
BoutonCarte::~BoutonCarte() = default;

SelectNombre::~SelectNombre() = default;
SelectCouleur::~SelectCouleur() = default;
SelectJoueur::~SelectJoueur() = default;

// --- the page -----------------------------------------------------------------------

void Fenetre::cb_formpasapas(Fl_Widget*, void* fenetre) {
    auto* f = static_cast<Fenetre*>(fenetre);
    complete_donne(contr.cfixees);
    contr.eff();
    if (pap.dpap.noc == 0) {
        // Nothing could be rated on such a set: back to its page at once.
        const std::string refus =
            donne_incomplete(contr.cfixees) ? message_incomplete : verifie_tirage(contr, false);
        if (!refus.empty()) {
            alerte(refus);
            f->changer_contraintes();
            return;
        }
    }
    f->detruit_widgets();
    if (f->gpasapas) f->gpasapas->show();
    f->formpasapas();
}

void Fenetre::formpasapas() {
    env.pasapas = true;
    color(couleur_pages);
    Fl_Group* avant = Fl_Group::current();
    if (!gpasapas) {
        // A new analysis: the set is saved to its own file and followed.
        if (pap.dpap.noc == 0) ouvre_pap(pap);
        page = Page();
        begin();
        // The form lies below a 768-pixel screen: the page scrolls.
        gpasapas = page_defilante(new Fl_Scroll(0, 30, w, h - 30), Fl_Scroll::BOTH);
        page.titre = new Titrepage("Analyse pas à pas", xpap(), y_titre, wpap());
        const int x0 = x_mains(w);
        place_mains(x0);
        // Wide enough for the counters and the seat to play, however short the hands.
        const int wm = std::max(page.xres - 12 - x0, 440);
        new BoiteCadre(x0, y_mains + h_mains + 8, wm, 36, nullptr, 2, coulformext,
                       coul_fenetre_contr);
        page.oldec = sortie(x0 + 10 + largeur("Déclarant : ", FL_HELVETICA, 16),
                            y_mains + h_mains + 13, 40, 26, "Déclarant :");
        page.oldef = sortie(page.oldec->x() + 60 + largeur("Défense : ", FL_HELVETICA, 16),
                            y_mains + h_mains + 13, 40, 26, "Défense :");
        page.oajouer = sortie(page.oldef->x() + 60 + largeur("À jouer : ", FL_HELVETICA, 16),
                              y_mains + h_mains + 13, 100, 26, "À jouer :");
        page.oajouer->textfont(FL_HELVETICA_BOLD);
        page.otirages = sortie(x0, y_mains + h_mains + 50, 360, 24);
        page.otemps = sortie(x0 + 360, y_mains + h_mains + 50, 200, 24);
        new BoiteCadre(page.xres, y_mains, w_resultats, h_mains, nullptr, 2, coulformext,
                       coul_fenetre_contr);
        auto* titre_res = new Fl_Box(page.xres, y_mains + 4, w_resultats, 30, "Résultats");
        titre_res->labelfont(FL_HELVETICA_BOLD);
        titre_res->labelsize(18);
        titre_res->labelcolor(136);
        gpasapas->end();
        end();
    }
    const Deja& d = pap.dpap;

    // Every card disarmed, played ones greyed, then the candidates armed.
    for (BoutonCarte* b : page.vboutonscartes) {
        const bool jouee = d.jouees[b->pcarte->nofixees] != 'V';
        b->labelcolor(jouee ? couleur_jouee : couleur_tenue);
        b->callback(rien);
    }
    for (const int c : pap.rpap)
        for (BoutonCarte* b : page.vboutonscartes)
            if (b->pcarte->nofixees == c) {
                b->labelcolor(couleur_candidat);
                b->callback(cb_suivante);
            }

    page.oajouer->value(d.nosdj.size() < 52 ? nomjoueur[d.joueur] : "");
    char texte[96];
    // The counters change between tricks only.
    if (d.nosdj.size() % 4 == 0 || !page.oldec->value()[0]) {
        page.oldec->value(std::to_string(d.leveesdec).c_str());
        page.oldef->value(std::to_string(d.leveesdef).c_str());
    }
    if (pap.analysees > 0) {
        std::snprintf(texte, sizeof texte, "%lld tirages, %lld donnes ",
                      static_cast<long long>(pap.n), static_cast<long long>(pap.analysees));
        page.otirages->value(texte);
        // One sentence: the time right after the counts.
        page.otemps->resize(page.otirages->x() + largeur(texte, FL_HELVETICA, 16), page.otemps->y(),
                            page.otemps->w(), page.otemps->h());
        std::snprintf(texte, sizeof texte, "analysées en %d'%d''", pap.t / 60, pap.t % 60);
        page.otemps->value(texte);
    } else {
        page.otirages->value("");
        page.otemps->value("");
    }

    gpasapas->begin();
    place_levee();
    place_resultats();
    place_formulaire(this);
    gpasapas->end();
    // The parts just rebuilt were placed in the page's own coordinates; the
    // page may be scrolled (the form lies below a 768-pixel screen).
    const int dx = page.titre->x() - xpap(), dy = page.titre->y() - y_titre;
    for (Fl_Group* g : {page.glevee, page.gres, page.gform}) g->position(g->x() + dx, g->y() + dy);
    Fl_Group::current(avant);
    redraw();
}

// --- callbacks -------------------------------------------------------------------------

namespace {

// A new contract: the values shown, the armed candidates and the seat to
// play belonged to the former one, so the page is shown again.
void change_contrat(Fl_Widget* liste, int niveau, int couleur, int declarant) {
    if (!contrat_pap(pap, niveau, couleur, declarant)) return;
    if (Fenetre* f = fenetre_de(liste)) f->formpasapas();
}

}  // namespace

void cb_nivpap(Fl_Widget* liste, void* bouton) {
    const int ligne = static_cast<Fl_Select_Browser*>(liste)->value();
    if (ligne < 1 || ligne > 8) return;
    static_cast<Fl_Button*>(bouton)->label(num[ligne - 1]);
    liste->hide();
    change_contrat(liste, ligne - 1, pap.dpap.couleur, pap.dpap.declarant);
}

void cb_coupap(Fl_Widget* liste, void* bouton) {
    const int ligne = static_cast<Fl_Select_Browser*>(liste)->value();
    if (ligne < 1 || ligne > 5) return;
    static_cast<Fl_Button*>(bouton)->label(sacouls[ligne - 1]);
    liste->hide();
    change_contrat(liste, pap.dpap.niveau, (ligne + 3) % 5, pap.dpap.declarant);
}

void cb_joupap(Fl_Widget* liste, void* bouton) {
    const int ligne = static_cast<Fl_Select_Browser*>(liste)->value();
    if (ligne < 1 || ligne > 4) return;
    static_cast<Fl_Button*>(bouton)->label(joueurs[(ligne + 1) % 4]);
    liste->hide();
    change_contrat(liste, pap.dpap.niveau, pap.dpap.couleur, (ligne + 1) % 4);
}

void cb_entamer(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    res_pap(pap, -1);
    static_cast<Fenetre*>(fenetre)->formpasapas();
}

void cb_suivante(Fl_Widget* bouton, void*) {
    auto* b = dynamic_cast<BoutonCarte*>(bouton);
    Fenetre* f = fenetre_de(bouton);
    if (!b || !f) return;
    joue_pap(pap, b->pcarte->nofixees);
    f->formpasapas();
}

void cb_initialise(Fl_Widget*, void* fenetre) {
    auto* f = static_cast<Fenetre*>(fenetre);
    initialise_pap(pap);
    // This button belongs to the page being replaced.
    if (f->gpasapas) Fl::delete_widget(f->gpasapas);
    f->gpasapas = nullptr;
    page = Page();
    f->detruit_widgets();
    f->formpasapas();
}

void cb_quitter(Fl_Widget*, void* fenetre) {
    auto* f = static_cast<Fenetre*>(fenetre);
    if (f->gpasapas) Fl::delete_widget(f->gpasapas);
    f->gpasapas = nullptr;
    page = Page();
    quitte_pap(pap);
    f->changer_contraintes();
}
