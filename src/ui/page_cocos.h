// The condition list of the constraint page, the row that adds a condition,
// the modification form and the parameter selectors. Fenetre's own methods
// for them are declared in fenetre.h; these are the records their callbacks
// receive and the widgets that own those records.
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Select_Browser.H>

#include <cstdint>
#include <vector>

#include "condouv.h"
#include "tableaux.h"

class Fenetre;

// Data of a condition's letter button and of "&Supprimer".
struct IntWin {
    int n;
    Fenetre* fenetre;
};
// Data of a seat list: the widget that shows the seat (the "Joueur" button of
// a new row, or the seat output of the form).
struct Int_Output {
    Fl_Widget* pb;
    Fl_Group* pg;
    std::uint16_t no_coco;
};
// Data of a kind list: the output that shows the kind, and the group that
// receives the parameter selectors.
struct DataCond {
    Fenetre* win;
    Fl_Output* pb;
    Fl_Group* pg;
    std::uint16_t no_coco;
};
// Data of one row of a parameter list.
struct Param_Choix {
    int param;
    v_n choix;
    int v;
};
// Data of a parameter list: its button.
struct Int_BS {
    BoutonSymb* pbs;
    std::uint16_t no_coco;
};

// A widget that owns the record its callback receives, so the record goes
// with the widget whichever way the page is torn down.
template <class W, class D>
class AvecDonnee : public W {
public:
    D donnee;
    AvecDonnee(int x, int y, int w, int h, const char* label, const D& d)
        : W(x, y, w, h, label), donnee(d) {}
};

// A read-only output that calls its callback when pressed, as a button
// does: the seat and kind fields open their lists this way.
class SortieChoix : public Fl_Output {
public:
    using Fl_Output::Fl_Output;
    int handle(int event) override;
};

// The hidden list of one parameter: its rows' records and its button's.
class ListeParam : public Fl_Select_Browser {
public:
    std::vector<Param_Choix> lignes;
    Int_BS ibs{nullptr, 0};
    ListeParam(int x, int y, int w, int h) : Fl_Select_Browser(x, y, w, h) {}
};

// The callbacks of the list and the form (data as above).
void cb_ncoco(Fl_Widget* bouton, void* intwin);
void cb_bval(Fl_Widget* bouton, void* fenetre);
void cb_sup(Fl_Widget* bouton, void* intwin);

// The alerts of this page.
inline constexpr const char* refus_coco_ouverte = "Supprimer ou définir la contrainte ouverte";
inline constexpr const char* alerte_coco_en_cours = "coco non définie en cours";
inline constexpr const char* alerte_algebre = "Algèbre à modifier";
inline constexpr const char* alerte_27e_coco = "26 cocos au plus : pas de lettre après z";
