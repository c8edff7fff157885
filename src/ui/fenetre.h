// The main window of the program, its menu, and the layout metrics and
// colours that the pages placed inside it share.
#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Widget.H>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Condition;
struct Condouv;

// --- layout metrics ---------------------------------------------------------
// They depend on the screen, so they are computed at start (calcule_metriques)
// and stay 0 until then: a static initialiser would open the display before main.
extern int xm, ym;      // screen width and height
extern int waff;        // width of the series display
extern int daff;        // side of one deal cell of the series display
extern int maff;        // side of one hand box
extern int xddd;        // x of the condition modification form
extern int xgparams;    // x of the condition parameter group
// The constraint page's column grid: hands, condition and calculation lists
// and the modification form share its left edge.
extern int xbcocos;     // x of the four hands, the condition and calculation lists
extern int xnumcoco;    // letter column of the lists
extern int xjcoco;      // seat column of the condition list
extern int xbcond;      // condition kind chooser
extern int xbchoix;     // x of the modification form
extern int xbcontrats;  // left edge of the analysis forms

// Computes the metrics for a screen of largeur × hauteur pixels.
void calcule_metriques(int largeur, int hauteur);
// Computes them from the screen the toolkit reports (opens the display).
void calcule_metriques();

// --- colours (0xRRGGBB00) -----------------------------------------------------
inline constexpr Fl_Color couleur_fenetre = 0xf8f2b400;     // main window
inline constexpr Fl_Color couleur_titre = 0xf0e68c00;       // title box
inline constexpr Fl_Color couleur_affichage = 0xacfbca00;   // series display
inline constexpr Fl_Color coul_fenetre_contr = 0xfaf4b800;  // constraint and analysis pages, tables
inline constexpr Fl_Color coulformext = 0x28655000;         // outer colour of the forms
inline constexpr Fl_Color coulformint = 0xfaffe000;         // inner colour of the forms
inline constexpr Fl_Color couleur_pages = 0xbee7ef00;       // main window under the constraint and analysis pages

// Text of the title box shown at start.
inline constexpr const char* titre = "DRALEN, générateur et calculateur pour le bridge";
// Title of the main window.
inline constexpr const char* titre_fenetre = "Dralen v0.36_0";

// The menu bar of the main window. An entry's own shortcut goes before the
// Alt+letter of a menu title: the toolkit alone opens "&Contraintes" on
// Alt+Shift+C instead of running the entry that declares that shortcut.
class BarreMenu : public Fl_Menu_Bar {
public:
    using Fl_Menu_Bar::Fl_Menu_Bar;
    int handle(int event) override;
};

// The one main window. Pages are children of the window, built on first use
// and hidden or deleted by detruit_widgets when another page opens.
class Fenetre : public Fl_Double_Window {
public:
    Fenetre(int w, int h, const char* title);
    ~Fenetre() override;

    // --- window, menu and title -------------------------------------------
    // The size as constructed; these hide Fl_Widget::w() and h() inside the
    // class, which the pages rely on for their layout.
    int w = 0, h = 0;
    BarreMenu* menu = nullptr;    // the menu bar laid last
    Fl_Box* btitre = nullptr;     // the title box

    // Lays a fresh menu bar with the 21 entries over the window's top edge.
    void ajoute_menu();
    void ajoute_titre(const char* text);
    // Puts the menu bar back over a page just built: the same bar moved to
    // the top of the children, so the entry that asked for the page stays
    // its current one (a fresh bar when there is none).
    void menu_dessus();
    // Clears the client area before a page is shown: hides the reused pages,
    // deletes those rebuilt on every visit; the menu bar stays.
    void detruit_widgets();

    static void cb_quit(Fl_Widget*, void* fenetre);

    // The selectors of the pages: a button showing the current choice beside
    // a hidden list of the choices. The button's callback shows the list
    // given as data, from its first line, and brings it into view with the
    // button on a page that scrolls (montre_liste); the list's own callback
    // takes it from there.
    static void cb_bjoueur(Fl_Widget*, void* list);

    // --- constraint editor page -------------------------------------------
    // The page: an Fl_Scroll, which scrolls when its lists run past the
    // window's bottom.
    Fl_Group* gcontr = nullptr;
    Fl_Group* gmains = nullptr;       // its four hands
    Fl_Scroll* gcocos = nullptr;      // the list of conditions
    Fl_Group* gcalculs = nullptr;     // the list of calculations
    Fl_Output* input_contr = nullptr; // the constraint-set name field
    Fl_Input* ialg = nullptr;         // the context input
    Fl_Input* inbstat = nullptr;      // deals per statistic
    Fl_Group* gmodif = nullptr;       // the condition modification form (deleted)

    void initialise();
    // The page rebuilt from contr; it stays scrolled where it was unless
    // en_haut asks for its top.
    void changer_contraintes(bool en_haut = false);
    void enr_contr();
    void ajoute();
    void ajoute_calcul();
    // Builds the page (hands, name, numbering, context and statistics
    // inputs); the old page, if any, is deleted.
    void ini_gcontr();
    // Replaces the set by the one read from path and shows it; a file that
    // cannot be read or is refused keeps the current set, with an alert.
    void charge_contr(const char* path);
    void choisir_contr();
    // The four-hand chooser over cards (52 letters) at (x, y), inside the
    // current group: each card button calls cb with its packed card code
    // (see page_contraintes.h) as its data.
    void montrer_fixees(int x, int y, Fl_Callback* cb, char* cards, const char* title);
    // The condition list and the calculations list of the page.
    void montre_cocos();
    void montre_calculs();
    void place_calcul(int i);
    // The condition form and the parameter selectors of a condition.
    void modif_coco(int n);
    void supprime_coco(int n);
    void place_params(int n, const Condition& kind, Fl_Group* group);
    void montre_params(Condouv& coco, int n, Fl_Group* group);
    static void cb_ocondition(Fl_Widget*, void* datacond);
    static void cb_param(Fl_Widget*, void* intbs);
    static void cb_joueur(Fl_Widget*, void* intoutput);
    static void cb_ojoueur(Fl_Widget*, void* intoutput);

