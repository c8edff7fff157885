// The constraint editor page: the set's fixed cards, name, default-set flag,
// board numbering, context and the deal count of the statistics; loading,
// saving and resetting the set. Every edit goes straight into contr.
#include "page_contraintes.h"

#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Select_Browser.H>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "bridge.h"
#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "contraintes.h"
#include "edition_cocos.h"
#include "entrees_stat.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "ini.h"
#include "listes.h"
#include "tableaux.h"

int numerotation = 0;

namespace {

// The hand boxes of a chooser, relative to its top-left corner, in the order
// they are built: Nord, Ouest, Est, Sud.
struct PlaceMain {
    int joueur, dx, dy;
};
constexpr PlaceMain places_mains[4] = {{0, 328, 3}, {3, 3, 98}, {1, 653, 98}, {2, 328, 193}};
constexpr int largeur_main = 325, hauteur_main = 95;
constexpr int largeur_chooser = 991, hauteur_chooser = 301;

constexpr Fl_Color couleur_choix = 0xf8f4fe00;  // board and dealer buttons

constexpr const char* refus_ouverte = "Supprimer ou définir la contrainte ouverte";

// The board button's label for a set: its board when the mode is "numéro
// fixe" and the number is one; a number no board has shows nothing.
const char* label_numero(int numerofixe) {
    return numerotation == 1 && numerofixe >= 1 && numerofixe <= 16 ? num[numerofixe] : "";
}
const char* label_donneur(int numerofixe) {
    return numerotation == 2 && numerofixe >= -4 && numerofixe <= -1 ? joueurs[-numerofixe - 1]
                                                                     : "";
}


}  // namespace

// --- card buttons ---------------------------------------------------------------------

bool carte_du_code(long code, CarteBouton& c) {
    // 224 + seat + 4 × row − 16 × column spans 32..239.
    if (code < 32 || code > 239) return false;
    c.colonne = 14 - static_cast<int>(code / 16);
    c.ligne = static_cast<int>(code / 4) % 4;
    c.joueur = static_cast<int>(code % 4);
    c.index = 13 * (3 - c.ligne) + c.colonne;
    return c.colonne >= 0 && c.colonne <= 12;
}

void regarde_carte(Fl_Button* b, bool tenue, Fl_Color selection) {
    if (tenue) {
        b->value(0);
        b->color(FL_WHITE);
        b->labelcolor(136);
    } else {
        b->value(1);
        b->selection_color(selection);
        b->labelcolor(FL_RED);
    }
    b->redraw();
}

Boite_Jeu::Boite_Jeu(int x, int y, int w, int h, char seat, Fl_Callback* cb, char* cards,
                     Fl_Color colour)
    : Fl_Box(x, y, w, h) {
    box(FL_FLAT_BOX);
    color(colour);
    const int joueur = static_cast<int>(std::find(jsymbs, jsymbs + 4, seat) - jsymbs);
    // A chooser over another array than the set (the cards played on the
    // lead page) greys the cards the set gives this seat but the array does not.
    const bool autre = cards != contr.cfixees;
    const int dy_symbole[4] = {6, 26, 49, 72};
    for (int r = 0; r < 4; ++r) new Symb_Couleur(x + 3, y + dy_symbole[r], r);
    vnord.reserve(52);
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 13; ++k) {
            auto* b = new Fl_Button(x + 23 * (k + 1), y + 3 + 23 * r, 20, 20, vl[k]);
            const int i = 13 * (3 - r) + k;
            b->callback(cb, donnee_carte(code_carte(joueur & 3, r, k)));
            b->clear_visible_focus();
            const Fl_Color sel =
                autre && contr.cfixees[i] == seat ? couleur_fixee_ailleurs : couleur_main;
            regarde_carte(b, cards[i] == seat, sel);
            vnord.push_back(b);
        }
}

Boite_Jeu::~Boite_Jeu() = default;

