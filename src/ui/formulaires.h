// The small forms that open in windows of their own ("Options",
// "Configuration"): their size, margins and the frame they share.
#pragma once

#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

inline constexpr int largeur = 700;  // width of a form window
inline constexpr int hauteur = 600;  // its height
inline constexpr int bord = 15;      // margin round the inner box
inline constexpr int htitre = 40;    // height of the title box
inline constexpr int dx = 20;        // gap between a field's label and the field

// A new form window titled `titre` at (50, 100), with its title box
// (`entete`) over the full width and its inner box below; the window is left
// open for the fields. The caller ends and shows it.
Fl_Window* ouvre_formulaire(const char* titre, const char* entete);
// The y of the inner box's top edge, where the first field goes (+ 8).
inline constexpr int y_interieur = htitre + bord;

// The x of a field whose label stands at its left: the margin, the label's
// width in the field's label font, and the gap.
int x_champ(const Fl_Widget& champ);

// An integer field's text as an int: what atoi reads, saturated at the
// bounds of int instead of overflowing.
int entier_champ(const char* texte);
