// The page "Comparaison des contrats": up to four contracts, each a level,
// a strain, a doubling and a declarer, compared on the same random deals in
// one of five modes; "Calculer" adds a results panel with one percentage
// per contract (or per outcome), replacing the previous one.
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Select_Browser.H>

#include <array>
#include <vector>

#include "page_levees.h"
#include "parametres.h"

class Fenetre;

// The data of the count list: the window to rebuild and the button it labels.
struct WinBout {
    Fenetre* win = nullptr;
    Fl_Button* bout = nullptr;
};

// The four selectors of one contract row, in this order.
enum SelecteurContrat { sel_niveau, sel_couleur, sel_contre, sel_declarant };

// The page group (Fenetre::gcompare). Its rows are sized once, when it is
// built for nb_contrats contracts: the lists' callback data point into them,
// so a new count means a new page. It scrolls vertically where the window is
// too low for it (four contracts on a 768-pixel screen).
class PageComparaison : public Fl_Scroll {
public:
    struct Ligne {
        std::array<Fl_Button*, 4> bouton{};
        std::array<Fl_Select_Browser*, 4> liste{};
        std::array<IntBouton, 4> ib{};
    };

    Fl_Widget* titre = nullptr;           // the page's title, where it was built
    Fl_Output* nom = nullptr;             // the constraint set's name, this page's own
    Fl_Button* bnombre = nullptr;         // the number of contracts
    Fl_Select_Browser* lnombre = nullptr; // its list
    WinBout wb;
    std::vector<Fl_Round_Button*> modes;  // by mode number
    std::vector<Ligne> lignes;            // one per contract
    Fl_Button* calculer = nullptr;
    ChampsParametres champs;
    Fl_Group* resultats = nullptr;        // the latest results panel, if any

    PageComparaison(Fenetre* fenetre, int x, int y, int w, int h);
    ~PageComparaison() override;

    // Shows what a run will use now: the set's name, nbstat, limite, the mode.
    void rafraichit();
    // Scrolls the page back to its top, where its widgets are where they
    // were built (a new one is placed by those coordinates).
    void en_haut();
};

// Callbacks: a mode button (data: the mode number), the count list (a
// WinBout), a row's lists (an IntBouton: the row and its button) and
// "Calculer" (the window).
void cb_comp(Fl_Widget* w, void* mode);
void cb_nbcontrats(Fl_Widget* list, void* winbout);
void cb_comp_niveau(Fl_Widget* list, void* intbouton);
void cb_comp_cou(Fl_Widget* list, void* intbouton);
void cb_comp_contre(Fl_Widget* list, void* intbouton);
void cb_comp_jou(Fl_Widget* list, void* intbouton);
void cb_calcomp(Fl_Widget* w, void* fenetre);