void Boite_Jeu::cb_carte(Fl_Widget* w, void* data) {
    CarteBouton c;
    if (!carte_du_code(code_de(data), c)) return;
    auto* b = static_cast<Fl_Button*>(w);
    char& place = contr.cfixees[c.index];
    const char lettre = jsymbs[c.joueur];
    if (place == lettre) {
        place = 'V';
        regarde_carte(b, false, couleur_main);
        contr.eff();
        return;
    }
    if (place != 'V') {
        alerte(std::string(vl[c.colonne]) + " de " + sacouls[c.ligne + 1] + " déjà présent en " +
               place + "\n");
        regarde_carte(b, false, couleur_main);
        return;
    }
    // The generator deals 13 cards a seat: a 14th fixed card would make a
    // deal it cannot complete.
    if (std::count(contr.cfixees, contr.cfixees + 52, lettre) >= 13) {
        alerte(std::string(nomjoueur[c.joueur]) + " a déjà 13 cartes fixées");
        regarde_carte(b, false, couleur_main);
        return;
    }
    place = lettre;
    regarde_carte(b, true, couleur_main);
    contr.eff();
}

void Fenetre::montrer_fixees(int x, int y, Fl_Callback* cb, char* cards, const char* title) {
    auto* fond = new Fl_Box(FL_SHADOW_BOX, x, y, largeur_chooser, hauteur_chooser, nullptr);
    if (title) fond->copy_label(title);
    fond->color(coul_fenetre_contr);
    for (const PlaceMain& p : places_mains)
        new Boite_Jeu(x + p.dx, y + p.dy, largeur_main, hauteur_main, jsymbs[p.joueur], cb, cards,
                      couleur_main);
}

// --- numbering, context, default set -------------------------------------------------

int numerotation_de(int numerofixe) { return numerofixe == 0 ? 0 : (numerofixe > 0 ? 1 : 2); }

void cb_num(Fl_Widget*, void* mode) {
    numerotation = static_cast<int>(code_de(mode));
    if (numerotation == 0) contr.numerofixe = 0;
}

void cb_numd(Fl_Widget* w, void* bouton) {
    auto* liste = static_cast<Fl_Select_Browser*>(w);
    const int l = liste->value();
    // A click beside the lines selects none: the list stays open.
    if (l < 1 || l > 16) return;
    auto* b = static_cast<Fl_Button*>(bouton);
    b->label(num[l]);
    b->redraw();
    if (numerotation == 1) contr.numerofixe = l;
    liste->hide();
}

void cb_sd(Fl_Widget* w, void* bouton) {
    auto* liste = static_cast<Fl_Select_Browser*>(w);
    const int l = liste->value();
    if (l < 1 || l > 4) return;
    liste->hide();
    auto* b = static_cast<Fl_Button*>(bouton);
    b->label(joueurs[l - 1]);
    b->redraw();
    if (numerotation == 2) contr.numerofixe = -l;
}

void cb_alg(Fl_Widget* w, void*) {
    auto* champ = static_cast<Fl_Input*>(w);
    const std::string f = champ->value();
    // Only an operator short of operands is refused here: a letter that
    // names no condition yet may name the one added next, and the check
    // before any draw reads the context over the conditions it then has.
    if (const std::string refus = refus_saisie_formule(f); !refus.empty()) {
        refuse_saisie(refus);
        champ->value(contr.con.c_str());
        return;
    }
    contr.con = f;
    // "Non" says there is no context: its letters name no condition, rightly.
    if (sans_contexte(f)) return;
    const std::string lettres =
        alerte_lettres_inexistantes(f, contr.cocos.size(), contr.calculs.size());
    if (!lettres.empty()) alerte(lettres);
}

void cb_bdef(Fl_Widget* w, void*) {
    if (!static_cast<Fl_Check_Button*>(w)->value()) return;
    // The file is replaced only when the rewrite succeeded (alerted
    // otherwise); the choice holds for this run all the same.
    enregistre_valeur(config, "#contraintes par défaut", contr.nom);
    config.nomcontr = contr.nom;
}

// --- the page ---------------------------------------------------------------------------

