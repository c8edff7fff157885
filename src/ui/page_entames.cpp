// The opening-lead page: every widget writes the record `deja` (or `nos`)
// at once; "Calculer" and "comparer" rebuild the record's template from
// the current set, then call the engine and show what it found, or its
// alert when it found nothing to show.
#include "page_entames.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "bridge.h"
#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "entames.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "page_contraintes.h"
#include "parametres.h"
#include "tableaux.h"

int ycomparaison = 298;

namespace {

// As wide as the played-cards chooser it holds, with a margin.
constexpr int largeur_page = 1007;
constexpr Fl_Color couleur_cadre = 136;

constexpr const char* aide =
    "Fixez la main du joueur avec les contraintes, choisissez l'atout, le contrat, le déclarant "
    "avec les paramètres. Si le but est à 0,\n"
    " affichage du nombre de levées pour chaque donne, sinon seul le pourcentage de réussite est "
    "affiché. S'il ne s'agit pas d'une\n"
    " entame, renseignez la partie «cartes déjà jouées».";
constexpr const char* refus_budget = "nombre de donne insuffisant, vérifiez vos contraintes";
constexpr const char* refus_13 = "Le joueur n'a pas 13 cartes";

// The seat lists of the page, in the order of the lines.
constexpr const char* lignes_sieges[4] = {"sud", "ouest", "nord", "est"};

// Widgets of the page that other widgets' callbacks update. They are set
// when the page is built and only used from callbacks of that page, which
// run while it lives.
struct PageEntames {
    Fl_Button* premier = nullptr;          // "Premier : "
    Fl_Widget* comparaison = nullptr;      // the "Comparaison directe" form
    Fl_Select_Browser* listes[2] = {};     // the two lead choosers
    std::unique_ptr<IntVIBS> leads[2];     // their data
    std::string levee[2];                  // the current trick's suits and ranks, as taken
};
PageEntames page;

// What the current trick's fields expect, given when a text is refused.
constexpr const char* notations_levee[2] = {
    "les couleurs de la levée en cours s'écrivent P (pique), C (cœur), K (carreau) ou T "
    "(trèfle), une lettre par carte jouée, trois au plus",
    "les rangs de la levée en cours s'écrivent A, R, D, V, X, 9 à 2 (0 : pas de carte), un "
    "caractère par carte jouée, trois au plus"};

// The record was set up for a set read from a file of this name; a set of
// another name is another deal, whose played cards mean nothing.
bool record_pret = false;
std::string nom_record;

// Width of a label in the toolkit's default font and size.
int largeur_texte(const char* texte) {
    // Fonts are measured on the display: opened here if no window is shown yet.
    fl_open_display();
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    return static_cast<int>(fl_width(texte)) + 4;
}

void relabel(Fl_Widget* bouton, const char* texte) {
    bouton->label(texte);
    bouton->redraw();
}

// The line picked in a selector list, hidden once a line is picked; 0 when
// the click fell beside the lines (the list stays open).
int ligne(Fl_Widget* w, int n) {
    auto* l = static_cast<Fl_Select_Browser*>(w);
    const int v = l->value();
    if (v < 1 || v > n) return 0;
    l->hide();
    return v;
}


// The candidate leads of the player on lead in the lists, and on the
// buttons the leads still among them (the others are dropped from nos).
void remplit_entames() {
    const std::vector<int> candidats = numeros_entame(contr.cfixees, jsymbs[deja.premier]);
    for (int i = 0; i < 2; ++i) {
        IntVIBS* d = page.leads[i].get();
        Fl_Select_Browser* l = page.listes[i];
        if (!d || !l) continue;
        d->vecteur = candidats;
        l->clear();
        for (int c : candidats) l->add(aff_carte(c).c_str());
        if (std::find(candidats.begin(), candidats.end(), nos[i]) == candidats.end()) nos[i] = -1;
        d->bouton->no = nos[i];
        d->bouton->redraw();
    }
}

// The template of the statistic from the set as it is now and the cards
// marked played; false, after the alert, when they disagree.
bool refait_gabarit() {
    contr.eff();
    const std::string refus = refait_fixees(deja, contr.cfixees);
    if (refus.empty()) return true;
    alerte(refus);
    return false;
}

// Shows why the last run has nothing to show; false when it has.
bool echec_signale() {
    switch (bilan_entames.statut) {
        case Statut::ok: return false;
        case Statut::budget_epuise: alerte(refus_budget); break;
        case Statut::echec_solveur: alerte(bilan_entames.message); break;
        case Statut::refuse: alerte(bilan_entames.message); break;
    }
    return true;
}

// Takes the text of a current-trick field (0 suits, 1 ranks) into cible
// when each of its characters, three at most, names a suit or a rank;
// otherwise refuses it with the notation and shows again the text in force,
// which the statistic would use.
void prend_levee(Fl_Widget* w, int champ, void (*lit)(const char*, int[3]), int cible[3]) {
    auto* input = static_cast<Fl_Input*>(w);
    const std::string texte = input->value();
    int lu[3];
    lit(texte.c_str(), lu);
    bool lisible = texte.size() <= 3;
    for (std::size_t i = 0; lisible && i < texte.size(); ++i) lisible = lu[i] >= 0;
    if (!lisible) {
        refuse_saisie("« " + texte + " » : " + notations_levee[champ]);
        input->value(page.levee[champ].c_str());
        return;
    }
    std::copy(lu, lu + 3, cible);
    page.levee[champ] = texte;
}

std::string duree(std::int64_t tirages, bool groupes, long secondes) {
    return (groupes ? istring(tirages) : std::to_string(tirages)) + " tirages, " +
           std::to_string(nbstat) + " donnes analysées en " + std::to_string(secondes / 60) + "'" +
           std::to_string(secondes % 60) + "''";
}

void ferme(Fl_Widget* w, void*) {
    w->hide();
    Fl::delete_widget(w);
}

// Row header: the rank in the frame colour, the suit symbol in its own.
void entete_carte(const char* rang, const char* symbole, Fl_Color c, int x, int y, int w, int h) {
    fl_draw_box(FL_THIN_UP_BOX, x, y, w, h, coul_fenetre_contr);
    fl_color(couleur_cadre);
    fl_draw(rang, x - 5, y, w, h, FL_ALIGN_CENTER);
    fl_color(c);
    fl_draw(symbole, x + 5, y, w, h, FL_ALIGN_CENTER);
}

void entete_colonne(const char* texte, int x, int y, int w, int h) {
    fl_draw_box(FL_THIN_UP_BOX, x, y, w, h, coul_fenetre_contr);
    fl_color(couleur_cadre);
    fl_draw(texte, x, y, w, h, FL_ALIGN_CENTER);
}

template <class Table>
void lignes_cartes(Table& t, const std::vector<int>& cartes) {
    t.cartes = cartes;
    for (std::size_t i = 0; i < cartes.size() && i < 13; ++i) {
        const int c = cartes[i];
        t.vdata[i] = vl[c % 13];
        t.vvdata[i] = symbcoul[c / 13];
        t.couleur[i] = static_cast<unsigned>(coulsymb[c / 13]);
    }
}

Fl_Box* titre_resultats(int w, const char* texte) {
    auto* b = new Fl_Box(0, 0, w, 40, texte);
    b->box(FL_FLAT_BOX);
    b->color(coul_fenetre_contr);
    b->labelfont(FL_HELVETICA_BOLD);
    b->labelsize(20);
    b->labelcolor(couleur_cadre);
    return b;
}

Fl_Output* ligne_sortie(int x, int y, int w, const std::string& texte) {
    auto* o = new SortiePage(x, y, w, 20);
    o->box(FL_NO_BOX);
    o->value(texte.c_str());
    o->clear_visible_focus();
    return o;
}

}  // namespace

