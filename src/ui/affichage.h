// The generator's front end: the "Options" form and the series display
// (Fenetre::affiche), which generates a series, lays its deals out three to
// a row with their tables and par, and keeps it for the export.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Fl_Widget;
class Fl_Window;

// The footer of the display: tries, deals, wall-clock seconds and processor
// seconds (the stream's default format, six significant digits at most).
std::string texte_pied(std::int64_t tries, std::size_t n, int secondes, double cpu);

// Why a run is refused with these options ("" when it is not): a negative
// deal count, a limite outside 0..31.
std::string refus_affichage(int nb_d, int limite);

// The height of a row of deal cells, without the gap below it: the side of a
// cell, and 150 more for the par line and the table.
int hauteur_rangee(bool tables);

// Opens one more generator options form and returns it (shown).
Fl_Window* options();

// Field callbacks of the options form.
void cb_nomserie(Fl_Widget* w, void*);
// Stores the integer the input holds into the int that data points to.
void cb_nbdonnes(Fl_Widget* w, void* data);
void cb_checkdds(Fl_Widget* w, void*);
