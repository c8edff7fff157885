// The page "Statistiques nombre de levées": the user ticks strains, picks
// each one's declarer and whether its contracts are scored doubled, and
// "Calculer" replaces the page by one table per strain (tricks taken,
// success rate, expected scores by level).
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Table.H>

#include <vector>

// The data of a seat list: the strain row and the button it relabels.
struct IntBouton {
    int entier = 0;
    Fl_Button* bouton = nullptr;
};

// A declarer selector: the button showing the seat and the hidden list.
class SelectJ : public Fl_Group {
public:
    Fl_Button* bouton = nullptr;
    Fl_Select_Browser* choix = nullptr;

    SelectJ(int x, int y, int i, IntBouton* ib);
    ~SelectJ() override;
};

// One strain row: its tick, its declarer and its "Contré" tick.
class Choix_Stat : public Fl_Group {
public:
    Fl_Check_Button* check = nullptr;
    Fl_Check_Button* check_contre = nullptr;
    SelectJ* sel_decl = nullptr;
    int indice;     // the strain, suit index; the callbacks' data
    IntBouton ib;   // the seat list's data

    Choix_Stat(int x, int y, int w, int h, int i, const char* label = nullptr);
    ~Choix_Stat() override;
};

// The results of one strain: row t holds t tricks, the share of deals on
// which declarer takes t tricks or more, and for t = 7..13 the expected
// scores (not vulnerable, vulnerable) of the contract at level t - 6.
class MyTable : public Fl_Table {
public:
    int data[14][4] = {};
    double pourcentage[14] = {};
    const char* hdata[4] = {"Levées", "% réussite", "Esp. NV", "Esp. V"};

    MyTable(int x, int y, int w, int h, int largeur_colonne);
    ~MyTable() override;

    void DrawHeader(const char* text, int x, int y, int w, int h);
    void DrawData(const char* text, int x, int y, int w, int h);

protected:
    void draw_cell(TableContext context, int row = 0, int col = 0, int x = 0, int y = 0,
                   int w = 0, int h = 0) override;
};

// The expected score of the contract at `niveau` over the deals of one
// pair, from its cumulative counts (cumul[t]: deals on which declarer takes
// t tricks or more, t = 0..13; cumul[0] all of them), truncated toward zero.
int esperance_tronquee(const int* cumul, int niveau, int couleur, bool vulnerable, int contre);

// Callbacks of a strain row (data: the row's strain index) and of a seat list.
void cb_check(Fl_Widget* w, void* i);
void cb_contre(Fl_Widget* w, void* i);
void cb_choix(Fl_Widget* list, void* ib);
// "Calculer" (data: the window); it takes the field being edited first.
void cb_callev(Fl_Widget* w, void* fenetre);