void Fenetre::ini_gcontr() {
    // The old page may hold the widget whose callback is running: deferred
    // deletion, and every pointer into it cleared now.
    if (gcontr) {
        gcontr->hide();
        remove(gcontr);
        Fl::delete_widget(gcontr);
        gcontr = nullptr;
        gmains = nullptr;
        gcocos = nullptr;
        gcalculs = nullptr;
        input_contr = nullptr;
        ialg = nullptr;
        inbstat = nullptr;
    }
    color(couleur_pages);
    Fl_Group* avant = Fl_Group::current();
    begin();
    // The page fills the window under the menu bar, and scrolls when the
    // lists run past its bottom.
    auto* page = page_defilante(new Fl_Scroll(0, 28, w, h - 28));
    gcontr = page;
    // The scroll reckons its position from the top-left corner of what it
    // holds: an empty box in the page's own corner makes that position the
    // distance scrolled, which the lists rebuilt on the page rely on.
    new Fl_Box(0, page->y(), 1, 1);

    gmains = new Fl_Group(xbcocos, 50, largeur_chooser, hauteur_chooser);
    complete_donne(contr.cfixees);
    contr.eff();
    montrer_fixees(xbcocos, 50, Boite_Jeu::cb_carte, contr.cfixees, nullptr);
    gmains->end();

    input_contr = new SortiePage(16, 70, 250, 30, "Nom des contraintes");
    input_contr->align(FL_ALIGN_TOP_LEFT);
    input_contr->color(coul_fenetre_contr);
    input_contr->value(contr.nom.c_str());

    auto* bdef = new Fl_Check_Button(16, 100, 250, 25, "Contraintes par défaut");
    bdef->value(contr.nom == config.nomcontr);
    bdef->callback(cb_bdef);

    numerotation = numerotation_de(contr.numerofixe);
    auto* gnum = new Fl_Group(16, 170, 250, 200, "Numéros");
    gnum->box(FL_DOWN_BOX);
    gnum->color(coul_fenetre_contr);
    gnum->align(FL_ALIGN_TOP_LEFT);
    const char* modes[3] = {"numérotées à partir de 1", "numéro fixe", "donneur"};
    for (int m = 0; m < 3; ++m) {
        auto* r = new Fl_Round_Button(26, 180 + 25 * m, 200, 25, modes[m]);
        r->type(FL_RADIO_BUTTON);
        r->callback(cb_num, donnee_carte(m));
        if (m == numerotation) r->setonly();
    }
    auto* bnum = new Fl_Button(140, 205, 40, 25, label_numero(contr.numerofixe));
    bnum->color(couleur_choix);
    auto* bdonneur = new Fl_Button(140, 230, 60, 25, label_donneur(contr.numerofixe));
    bdonneur->color(couleur_choix);
    // The lists come last so that they open over the buttons.
    // 13-point lines: "16 O/EO" fits beside the scroll bar, no sideways scrolling.
    // Whole lines only: the boards scroll, the four dealers fit without a scrollbar.
    Fl_Browser* planches = liste_choix(bnum, 182, 205, 80, 130, liste_numeros, 16, cb_numd, 13);
    planches->size(planches->w(), hauteur_liste(planches, 130));
    Fl_Browser* donneurs = liste_choix(bdonneur, 202, 230, 60, 70, joueurs, 4, cb_sd, 13);
    donneurs->size(donneurs->w(), hauteur_liste(donneurs, 100));
    gnum->end();

    ialg = new ChampPage<Fl_Input>(16, 409, 250, 30, "Contexte");
    ialg->align(FL_ALIGN_TOP_LEFT);
    ialg->callback(cb_alg);
    prend_sur_entree(ialg);

    // Its long label starts at the column's edge, where it is read whole.
    inbstat = new ChampPage<Fl_Int_Input>(16, 459, 100, 30, "Nombre de donnes pour calculs statistiques");
    inbstat->align(FL_ALIGN_TOP_LEFT);
    // The label must end before the lists on a 1366-pixel screen.
    inbstat->labelsize(12);
    inbstat->value(std::to_string(nbstat).c_str());
    inbstat->callback(cb_inbdonnes);
    prend_sur_entree(inbstat);

    gcontr->end();
    end();
    Fl_Group::current(avant);
    // The menu bar goes back over the page: the same bar, moved to the top
    // of the window's children, so the entry that asked for the page stays
    // the bar's current one.
    menu_dessus();
}

