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

// The alert of a series that ends short: n deals drawn of the demandees
// asked, within tries, and what to do about it.
std::string texte_serie_courte(std::size_t n, int demandees, std::int64_t tries);

// The largest deal count the display takes: each deal costs it about 8 KB
// of widgets (a million deals would not fit in memory), and, with tables,
// solver time while the window waits.
inline constexpr int nb_donnes_max = 10000;

// Why a run is refused with these options ("" when it is not): a deal count
// below 1 or above nb_donnes_max, a limite outside 0..31.
std::string refus_affichage(int nb_d, int limite);

// The width of the series display's scroll area: waff + 32, or more when
// the three cells, their margins and the vertical scroll bar need it.
int largeur_affichage();

// The height of a row of deal cells, without the gap below it: the side of a
// cell, and 150 more for the par line and the table.
int hauteur_rangee(bool tables);

// Opens one more generator options form and returns it (shown).
Fl_Window* options();

// Field callbacks of the options form.
void cb_nomserie(Fl_Widget* w, void*);
// Stores the deal count the input holds into the int that data points to;
// a count outside 1..nb_donnes_max is refused and the field shows the one
// in force. The limit field has the statistics pages' cb_limite.
void cb_nbdonnes(Fl_Widget* w, void* data);
void cb_checkdds(Fl_Widget* w, void*);
