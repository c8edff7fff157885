#include "fenetre.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

#include <iostream>
#include <utility>
#include <vector>

#include "champ_page.h"
#include "condouv.h"
#include "gen.h"
#include "hooks.h"

int xm = 0, ym = 0;
int waff = 0, daff = 0, maff = 0;
int xddd = 0, xgparams = 0;
int xbcocos = 0, xnumcoco = 0, xjcoco = 0, xbcond = 0, xbchoix = 0, xbcontrats = 0;

void calcule_metriques(int largeur, int hauteur) {
    xm = largeur;
    ym = hauteur;
    waff = 2 * xm / 3 + 30;
    daff = (2 * xm / 3 + 24) / 3;
    maff = (daff - 6) / 3;
    // On a screen narrower than 975 pixels these come out below 100 and 453;
    // C++ division truncates toward zero, as the layout expects.
    xddd = (xm - 975) / 2 + 100;
    xgparams = (xm - 975) / 2 + 453;
    const int d = (xm - 975) / 2;
    xbcocos = xbchoix = d + 100;
    xnumcoco = d + 128;
    xjcoco = d + 163;
    xbcond = d + 293;
    xbcontrats = xddd + 50;
}

void calcule_metriques() { calcule_metriques(Fl::w(), Fl::h()); }

namespace {

// One entry of the menu bar: the callbacks marked avec_fenetre receive the
// window as their data, the others nothing.
struct EntreeMenu {
    const char* label;
    int shortcut;
    Fl_Callback* callback;
    bool avec_fenetre;
};

// Order matters: Ctrl+O is declared twice and the toolkit runs the first
// matching entry, so it must reach "Ajouter coco" before "Options".
const std::vector<EntreeMenu>& entrees_menu() {
    static const std::vector<EntreeMenu> entrees = {
        {"D&ralen/&configurer", FL_CTRL + 'u', cb_config, false},
        {"D&ralen/&quitter", FL_CTRL + 'q', Fenetre::cb_quit, true},
        {"&Contraintes/&Initialiser", FL_CTRL + 'i', Fenetre::cb_ini, true},
        {"&Contraintes/&Montrer", FL_CTRL + 'm', Fenetre::cb_fixe, true},
        {"&Contraintes/&Enregistrer", FL_CTRL + 'e', Fenetre::cb_enr_contr, true},
        {"&Contraintes/&Choisir", FL_CTRL + 'c', Fenetre::cb_choisir_contr, true},
        {"&Contraintes/Ajouter coco", FL_CTRL + 'o', Fenetre::cb_ajouter, true},
        {"&Contraintes/Ajouter calcul", 0, Fenetre::cb_calcul, true},
        {"&Générateur/&Options", FL_CTRL + 'o', cb_options, false},
        {"&Générateur/&Afficher", FL_CTRL + 'a', Fenetre::cb_distr, true},
        {"&Générateur/&Crée pdf", FL_CTRL + 'p', cb_pdf, false},
        {"&DDS/&Analyse", FL_CTRL + 'A', Fenetre::cb_analyse, true},
        {"&DDS/Tableau", 0, cb_tabdds, false},
        {"&Statistiques/&Comparer", FL_ALT + 'c', Fenetre::cb_comparer, true},
        {"&Statistiques/&Levées", FL_ALT + 'l', Fenetre::cb_stats_levees, true},
        {"&Statistiques/&Meilleure carte", FL_ALT + 'e', Fenetre::cb_entames, true},
        {"&Statistiques/&Pasapas", 0, Fenetre::cb_formpasapas, true},
        {"&Statistiques/&Calculer", 0, cb_surcontraintes, true},
        {"&Probabilités/Calculer", FL_ALT + 'C', cb_probas, false},
        {"&Probabilités/Distribution", 0, Fenetre::cb_distribution, true},
        {"&Evaluation", 0, Fenetre::cb_evaluation, true},
    };
    return entrees;
}

}  // namespace

