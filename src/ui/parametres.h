// Pieces shared by the statistics pages (opening leads, contract
// comparison, step-by-step analysis): the box of the two statistics inputs,
// deals per statistic and the try budget, and a plain text box drawn in a
// font, size and colour of its own.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Int_Input.H>

// The note beside the two inputs.
inline constexpr const char* note_limite =
    "entre 1 et 31; le nombre maximal de donnes créées est 2^limite.";

// The two inputs placed by intparametres, so that a page shown again can
// put the current values back in them (montre_parametres).
struct ChampsParametres {
    Fl_Int_Input* nbstat = nullptr;
    Fl_Int_Input* limite = nullptr;
};

// A raised form box at (x, y), w × 50, then the inputs inside it
// (intparametres). Built inside the current group, which owns the widgets.
ChampsParametres parametres(int y, int x, int w);
// At y + 8 and relative to x: "Nombre de donnes : " (nbstat, cb_inbdonnes)
// at x + 97, "Limite : " (limite, cb_limite) at x + 227, and the note at
// x + 447, as far as x + w.
ChampsParametres intparametres(int y, int x, int w);
// Shows the current nbstat and limite in the inputs (either may be null).
void montre_parametres(const ChampsParametres& c);

// A line of text, label copied, drawn from the box's x and y in font
// `fonte`, size `taille` and colour `couleur`, centred in a rectangle as
// wide as the text and taille + 16 high; '@' is an ordinary character. The
// box takes that size when it is built.
class BoiteTexte : public Fl_Box {
public:
    int fonte;
    int taille;
    Fl_Color couleur;

    BoiteTexte(int x, int y, const char* label, int fonte = 0, int taille = 18,
               Fl_Color couleur = 136);
    ~BoiteTexte() override;

protected:
    void draw() override;
};