    static void cb_ini(Fl_Widget*, void* fenetre);
    static void cb_fixe(Fl_Widget*, void* fenetre);
    static void cb_enr_contr(Fl_Widget*, void* fenetre);
    static void cb_choisir_contr(Fl_Widget*, void* fenetre);
    static void cb_ajouter(Fl_Widget*, void* fenetre);
    static void cb_calcul(Fl_Widget*, void* fenetre);

    // --- series display ---------------------------------------------------
    Fl_Scroll* scroll = nullptr;

    void affiche();
    static void cb_distr(Fl_Widget*, void* fenetre);

    // --- double-dummy play page -------------------------------------------
    Fl_Group* gjdds = nullptr;

    // Builds the page afresh from the state of the play.
    void affiche_dds();
    // One suit row of a hand: the holding at the start and now (bit masks);
    // joueur is the seat when this hand is the one to move, else -1.
    void place_couleur_dds(int x, int y, int couleur, int ini, int courant, int joueur);
    // The four rows of one hand, from y down.
    void place_jeu_dds(int x, int y, int joueur, int actif);

    static void cb_analyse(Fl_Widget*, void* fenetre);
    static void cb_demarre_analyse(Fl_Widget*, void* fenetre);
    static void cb_retour(Fl_Widget*, void* fenetre);

    // --- trick statistics page --------------------------------------------
    Fl_Group* gstats = nullptr;
    Fl_Group* gres_lev = nullptr;  // its results (deleted)

    void stats_levees();
    // Runs the statistic for the ticked strains and shows its tables in
    // place of the page; alerts instead when it could not be computed.
    void res_levees(std::vector<bool>& couleurs);
    static void cb_stats_levees(Fl_Widget*, void* fenetre);

    // --- contract comparison page -----------------------------------------
    Fl_Group* gcompare = nullptr;  // the page (a PageComparaison)

    // Builds or shows the page; with results it adds the panel of the
    // last run (rep), its draw count and its seconds.
    void comparer(bool avec_resultats, std::int64_t tirages, int secondes);
    // "Calculer": runs the comparison, shows its results or an alert.
    void res_compare();
    static void cb_comparer(Fl_Widget*, void* fenetre);

    // --- opening-lead page ------------------------------------------------
    Fl_Scroll* gentames = nullptr;  // the page (deleted)
    Fl_Group* bres = nullptr;       // lead comparison results

    void entames();
    // Compares the two chosen leads and shows the result in bres.
    void res_compentames();
    static void cb_entames(Fl_Widget*, void* fenetre);

    // --- step-by-step page ------------------------------------------------
    Fl_Group* gpasapas = nullptr;  // the page, an Fl_Scroll

    static void cb_formpasapas(Fl_Widget*, void* fenetre);
    // Builds the page (a new analysis when none is under way) or shows the
    // analysis as it stands: candidates armed, results, counters, form.
    void formpasapas();

    // --- distribution probabilities page ----------------------------------
    Fl_Group* gdistribution = nullptr;

    void distribution(double pA, double pAB);
    static void cb_distribution(Fl_Widget*, void* fenetre);
    Fl_Group* gres_distribution = nullptr;  // its results box, replaced by each computation
    // Reads the 32 bounds as they stand, computes and shows the results.
    void calcdistr();
    static void cb_caldistr(Fl_Widget*, void* fenetre);

    // --- hand-evaluation page ---------------------------------------------
    Fl_Group* geval = nullptr;

    void evaluation();
    static void cb_evaluation(Fl_Widget*, void* fenetre);
};

// Menu callbacks of the forms and result windows that live outside the main window.
void cb_config(Fl_Widget*, void*);
void cb_options(Fl_Widget*, void*);
void cb_pdf(Fl_Widget*, void*);
void cb_tabdds(Fl_Widget*, void*);
// Opens the window "Tableau DDS" of the deal fixed in the current set.
void tabdds();
void cb_surcontraintes(Fl_Widget*, void*);
void cb_probas(Fl_Widget*, void*);

// The start of the program once the hooks are bound: layout metrics, the
// configuration file (which may load the default set), the solver's threads,
// then the main window, shown. The caller runs the event loop.
std::unique_ptr<Fenetre> demarre();
// The toolkit's own dialogs (alerts, questions, the file chooser) in French;
// demarre calls it first.
void textes_francais();

// Takes what is typed in the field being edited (the one with the keyboard
// focus), as Enter would: a menu entry, a shortcut or a button that takes no
// focus leaves the field as it is, and what runs must be what the screen
// shows. False when the field's callback refused the value (refuse_saisie):
// the action that asked should not run, so that the user sees why. A
// warning (a plain alerte) stops nothing.
bool prend_saisie();
// What a field's callback calls when it refuses what was typed: the alert,
// and the mark that tells prend_saisie the take was refused.
void refuse_saisie(const std::string& message);

// Writes the current set to "contraintes/perso" as the program quits.
// Conditions left without a kind at the end of the list are not written.
// False when the file could not be written (the writer has alerted).
bool enregistre_perso();