// --- widget classes ---------------------------------------------------------------

BoutonSelect::BoutonSelect(int x, int y, int w, int h, const char* label)
    : Fl_Button(x, y, w, h, label) {}
BoutonSelect::~BoutonSelect() = default;

void BoutonSelect::draw() {
    if (no < 0 || no > 51) {
        Fl_Button::draw();
        return;
    }
    draw_box(FL_UP_BOX, FL_WHITE);
    const int milieu = x() + w() / 2;
    csc[0] = cartes[rang(no)];
    csc[1] = '\0';
    fl_font(FL_HELVETICA, 15);
    fl_color(FL_BLACK);
    const int l = static_cast<int>(fl_width(csc));
    fl_draw(csc, milieu - 11 - l / 2, y() + h() / 2 + fl_height() / 2 - fl_descent());
    std::snprintf(ccc, sizeof ccc, "%s", scoul[coulno(no)]);
    fl_font(FL_HELVETICA, 18);
    fl_color(couls[coulno(no)]);
    fl_draw(ccc, milieu + 1, y() + h() / 2 + fl_height() / 2 - fl_descent());
    fl_font(FL_HELVETICA, 15);
}

ResCompE::ResCompE(int x, int y, int w, int h, int no, int gagne)
    : Fl_Box(x, y, w, h), gagne(gagne), no(no) {
    box(FL_BORDER_FRAME);
    color(couleur_cadre);
}
ResCompE::~ResCompE() = default;

