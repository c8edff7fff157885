// The opening-lead page ("&Statistiques/&Meilleure carte"): the contract,
// the cards already played and the current trick of the record `deja`, the
// statistic of every card of the player to move ("Calculer", a result
// window) and the direct comparison of two opening leads ("comparer", on
// the page). The engine is entames.h; Fenetre's own methods are declared in
// fenetre.h.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <vector>

// y of the "Comparaison directe" form in the page (before any scrolling).
extern int ycomparaison;

// A lead chooser's button: its label ("carte1", "carte2") until a card is
// chosen, then the card, its rank in black and its suit symbol in colour.
class BoutonSelect : public Fl_Button {
public:
    int no = -1;  // card index, -1 none
    char csc[2] = {};
    char ccc[8] = {};

    BoutonSelect(int x, int y, int w, int h, const char* label);
    ~BoutonSelect() override;

protected:
    void draw() override;
};

// User data of a lead chooser list: which lead (0 or 1), the candidate
// cards of its lines, and the button to show the choice on.
struct IntVIBS {
    int entier = 0;
    std::vector<int> vecteur;
    BoutonSelect* bouton = nullptr;
};

// One side of the comparison: "<card> meilleure" and the rate at which
// this lead leaves the other side fewer tricks.
class ResCompE : public Fl_Box {
public:
    int gagne;  // percentage
    int no;     // card index
    char csc[15] = {};
    char ccc[15] = {};
    char res[6] = {};

    ResCompE(int x, int y, int w, int h, int no, int gagne);
    ~ResCompE() override;

protected:
    void draw() override;
};

// What the two result tables share: one row per card, its rank and suit as
// the row header, in a 16-point font.
class TableCartes : public Fl_Table {
public:
    const char* vdata[13] = {};
    const char* vvdata[13] = {};
    unsigned couleur[13] = {};
    std::vector<int> cartes;  // the card index of each row

    TableCartes(int x, int y, int w, int h) : Fl_Table(x, y, w, h) {}

protected:
    // Draws the font set-up and the row headers; false for the other
    // contexts, which the table draws itself.
    bool dessine_commun(TableContext context, int r, int x, int y, int w, int h);
};

// The success rate of each card (with a contract): one column "% réussite".
class MaTable : public TableCartes {
public:
    int data[14][15] = {};
    const char* hdata[4] = {};

    MaTable(int x, int y, int w, int h);
    ~MaTable() override;

protected:
    void draw_cell(TableContext context, int r = 0, int c = 0, int x = 0, int y = 0, int w = 0,
                   int h = 0) override;
};

// The tricks of each card (without a contract): per row, for k = 0 .. 13,
// the deals with exactly k tricks (above) and with at least k (below, in
// italics), and the expected number of tricks in the last column "E".
class MaaTable : public TableCartes {
public:
    int data[13][14] = {};
    int ddata[13][14] = {};
    double esp[13] = {};
    const char* hdata[15] = {};

    MaaTable(int x, int y, int w, int h);
    ~MaaTable() override;

protected:
    void draw_cell(TableContext context, int r = 0, int c = 0, int x = 0, int y = 0, int w = 0,
                   int h = 0) override;
};

// Runs the statistic on `deja` and opens the window "Résultats entames",
// which is returned; null, after an alert, when nothing can be shown.
Fl_Window* res_entames();

// Callbacks of the page. The selector lists get the button they relabel as
// data; "Calculer", "comparer" and "Initialiser" get the main window.
void cb_calent(Fl_Widget*, void*);
void cb_compentames(Fl_Widget*, void* fenetre);
void cb_calini(Fl_Widget*, void* fenetre);
void cb_niveau(Fl_Widget* list, void* bouton);
void cb_cou(Fl_Widget* list, void* bouton);
void cb_jou(Fl_Widget* list, void* bouton);
void cb_premier(Fl_Widget* list, void* bouton);
void cb_leveesdec(Fl_Widget* list, void* bouton);
void cb_leveesdef(Fl_Widget* list, void* bouton);
void cb_coudeja(Fl_Widget* input, void*);
void cb_rdeja(Fl_Widget* input, void*);
// A card button of the played-cards chooser (data: its packed card code).
void cb_jouees(Fl_Widget* button, void* code);
// A lead chooser list (data: its IntVIBS).
void cb_sent2(Fl_Widget* list, void* intvibs);
