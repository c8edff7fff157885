// The program's alert and question windows, which main binds to the alerte
// and demander hooks. The toolkit's fl_alert lays a message on one line, so a
// long one ran off a 1366-pixel screen with its button; its fl_choice gives
// Enter to the second button, which had to be "Oui".
#pragma once

#include <string>

// The widest a dialog's text runs before it wraps, in pixels: with the icon
// and the margins the window stays well inside a 1366-pixel screen.
inline constexpr int largeur_texte_dialogue = 500;

// Shows message in a modal window, its text wrapped, until the user closes
// it ("Fermer", Enter or Escape).
void montre_alerte(const std::string& message);

// Asks question in a modal window; true when the user answers "Oui". Enter
// and Escape answer "Non": every question of the program replaces or loses
// something (a file, the set at quit).
bool pose_question(const std::string& question);