void ResCompE::draw() {
    draw_box();
    if (no < 0 || no > 51) return;
    // The card and " meilleure" on one centred line: the rank, the suit
    // symbol in its colour and size, then the word.
    std::snprintf(csc, sizeof csc, "%c", cartes[rang(no)]);
    std::snprintf(ccc, sizeof ccc, "%s", scoul[coulno(no)]);
    const char* mot = "  meilleure";
    fl_font(FL_HELVETICA, 14);
    const int l1 = static_cast<int>(fl_width(csc));
    const int l3 = static_cast<int>(fl_width(mot));
    fl_font(FL_HELVETICA, 18);
    const int l2 = static_cast<int>(fl_width(ccc));
    int xx = x() + (w() - l1 - l2 - l3) / 2;
    const int base = y() + 19;
    fl_font(FL_HELVETICA, 14);
    fl_color(FL_BLACK);
    fl_draw(csc, xx, base);
    xx += l1;
    fl_font(FL_HELVETICA, 18);
    const Fl_Color c = couls[coulno(no)];
    fl_color(c);
    fl_draw(ccc, xx, base);
    xx += l2;
    fl_font(FL_HELVETICA, 14);
    fl_color(FL_BLACK);
    fl_draw(mot, xx, base);
    std::snprintf(res, sizeof res, "%d%%", std::max(0, std::min(gagne, 100)));
    fl_font(FL_HELVETICA, 18);
    fl_color(c);
    fl_draw(res, x(), y() + 30, w(), 30, FL_ALIGN_CENTER);
}

bool TableCartes::dessine_commun(TableContext context, int r, int x, int y, int w, int h) {
    if (context == CONTEXT_STARTPAGE) {
        fl_font(FL_HELVETICA, 16);
        return true;
    }
    if (context != CONTEXT_ROW_HEADER) return false;
    if (r < 0 || r >= 13) return true;
    fl_push_clip(x, y, w, h);
    entete_carte(vdata[r], vvdata[r], couleur[r], x, y, w, h);
    fl_pop_clip();
    return true;
}

MaTable::MaTable(int x, int y, int w, int h) : TableCartes(x, y, w, h) {
    hdata[0] = "% réussite";
    end();
}
MaTable::~MaTable() = default;

void MaTable::draw_cell(TableContext context, int r, int c, int x, int y, int w, int h) {
    if (dessine_commun(context, r, x, y, w, h)) return;
    switch (context) {
        case CONTEXT_COL_HEADER:
            fl_push_clip(x, y, w, h);
            entete_colonne(hdata[c < 4 ? c : 0], x, y, w, h);
            fl_pop_clip();
            return;
        case CONTEXT_CELL: {
            if (r < 0 || r >= 14 || c < 0 || c >= 15) return;
            fl_push_clip(x, y, w, h);
            fl_color(FL_WHITE);
            fl_rectf(x, y, w, h);
            fl_color(32);
            fl_draw(std::to_string(data[r][c]).c_str(), x, y, w, h, FL_ALIGN_CENTER);
            fl_color(couleur_cadre);
            fl_rect(x, y, w, h);
            fl_pop_clip();
            return;
        }
        default: return;
    }
}

MaaTable::MaaTable(int x, int y, int w, int h) : TableCartes(x, y, w, h) {
    static const char* const entetes[15] = {"0", "1", "2",  "3",  "4",  "5",  "6", "7",
                                            "8", "9", "10", "11", "12", "13", "E"};
    std::copy(entetes, entetes + 15, hdata);
    end();
}
MaaTable::~MaaTable() = default;

