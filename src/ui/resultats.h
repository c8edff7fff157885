// The two result windows of the calculations: "Résultats statistique" (over
// random deals) and "Résultats probas" (over every deal completing two
// hands). Each run opens a new window; a closed one is deleted.
#pragma once

#include <FL/Fl_Window.H>

#include <string>

// Colour of the result windows.
inline constexpr Fl_Color couleur_resultats = 0x96e7db00;

// A 500 × 400 window at (50, 100) with the text in a read-only field that
// wraps long lines and scrolls, shown.
Fl_Window* fenetre_resultats(const char* titre, const std::string& texte);

// Runs the calculation statistics and opens their window, which is returned;
// a refused run has alerted, and opens none (null).
Fl_Window* affiche_sur();
// Runs the enumeration and opens its window, which is returned; a refused
// run has alerted, and opens none (null).
Fl_Window* affiche_probas();