namespace {

// The page built again from contr, once the caller has checked the page
// state. A page rebuilt after an edit stays scrolled where the user was
// working; a new set, or the page asked for anew, shows from its top.
void reconstruit(Fenetre& f, bool en_haut) {
    const int y = en_haut ? 0 : position_page(f.gcontr);
    f.detruit_widgets();
    f.ini_gcontr();
    f.ialg->value(contr.con.c_str());
    f.montre_cocos();
    f.montre_calculs();
    defile_page(f.gcontr, y);
    env.page = "montrer";
    f.redraw();
}

}  // namespace

void Fenetre::changer_contraintes(bool en_haut) {
    if (env.page == "ajoute") {
        alerte(refus_ouverte);
        return;
    }
    reconstruit(*this, en_haut);
}

void Fenetre::initialise() {
    env.page = "montrer";
    // Hidden first, so that a field being edited stores into the old set.
    detruit_widgets();
    contr = Contraintes();
    ini_gcontr();
    redraw();
}

void Fenetre::charge_contr(const char* path) {
    const std::string p = path ? path : "";
    Contraintes lu;
    std::string motif;
    if (!lit_contraintes(p, lu, motif)) {
        // The current set may be unsaved work: it stays, and so does its page.
        alerte(p + " : " + motif + " ; les contraintes en cours sont conservées");
        return;
    }
    // A field being edited stores into the old set as the page hides.
    detruit_widgets();
    contr = std::move(lu);
    // An open condition belonged to the old set: its row must not index this one.
    env.page = "montrer";
    reconstruit(*this, true);
}

void Fenetre::choisir_contr() {
    detruit_widgets();
    const std::string path = choisir_fichier("donnes_dds", "*", "");
    if (!path.empty()) {
        charge_contr(path.c_str());
        // A refused file leaves the set as it was: show it again. The page
        // may predate a form that changed a condition under an open row's
        // selectors, so it is rebuilt, unless that row is still open.
        if (gcontr && !gcontr->visible()) {
            if (env.page == "ajoute")
                gcontr->show();
            else
                reconstruit(*this, false);
        }
    }
    redraw();
}

void Fenetre::cb_choisir_contr(Fl_Widget*, void* fenetre) {
    static_cast<Fenetre*>(fenetre)->choisir_contr();
}

namespace {

namespace fs = std::filesystem;

bool meme_fichier(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// Whether the set may be written to path: a file that is there already is
// replaced only when the user may write it (a file without any write bit
// counts as protected even for root, whom access() lets write anything),
// and, unless it is the set's own file, when the user says so.
bool accepte_ecriture(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return true;  // the writer reports what it cannot do
    constexpr fs::perms ecriture =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((fs::status(path, ec).permissions() & ecriture) == fs::perms::none ||
        access(path.c_str(), W_OK) != 0) {
        alerte("Le fichier « " + path + " » est protégé en écriture : il n'est pas remplacé");
        return false;
    }
    if (meme_fichier(path, contr.nom)) return true;
    const std::string quoi = meme_fichier(path, "dralen.ini")
                                 ? "« " + path + " » est le fichier de configuration du programme."
                                 : "Le fichier « " + path + " » existe déjà.";
    return demander(quoi + " Le remplacer par les contraintes en cours ?");
}

}  // namespace

void Fenetre::enr_contr() {
    // What the field being edited shows is what the user means to save.
    if (!prend_saisie()) return;
    const std::string path = choisir_fichier("Choisissez un nom de fichier", "*", contr.nom);
    if (path.empty() || !accepte_ecriture(path)) return;
    // A file that could not be written keeps the name of the one that was.
    if (!enregistre_contr(path.c_str())) return;
    contr.nom = path;
    if (input_contr) input_contr->value(contr.nom.c_str());
}