void MaaTable::draw_cell(TableContext context, int r, int c, int x, int y, int w, int h) {
    if (dessine_commun(context, r, x, y, w, h)) return;
    switch (context) {
        case CONTEXT_COL_HEADER:
            if (c < 0 || c >= 15) return;
            fl_push_clip(x, y, w, h);
            entete_colonne(hdata[c], x, y, w, h);
            fl_pop_clip();
            return;
        case CONTEXT_CELL: {
            if (r < 0 || r >= 13 || c < 0 || c >= 15) return;
            fl_push_clip(x, y, w, h);
            fl_color(FL_WHITE);
            fl_rectf(x, y, w, h);
            if (c == 14) {
                char e[16];
                std::snprintf(e, sizeof e, "%3.1f", esp[r]);
                fl_color(32);
                fl_draw(e, x, y, w, h, FL_ALIGN_CENTER);
                fl_color(couleur_cadre);
                fl_rect(x, y, w, h);
            } else {
                fl_font(FL_HELVETICA, 16);
                fl_color(32);
                fl_draw(std::to_string(data[r][c]).c_str(), x, y + 5, w, h - 5, FL_ALIGN_TOP);
                fl_font(FL_HELVETICA_ITALIC, 14);
                fl_color(60);
                fl_draw(std::to_string(ddata[r][c]).c_str(), x, y, w, h - 3, FL_ALIGN_BOTTOM);
                fl_font(FL_HELVETICA, 16);
                fl_color(couleur_cadre);
                fl_rect(x, y, w, h);
            }
            fl_pop_clip();
            return;
        }
        default: return;
    }
}

// --- the page -----------------------------------------------------------------------