bool touche_du_menu() {
    for (const EntreeMenu& e : entrees_menu())
        if (e.shortcut && Fl::test_shortcut(e.shortcut)) return true;
    return false;
}

namespace {

// Every entry first takes the field being edited; a refusal there stops it.
void cb_entree(Fl_Widget* barre, void* entree) {
    const auto* e = static_cast<const EntreeMenu*>(entree);
    if (!prend_saisie()) return;
    Fenetre* f = dynamic_cast<Fenetre*>(barre->window());
    e->callback(barre, e->avec_fenetre ? f : nullptr);
}

// The frame's close button hides the window without saving. Escape comes
// here too, but users press it to close a list or a form: it does nothing.
void cb_fermeture(Fl_Widget* w, void*) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    w->hide();
}

// Adds widgets to g, then gives the current group back to whoever had it:
// the page builders call ajoute_menu while their own group is open.
template <class F>
void dans(Fl_Group* g, F&& construit) {
    Fl_Group* avant = Fl_Group::current();
    g->begin();
    construit();
    g->end();
    Fl_Group::current(avant);
}

}  // namespace

int BarreMenu::handle(int event) {
    if (event == FL_SHORTCUT && visible_r() && menu()) {
        if (const Fl_Menu_Item* v = menu()->test_shortcut()) {
            picked(v);
            return 1;
        }
    }
    return Fl_Menu_Bar::handle(event);
}

Fenetre::Fenetre(int w, int h, const char* title) : Fl_Double_Window(w, h, title) {
    end();
    this->w = w;
    this->h = h;
    if (xm == 0) calcule_metriques();
    color(couleur_fenetre);
    callback(cb_fermeture);
    ajoute_menu();
    ajoute_titre(titre);
    resizable(btitre);
    show();
}

Fenetre::~Fenetre() = default;

void Fenetre::ajoute_menu() {
    // The page builders lay a fresh bar on every rebuild, possibly from a
    // callback of the old bar itself: hand the old one to deferred deletion
    // so bars do not pile up under each other.
    if (menu) {
        Fl::delete_widget(menu);
        menu = nullptr;
    }
    dans(this, [this] {
        menu = new BarreMenu(0, 0, w, 28);
        for (const EntreeMenu& e : entrees_menu())
            menu->add(e.label, e.shortcut, cb_entree, const_cast<EntreeMenu*>(&e));
    });
    redraw();
}

void Fenetre::menu_dessus() {
    if (menu) {
        remove(menu);
        add(menu);
        menu->redraw();
    } else {
        ajoute_menu();
    }
}

void Fenetre::ajoute_titre(const char* text) {
    dans(this, [this, text] {
        btitre = new Fl_Box(w / 5, h / 4, 3 * w / 5, h / 3);
        btitre->copy_label(text);
        btitre->box(FL_UP_BOX);
        btitre->color(couleur_titre);
        btitre->labelfont(FL_HELVETICA_BOLD);
        btitre->labelsize(26);
        btitre->align(FL_ALIGN_CENTER | FL_ALIGN_WRAP);
    });
}

namespace {

void cache(Fl_Widget* w) {
    if (w) w->hide();
}

// Pages rebuilt on every visit; the caller may be running inside one of
// their callbacks, so deletion is deferred and the pointer cleared at once.
template <class T>
void supprime(T*& w) {
    if (!w) return;
    w->hide();
    Fl::delete_widget(w);
    w = nullptr;
}

}  // namespace

void Fenetre::detruit_widgets() {
    cache(btitre);
    supprime(gres_lev);
    cache(gcontr);
    cache(gjdds);
    cache(scroll);
    cache(gstats);
    supprime(gmodif);
    supprime(gentames);
    bres = nullptr;  // it lay inside gentames and goes with it
    cache(gcompare);
    cache(gpasapas);
    cache(gdistribution);
    cache(geval);
}

