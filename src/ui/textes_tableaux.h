// What the shared widgets draw, worked out without the toolkit: the texts,
// the suit symbols and their colours. The widgets of tableaux.h only measure
// and paint what these functions return, so a test can check every text
// without a display.
//
// Colours are toolkit colour values: below 256 a palette index, otherwise
// 0xRRGGBB00.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "bridge.h"

// Colour of plain text in every widget (a dark grey of the palette).
inline constexpr unsigned couleur_texte = 32;
// Colour of the table headers.
inline constexpr unsigned couleur_entete = 136;
// Border of the titled field frames.
inline constexpr unsigned couleur_bord_champ = 0x357ab700;
// Fill of the double-dummy table areas.
inline constexpr unsigned couleur_tableau = 0xcafbf200;
// Palette entries used by the centre square and the hand boxes.
inline constexpr unsigned couleur_blanc = 255;
inline constexpr unsigned couleur_vulnerable = 88;
inline constexpr unsigned couleur_non_vulnerable = 63;

// The number of a suit symbol of `symbcoul` (bidding order: 0 ♣ … 3 ♠), or
// -1 when the word is not exactly one of the four symbols.
int symbole_enchere(const std::string& mot);
// The words of a text, split at blanks (runs of blanks give no empty word).
std::vector<std::string> mots(const std::string& texte);

// --- a hand ------------------------------------------------------------------

// Label colour of the suit symbol of suit index s (0 ♠ … 3 ♣) in a hand box.
unsigned couleur_symbole_main(int s);
// The four lines of a hand box, ♠ ♥ ♦ ♣: the rank letters the seat holds in
// each suit, highest first; a void is an empty line. deal has 52 characters.
std::array<std::string, 4> lignes_main(const std::string& deal, char seat);

// --- the centre square ---------------------------------------------------------

// One of the four seat boxes of the centre square of a board.
struct CaseCentre {
    std::string label;   // the seat letter, or "D" for the dealer
    bool donneur;        // the label is then drawn in white
    bool vulnerable;     // box colour: red when vulnerable, else green
    unsigned couleur;    // the box colour
};
// The boxes of seats 0 Nord, 1 Est, 2 Sud, 3 Ouest for board b.
std::array<CaseCentre, 4> cases_centre(int b);
// The board number as the middle of the square shows it: " b ".
std::string texte_numero(int b);

// --- the double-dummy table --------------------------------------------------------

// Column headers (♠ ♥ ♦ ♣ SA) and row headers (N E S O) of the table.
extern const char* const entetes_colonnes[5];
extern const char* const entetes_lignes[4];
// The table's cells data[seat][strain] from the solver's res[strain][seat].
void cases_tableau(const int res[5][4], int data[4][5]);

// --- the par line ----------------------------------------------------------------

// The pieces of a par line, left to right: "Par:", the level, the strain
// symbol in its colour (a suit is drawn larger than "SA"), "X" when the
// contract is doubled, then " par <declarer> <score>".
struct MorceauxPar {
    std::string par = "Par:";
    std::string niveau;
    std::string symbole;
    unsigned couleur = 0;
    bool couleur_symbole = false;  // a suit rather than sans-atout
    bool contre = false;
    std::string suite;
};
MorceauxPar morceaux_par(const structpar& p);
// The whole line as one text, for reading (the widget draws the pieces).
std::string texte_par(const structpar& p);

// --- text with suit symbols in colour ------------------------------------------------

// A suit symbol drawn over the plain text, after the text `avant`.
struct SymboleEnLigne {
    std::string avant;   // the plain text that precedes the symbol
    std::string symbole;
    unsigned couleur;
};

// The selector button: every word is followed by a blank, except a word that
// is exactly a suit symbol, which becomes an em quad (no blank) drawn over
// with the symbol in its colour.
struct TexteSymboles {
    std::string texte;
    std::vector<SymboleEnLigne> symboles;
};
TexteSymboles texte_bouton_symb(const std::string& ch);

// A line of the condition list: "FPC" becomes " : ", "FNC" a gap of five
// blanks, a suit symbol three blanks drawn over with the symbol in colour
// (starting 3 pixels before the gap), any other word is followed by a blank.
TexteSymboles texte_params(const std::string& ch);

// --- a card ---------------------------------------------------------------------

// A card of index no (0..51): rank label, suit symbol and its colour; t is
// the two joined by one blank, the width the widget centres.
struct TexteCarte {
    std::string rang;
    std::string symbole;
    unsigned couleur;
    std::string t;
};
TexteCarte texte_carte(int no);

// The character that marks the drop-down choice buttons.
inline constexpr const char* marque_choix = "▿";