void Fenetre::entames() {
    if (!record_pret || deja.id_contraintes != contr.id || nom_record != contr.nom) {
        reinitialise(deja, contr);
        record_pret = true;
        nom_record = contr.nom;
    }
    env.page = "entames";
    detruit_widgets();
    color(couleur_pages);
    // On a 1366-pixel screen the page would pass under the vertical bar by a
    // few pixels: it moves left rather than add a horizontal bar.
    const int X = std::max(0, std::min(xbcontrats, w - largeur_page - Fl::scrollbar_size() - 4));

    Fl_Group* avant = Fl_Group::current();
    begin();
    gentames = page_defilante(new Fl_Scroll(0, 30, w, h - 60), Fl_Scroll::BOTH);

    new Titrepage("Pourcentages de réussite des entames et suivantes", 100, 80, xm - 200);

    // One buffer for every visit: the display does not own it.
    static Fl_Text_Buffer* texte_aide = nullptr;
    if (!texte_aide) {
        texte_aide = new Fl_Text_Buffer();
        texte_aide->text(aide);
    }
    auto* affiche_aide = new LaisseMenu<Fl_Text_Display>(X, 150, largeur_page, 70);
    affiche_aide->box(FL_UP_BOX);
    affiche_aide->color(coul_fenetre_contr);
    affiche_aide->textsize(13);
    affiche_aide->buffer(texte_aide);

    auto* nom = new SortiePage(16, 150, 200, 30, "Nom des contraintes");
    nom->align(FL_ALIGN_TOP_LEFT);
    nom->value(contr.nom.c_str());

    // The contract.
    new BoiteForm(X, 225, "Contrat ", largeur_page, 65);
    auto* note = new Fl_Box(X + 8, 227, 600, 20,
                            "Pour obtenir l'espérance du nombre de levées, laissez le but à 0");
    note->labelfont(FL_HELVETICA_ITALIC);
    note->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    auto* bniveau = new Fl_Button(X + 8, 250, 40, 25, num[std::clamp(deja.niveau, 0, 7)]);
    auto* bcouleur =
        new Fl_Button(X + 93, 250, 75, 25, sacouls[(std::clamp(deja.couleur, 0, 4) + 1) % 5]);
    new Fl_Box(X + 233, 250, 50, 25, "par ");
    auto* bdeclarant = new Fl_Button(X + 273, 250, 70, 25, joueurs[deja.declarant & 3]);
    auto* calculer = new Fl_Button(X + 433, 250, 70, 30, "Calculer");
    calculer->color(FL_WHITE);
    calculer->callback(cb_calent, this);
    // Not Alt+C: the toolkit offers a shortcut to the widgets under the
    // mouse before the menu bar, whose "Comparer" answers Alt+C.
    calculer->shortcut(FL_CTRL + FL_Enter);
    // The field being typed in keeps the focus, so that the button takes
    // its value first and stops when it is refused (prend_saisie).
    calculer->clear_visible_focus();

    // The comparison of two leads.
    ycomparaison = 298;
    auto* fcomp = new BoiteForm(X, ycomparaison, "Comparaison directe", largeur_page, 110);
    page.comparaison = fcomp;
    auto* comparer = new Fl_Button(X + 8, 308, 80, 25, "comparer");
    comparer->color(FL_WHITE);
    comparer->callback(cb_compentames, this);
    comparer->clear_visible_focus();
    new Fl_Box(X + 88, 308, 150, 25, "(entame seulement)");
    BoutonSelect* bcartes[2] = {new BoutonSelect(X + 238, 308, 60, 25, "carte1"),
                                new BoutonSelect(X + 306, 308, 60, 25, "carte2")};

    // The cards already played.
    new BoiteForm(X, 416, "Cartes déjà jouées ", largeur_page, 531);
    auto* levee = new Fl_Box(X + 30, 426, 150, 30, "Levée en cours");
    levee->labelfont(FL_HELVETICA_BOLD);
    levee->labelsize(18);
    auto* initialiser = new Fl_Button(X + 380, 426, 70, 25, "Initialiser");
    initialiser->color(FL_WHITE);
    initialiser->callback(cb_calini, this);
    new Fl_Box(X + 8, 456, 70, 25, "Premier : ");
    auto* bpremier = new Fl_Button(X + 81, 456, 70, 25, nomjoueur[deja.premier & 3]);
    page.premier = bpremier;

    // The cards of the current trick, those present only: an empty trick
    // shows empty fields rather than suits and zeros that mean nothing.
    std::string couleurs, rangs;
    for (int i = 0; i < 3 && deja.ctranks[i] != 0; ++i) {
        const int k = deja.ctcouleurs[i], r = deja.ctranks[i];
        couleurs += k >= 0 && k <= 3 ? lettres_couleurs[k] : '?';
        rangs += r >= 2 && r <= 14 ? cartes[r] : '?';
    }
    // The long labels stay inside the form: the fields and buttons after
    // them move right when the font measures them wider than planned.
    const char* lcouleurs = "Couleurs (P,C,K,T pour les cartes jouées de la levée en cours) ";
    const char* lrangs = "Rangs (A,R,D,V,X,9,...2 pour les cartes jouées de la levée en cours) ";
    const char* ldec = "Nombre de levées déjà réalisées par le camp du déclarant (but>0) : ";
    const char* ldef = "Nombre de levées déjà réalisées par le camp de la défense (but>0) : ";
    const int xlevee = std::max(X + 440, X + 16 + std::max(largeur_texte(lcouleurs), largeur_texte(lrangs)));
    const int xlevees = std::max(X + 453, X + 16 + std::max(largeur_texte(ldec), largeur_texte(ldef)));
    page.levee[0] = couleurs;
    page.levee[1] = rangs;
    auto* icouleurs = new ChampPage<Fl_Input>(xlevee, 486, 40, 25, lcouleurs);
    icouleurs->value(couleurs.c_str());
    icouleurs->callback(cb_coudeja);
    auto* irangs = new ChampPage<Fl_Input>(xlevee, 513, 40, 25, lrangs);
    irangs->value(rangs.c_str());
    irangs->callback(cb_rdeja);

    auto* jouees = new Fl_Box(X + 38, 543, 120, 30, "Cartes jouées");
    jouees->labelfont(FL_HELVETICA_BOLD);
    jouees->labelsize(18);
    new Fl_Box(X + 170, 543, 200, 30, "(y compris levée en cours)");
    montrer_fixees(X + 8, 578, cb_jouees, deja.jouees, nullptr);

    for (const char* l : {ldec, ldef}) {
        auto* b = new Fl_Box(X + 8, l == ldec ? 879 : 909, xlevees - X - 8, 25, l);
        b->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }
    auto* bdec = new Fl_Button(xlevees, 879, 40, 25, num[std::clamp(deja.leveesdec, 0, 10)]);
    auto* bdef = new Fl_Button(xlevees, 909, 40, 25, num[std::clamp(deja.leveesdef, 0, 10)]);

    parametres(952, X, largeur_page);

    // White selector buttons; their lists last, so that they open over
    // everything else.
    for (Fl_Button* b : {bniveau, bcouleur, bdeclarant, bpremier, bdec, bdef}) b->color(FL_WHITE);
    liste_choix(bniveau, X + 51, 185, 40, 140, num, 8, cb_niveau);
    liste_choix(bcouleur, X + 171, 200, 75, 90, sacouls, 5, cb_cou);
    liste_choix(bdeclarant, X + 346, 205, 70, 80, lignes_sieges, 4, cb_jou);
    liste_choix(bpremier, X + 151, 456, 70, 80, lignes_sieges, 4, cb_premier);
    liste_choix(bdec, xlevees + 43, 700, 40, 204, num, 11, cb_leveesdec);
    liste_choix(bdef, xlevees + 43, 730, 40, 204, num, 11, cb_leveesdef);
    for (int i = 0; i < 2; ++i) {
        page.leads[i] = std::make_unique<IntVIBS>();
        page.leads[i]->entier = i;
        page.leads[i]->bouton = bcartes[i];
        auto* l = new Fl_Select_Browser(bcartes[i]->x(), 333, 60, 110);
        // A line is the rank, a tab, then the suit symbol: without a column
        // for the rank the symbol falls past the list's edge, and two cards
        // of the same rank read alike.
        static const int colonnes[] = {20, 0};
        l->column_widths(colonnes);
        l->textsize(14);
        l->has_scrollbar(Fl_Browser_::VERTICAL);
        l->callback(cb_sent2, page.leads[i].get());
        l->hide();
        page.listes[i] = l;
        bcartes[i]->color(FL_WHITE);
        bcartes[i]->callback(Fenetre::cb_bjoueur, l);
    }
    remplit_entames();

    gentames->end();
    end();
    Fl_Group::current(avant);
    // The menu bar stays over the page, the same bar, so that the entry
    // that asked for the page stays its current one.
    menu_dessus();
    redraw();
}