bool enregistre_perso() {
    // A condition whose kind was never chosen is the row an unfinished
    // "Ajouter coco" left at the end; dropping only trailing ones keeps the
    // letters of the others, which the formulas name, where they were.
    std::vector<Condouv> toutes = contr.cocos;
    while (!contr.cocos.empty() && contr.cocos.back().id_condition == kind_non_choisi)
        contr.cocos.pop_back();
    const bool ok = enregistre_contr("contraintes/perso");
    contr.cocos = std::move(toutes);
    return ok;
}

void Fenetre::cb_quit(Fl_Widget*, void* fenetre) {
    // The writer has alerted when the set could not be saved: the set would
    // be lost, so the user decides.
    if (!enregistre_perso() && !demander("Quitter sans enregistrer ?")) return;
    static_cast<Fenetre*>(fenetre)->hide();
}

namespace {
// Set by refuse_saisie, read by the take that ran the callback.
bool saisie_refusee = false;
}  // namespace

void refuse_saisie(const std::string& message) {
    saisie_refusee = true;
    alerte(message);
}

bool prend_saisie() {
    auto* champ = dynamic_cast<Fl_Input_*>(Fl::focus());
    if (!champ || champ->readonly() || !champ->changed()) return true;
    saisie_refusee = false;
    // Taken once: an alert raised by the callback takes the focus, and the
    // field, still marked changed, would run it again as it loses it.
    champ->clear_changed();
    champ->do_callback();
    return !saisie_refusee;
}

void Fenetre::cb_ini(Fl_Widget*, void* fenetre) { static_cast<Fenetre*>(fenetre)->initialise(); }

void Fenetre::cb_fixe(Fl_Widget*, void* fenetre) {
    // The page asked for from the menu shows from its top.
    static_cast<Fenetre*>(fenetre)->changer_contraintes(true);
}

void Fenetre::cb_enr_contr(Fl_Widget*, void* fenetre) {
    if (env.page == "ajoute") {
        alerte("Coco ajoutée mais non définie");
        return;
    }
    static_cast<Fenetre*>(fenetre)->enr_contr();
}

void Fenetre::cb_ajouter(Fl_Widget*, void* fenetre) {
    Fenetre* f = static_cast<Fenetre*>(fenetre);
    if (f->gcontr) {
        f->ajoute();
        return;
    }
    std::cout << "pas de gcontr" << std::endl;
    f->changer_contraintes();
}

void Fenetre::cb_calcul(Fl_Widget*, void* fenetre) {
    static_cast<Fenetre*>(fenetre)->ajoute_calcul();
}

void Fenetre::cb_distr(Fl_Widget*, void* fenetre) { static_cast<Fenetre*>(fenetre)->affiche(); }

void Fenetre::cb_comparer(Fl_Widget*, void* fenetre) {
    if (contr.numerofixe < 1) {
        alerte(" Donneur et vulnérabilités doivent être fixés ");
        return;
    }
    static_cast<Fenetre*>(fenetre)->comparer(false, 0, 0);
}

void Fenetre::cb_stats_levees(Fl_Widget*, void* fenetre) {
    env.page = "levees";
    if (contr.numerofixe < 1) {
        alerte("Attention la vulnérabilité n'est pas fixée, calculs pour donne 1");
        contr.numerofixe = 1;
    }
    static_cast<Fenetre*>(fenetre)->stats_levees();
}

void Fenetre::cb_entames(Fl_Widget*, void* fenetre) { static_cast<Fenetre*>(fenetre)->entames(); }

void Fenetre::cb_distribution(Fl_Widget*, void* fenetre) {
    static_cast<Fenetre*>(fenetre)->distribution(-1.0, -1.0);
}

void Fenetre::cb_evaluation(Fl_Widget*, void* fenetre) {
    static_cast<Fenetre*>(fenetre)->evaluation();
}
