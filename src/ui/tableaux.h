// The program's own widgets shared by several pages: the pieces of a shown
// deal (hand, suit symbol, centre square, double-dummy table, par line), the
// two text widgets that draw suit symbols in colour inside ordinary words,
// and the frames and titles of the analysis pages.
//
// All are created with new inside the group being built, which owns and
// deletes them. The texts they draw come from textes_tableaux.h.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Table.H>

#include <string>

#include "bridge.h"
#include "textes_tableaux.h"

// A hand: a raised white box holding, for ♠ ♥ ♦ ♣, the suit symbol and the
// rank letters the seat holds. The texts are copied; the deal is not kept.
class Boite_Main : public Fl_Box {
public:
    Boite_Main(int x, int y, int w, int h, const char* deal, char seat);
    ~Boite_Main() override;
};

// A suit symbol (suit index 0 ♠ … 3 ♣) as a 20 × 20 frameless button.
class Symb_Couleur : public Fl_Button {
public:
    Symb_Couleur(int x, int y, int suit);
    ~Symb_Couleur() override;
};

// The w × w centre square of a board: the four seats round the board
// number, the dealer marked "D" in white, each seat red when its side is
// vulnerable and green otherwise.
class Centre : public Fl_Box {
public:
    Centre(int x, int y, int w, int board);
    ~Centre() override;
};

// The double-dummy table: rows N E S O, columns ♠ ♥ ♦ ♣ SA (headers
// "P" "C" "K" "T" "SA"). The owner fills data[seat][strain].
class TabDDT : public Fl_Table {
public:
    int data[4][5] = {};
    const char* hdata[5];
    const char* vdata[4];

    TabDDT(int x, int y, int w, int h, const char* label = nullptr);
    ~TabDDT() override;

    void DrawHeader(const char* text, int x, int y, int w, int h);
    void DrawData(const char* text, int x, int y, int w, int h);

protected:
    void draw_cell(TableContext context, int row = 0, int col = 0, int x = 0, int y = 0,
                   int w = 0, int h = 0) override;
};

// The par line of a deal: "Par:", the level, the strain symbol in its
// colour, "X" when doubled, then " par <declarer> <score>". No frame.
class BoitePar : public Fl_Box {
public:
    structpar resupar;
    char niveau[5] = {};
    char ccc[24] = {};  // " par ouest -2220" and its end need 17
    double xx = 0;  // pen position while drawing

    BoitePar(int x, int y, int w, int h, const structpar& p);
    ~BoitePar() override;

protected:
    void draw() override;
};

// A round selector button whose text may hold suit symbols as words; each
// symbol is drawn in its colour.
class BoutonSymb : public Fl_Button {
public:
    std::string ch;

    BoutonSymb(const std::string& text, int x, int y, int w, int h);
    ~BoutonSymb() override;

protected:
    void draw() override;
};

// A line of the condition list: titles and values separated by the markers
// "FPC" (" : ") and "FNC" (a wide gap), suit symbols in colour. No frame.
class BoiteParams : public Fl_Box {
public:
    std::string ch;

    BoiteParams(const std::string& text, int x, int y, int w, int h);
    ~BoiteParams() override;

protected:
    void draw() override;
};

// The title of an analysis page: 50 high, frameless, large bold text.
class Titrepage : public Fl_Box {
public:
    Titrepage(const char* label, int x, int y, int w);
    ~Titrepage() override;
};

// A raised form frame of an analysis page, its engraved title above it.
class BoiteForm : public Fl_Box {
public:
    BoiteForm(int x, int y, const char* label, int w, int h);
    ~BoiteForm() override;
};

// A titled field frame: a blue border whose title sits across its top edge.
class BoiteChamp : public Fl_Box {
public:
    BoiteChamp(int x, int y, int w, int h, const char* label);
    ~BoiteChamp() override;

protected:
    void draw() override;
};

// A filled frame with a border of its own width and colour, and a centred label.
class BoiteCadre : public Fl_Box {
public:
    int bord;
    Fl_Color cbord;
    Fl_Color fond;

    BoiteCadre(int x, int y, int w, int h, const char* label, int bord, Fl_Color cbord,
               Fl_Color fond);
    ~BoiteCadre() override;

protected:
    void draw() override;
};

// A button that looks like a drop-down choice: its label and a small
// triangle at its right.
class BoutonChoix : public Fl_Button {
public:
    BoutonChoix(int x, int y, int w, int h, const char* label = nullptr);
    ~BoutonChoix() override;

protected:
    void draw() override;
};

// A card: its rank label, then its suit symbol in colour.
class BoiteCarte : public Fl_Box {
public:
    int no;  // card index 0 … 51

    BoiteCarte(int x, int y, int w, int h, int no);
    ~BoiteCarte() override;

protected:
    void draw() override;
};

// The selector of the pages: a hidden one-choice list of the n lines at
// (x, y, w, h), opened by a press on the button beside it; the list's
// callback cb receives the button as its data.
Fl_Select_Browser* liste_choix(Fl_Button* bouton, int x, int y, int w, int h,
                               const char* const* lignes, int n, Fl_Callback* cb,
                               int taille = 14);