void Fenetre::res_compentames() {
    if (!gentames || !page.comparaison) return;
    if (!refait_gabarit()) return;
    const std::time_t debut = std::time(nullptr);
    std::vector<int> res = {0, 0, 0};
    const std::int64_t total = compentames(deja, res);
    const long secondes = static_cast<long>(std::difftime(std::time(nullptr), debut));
    if (echec_signale()) return;

    const int n = std::max(1, nbstat);
    const int x = page.comparaison->x() + 400;
    const int y = page.comparaison->y() + 3;
    Fl_Group* avant = Fl_Group::current();
    gentames->begin();
    // The group spans the form so that the line of counts, left of the
    // frame, goes with the rest when the result is replaced.
    bres = new Fl_Group(page.comparaison->x() + 1, y, 884, 104);
    auto* cadre = new Fl_Box(FL_BORDER_FRAME, x, y, 485, 104, nullptr);
    cadre->color(couleur_cadre);
    auto* titre = new Fl_Box(x, y, 485, 30, "RÉSULTATS");
    titre->labelcolor(couleur_cadre);
    titre->labelfont(FL_HELVETICA_BOLD);
    const int tiers = 485 / 3, yt = y + 30, ht = 74;
    new ResCompE(x, yt, tiers, ht, nos[0], res[0] * 100 / n);
    auto* milieu = new Fl_Group(x + tiers, yt, 485 - 2 * tiers, ht);
    milieu->box(FL_BORDER_FRAME);
    milieu->color(couleur_cadre);
    auto* egal = new Fl_Box(x + tiers, yt, 485 - 2 * tiers, 25, "Égalité");
    egal->labelcolor(couleur_cadre);
    auto* taux = new Fl_Box(x + tiers, yt + 30, 485 - 2 * tiers, 30);
    taux->copy_label((std::to_string(res[1] * 100 / n) + "%").c_str());
    taux->labelsize(18);
    taux->labelcolor(couleur_cadre);
    milieu->end();
    new ResCompE(x + 485 - tiers, yt, tiers, ht, nos[1], res[2] * 100 / n);
    // The line of counts has the room left of the frame; a long one (many
    // draws, a long run) goes on two lines rather than be cut.
    auto* pied = new Fl_Box(page.comparaison->x() + 8, y + 104 - 48, x - page.comparaison->x() - 12, 40);
    pied->copy_label(duree(total, true, secondes).c_str());
    pied->align(FL_ALIGN_LEFT | FL_ALIGN_BOTTOM | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    bres->end();
    // The lead lists open over the line of counts: they stay the last
    // children, drawn on top and offered the clicks first.
    for (Fl_Select_Browser* l : page.listes)
        if (l) gentames->add(l);
    gentames->end();
    Fl_Group::current(avant);
    redraw();
}

Fl_Window* res_entames() {
    ecrit_debug("Resultat entame \n");
    if (!refait_gabarit()) return nullptr;
    deja.joueur = joueur_courant(deja);
    deja.debug();
    const char lettre = jsymbs[deja.joueur & 3];
    if (std::count(contr.cfixees, contr.cfixees + 52, lettre) != 13) {
        alerte(refus_13);
        return nullptr;
    }
    const std::time_t debut = std::time(nullptr);
    const std::int64_t r = stat(deja);
    const long secondes = static_cast<long>(std::difftime(std::time(nullptr), debut));
    if (echec_signale()) return nullptr;

    const bool but = deja.niveau >= 1;
    const std::int64_t analysees = std::max<std::int64_t>(1, bilan_entames.analysees);
    const std::vector<int> rangees = cartes_resultats(but);
    const int n = static_cast<int>(std::min<std::size_t>(rangees.size(), 13));

    Fl_Group* avant = Fl_Group::current();
    Fl_Group::current(nullptr);
    const std::string pied = duree(r, false, secondes);
    // At least as wide as its line of counts, which many draws make wider
    // than the table of rates.
    const int lw = std::max(but ? 320 : 900, largeur_texte(pied.c_str()) + 12), lh = but ? 500 : 600;
    auto* f = new Fl_Window(50, 130, lw, lh, "Résultats entames");
    titre_resultats(lw, "Résultats");
    const int hauteur_table = but ? 434 : 534;
    const int entete = 30;
    Fl_Table* table = nullptr;
    if (but) {
        auto* t = new MaTable(0, 40, lw, hauteur_table);
        lignes_cartes(*t, rangees);
        for (int i = 0; i < n; ++i)
            t->data[i][0] = static_cast<int>(nbchutes[rangees[i]] * 100 / analysees);
        t->rows(n);
        t->cols(1);
        t->row_height_all(30);
        t->row_header_width(45);
        t->col_width_all(lw - 45 - Fl::box_dw(t->box()));
        table = t;
    } else {
        auto* t = new MaaTable(0, 40, lw, hauteur_table);
        lignes_cartes(*t, rangees);
        for (int i = 0; i < n; ++i) {
            const int c = rangees[i];
            int cumul = 0;
            double somme = 0;
            for (int k = 13; k >= 0; --k) {
                cumul += tabstat[c][k];
                t->data[i][k] = tabstat[c][k];
                t->ddata[i][k] = cumul;
                somme += static_cast<double>(k) * tabstat[c][k];
            }
            t->esp[i] = somme / static_cast<double>(analysees);
        }
        t->rows(n);
        t->cols(15);
        t->col_width_all(56);
        t->row_header_width(lw - 15 * 56 - Fl::box_dw(t->box()));
        // Thirteen rows of 40 would not fit under the headers: the rows
        // share the height, 40 at most.
        t->row_height_all(std::min(40, (hauteur_table - entete - Fl::box_dh(t->box())) / std::max(1, n)));
        table = t;
    }
    table->row_header(1);
    table->col_header(1);
    table->col_header_height(entete);
    table->color(coul_fenetre_contr);
    ligne_sortie(2, but ? 478 : 578, lw, pied);
    f->end();
    f->callback(ferme);
    Fl_Group::current(avant);
    f->show();
    return f;
}

// --- callbacks -----------------------------------------------------------------------

void cb_calent(Fl_Widget*, void*) {
    if (!prend_saisie()) return;
    res_entames();
}

void cb_compentames(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    auto* f = static_cast<Fenetre*>(fenetre);
    // The previous result goes, out of the page at once so that deleting
    // the page later cannot delete it a second time.
    if (f->bres) {
        f->bres->hide();
        if (f->bres->parent()) f->bres->parent()->remove(f->bres);
        Fl::delete_widget(f->bres);
        f->bres = nullptr;
        f->redraw();
    }
    f->res_compentames();
}

void cb_calini(Fl_Widget*, void* fenetre) {
    reinitialise(deja, contr);
    record_pret = true;
    nom_record = contr.nom;
    static_cast<Fenetre*>(fenetre)->entames();
}

void cb_niveau(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 8);
    if (!v) return;
    deja.niveau = v - 1;
    relabel(static_cast<Fl_Widget*>(bouton), num[v - 1]);
}

void cb_cou(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 5);
    if (!v) return;
    deja.couleur = (v + 3) % 5;
    relabel(static_cast<Fl_Widget*>(bouton), sacouls[v - 1]);
}

void cb_jou(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 4);
    if (!v) return;
    const int d = (v + 1) % 4;
    deja.declarant = d;
    deja.premier = deja.joueur = (d + 1) % 4;
    relabel(static_cast<Fl_Widget*>(bouton), nomjoueur[d]);
    // Declarer's left-hand opponent leads: the "Premier" button and the
    // candidate leads follow.
    if (page.premier) relabel(page.premier, nomjoueur[deja.premier]);
    remplit_entames();
}

void cb_premier(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 4);
    if (!v) return;
    deja.premier = (v + 1) % 4;
    deja.joueur = joueur_courant(deja);
    relabel(static_cast<Fl_Widget*>(bouton), nomjoueur[deja.premier]);
    ecrit_debug("premier : " + std::to_string(deja.premier));
    remplit_entames();
}

void cb_leveesdec(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 11);
    if (!v) return;
    deja.leveesdec = v - 1;
    relabel(static_cast<Fl_Widget*>(bouton), num[v - 1]);
}

void cb_leveesdef(Fl_Widget* w, void* bouton) {
    const int v = ligne(w, 11);
    if (!v) return;
    deja.leveesdef = v - 1;
    relabel(static_cast<Fl_Widget*>(bouton), num[v - 1]);
}

void cb_coudeja(Fl_Widget* w, void*) { prend_levee(w, 0, lit_couleurs_levee, deja.ctcouleurs); }

void cb_rdeja(Fl_Widget* w, void*) {
    prend_levee(w, 1, lit_rangs_levee, deja.ctranks);
    deja.joueur = joueur_courant(deja);
}

void cb_jouees(Fl_Widget* w, void* code) {
    CarteBouton cb;
    if (!carte_du_code(code_de(code), cb)) return;
    auto* b = static_cast<Fl_Button*>(w);
    const int c = cb.index;
    const char lettre = jsymbs[cb.joueur];
    const unsigned bit = 1u << (14 - cb.colonne);
    // A card the set gives this seat keeps the grey look while not played.
    const Fl_Color selection = contr.cfixees[c] == lettre ? couleur_fixee_ailleurs : couleur_main;

    if (deja.jouees[c] == lettre) {
        deja.jouees[c] = 'V';
        deja.dj[cb.joueur][cb.ligne] &= ~bit;
        deja.fixees[c] = contr.cfixees[c];
        regarde_carte(b, false, selection);
        return;
    }
    if (deja.jouees[c] != 'V') {
        alerte(std::string(vl[cb.colonne]) + " de " + sacouls[cb.ligne + 1] + " déjà présent en " +
               deja.jouees[c] + "\n");
        regarde_carte(b, false, selection);
        return;
    }
    if (contr.cfixees[c] != 'V' && contr.cfixees[c] != lettre) {
        alerte("carte impossible");
        regarde_carte(b, false, selection);
        return;
    }
    // A free card becomes this seat's: not beyond 13 cards, which no deal
    // could hold.
    if (contr.cfixees[c] == 'V') {
        int tenues = 0;
        for (int i = 0; i < 52; ++i)
            tenues += contr.cfixees[i] == lettre || (contr.cfixees[i] == 'V' && deja.jouees[i] == lettre);
        if (tenues >= 13) {
            alerte(std::string(nomjoueur[cb.joueur]) + " a déjà 13 cartes");
            regarde_carte(b, false, selection);
            return;
        }
    }
    deja.jouees[c] = lettre;
    deja.dj[cb.joueur][cb.ligne] |= bit;
    deja.fixees[c] = lettre;
    regarde_carte(b, true, selection);
}

void cb_sent2(Fl_Widget* w, void* data) {
    auto* d = static_cast<IntVIBS*>(data);
    auto* l = static_cast<Fl_Select_Browser*>(w);
    const int v = l->value();
    if (!d || v < 1 || v > static_cast<int>(d->vecteur.size())) return;
    const int carte = d->vecteur[static_cast<std::size_t>(v - 1)];
    l->hide();
    d->bouton->no = carte;
    nos[d->entier & 1] = carte;
    d->bouton->redraw();
}
