// Cards, hands and deals in their three forms (52-character deal, per-seat
// rank masks in the solver's remainCards layout, single card index), their
// text, small sorts and the candidate cards of a seat.
//
// Every function here is pure and reentrant: the generator's and the
// statistics' worker threads call them at the same time on their own data.
#pragma once

#include <string>
#include <vector>

#include "bridge.h"

// Bit that nomstoent sets for a character that is not a rank (or a rank
// given twice); no other function reads or accepts it, so a caller tests
// (mask & carte_invalide) to refuse the text.
inline constexpr unsigned carte_invalide = 1u << 31;

// A full suit in rank-bit form: ranks 2..14.
inline constexpr unsigned couleur_pleine = 0x7FFCu;

// --- small predicates and bit operations ----------------------------------

// lo <= x <= hi; an empty range (lo > hi) is always false.
bool dans(int x, int lo, int hi);
// Bit n (taken modulo 32) of mask: 0 or 1.
int bitdans(unsigned mask, int n);
// Number of set bits of mask at positions lo..hi inclusive (upper bound
// first); lo > hi counts 0.
int comptebit(unsigned mask, int hi, int lo);
// The smaller of start and the position of the highest set bit of mask;
// -1 for an empty mask.
int maxbit(unsigned mask, int start);
// Suit index (0 pique .. 3 trèfle) and rank (14 ace .. 2 deuce) of a card index.
inline int coulno(int i) { return 3 - i / 13; }
inline int rang(int i) { return 14 - i % 13; }

// --- stable sorts -----------------------------------------------------------

// The four integers a[0..3] ascending.
void tri(int* a);
// items with their keys, keys descending; equal keys keep their order.
void tri(std::vector<int>& items, std::vector<float>& keys);
void tri(std::vector<int>& items, std::vector<int>& keys);
// Three parallel arrays of 13 integers: a descending, then b descending;
// c travels with them.
void trifut(int* a, int* b, int* c);

// --- deal and mask conversions ------------------------------------------------

// Masks [seat][suit] of the cards whose letter is one of "NESO".
void listetoremain(const char* deal, unsigned rc[4][4]);
// The 52 characters of the masks: 'V' where no seat holds the card.
void remaintoliste(const unsigned rc[4][4], char* deal);
// Gives the one short seat the missing cards when the three others hold 13.
void complete_rc(unsigned rc[4][4]);
// The same on a 52-character deal; foreign characters come back as 'V'.
void complete_donne(char* deal);
// For each seat N, E, S, O the length of its longest suit.
std::vector<int> maxlongs(const unsigned rc[4][4]);
// Card indexes whose character is letter, ascending.
std::vector<int> numeros(const char* deal, char letter);

// --- text -----------------------------------------------------------------------

// Rank characters of a suit mask, ace first, no separators.
std::string bitstocartes(unsigned mask);
std::string enttonoms(unsigned mask);
// Suit mask of a rank string (blanks ignored); carte_invalide marks a
// character that is not a rank, or a rank given twice.
unsigned nomstoent(const std::string& s);
// Rank character then suit letter ("PCKT") of a card: two characters.
std::string cartetochar(int i);
// A blank, the rank character and the suit symbol in browser markup.
std::string aff_carte(int i);
// Rank letters of the cards of suit whose character is letter, highest first.
std::string cartes_couleur(const char* deal, char letter, int suit);
std::string cartes_couleur(std::string deal, char letter, int suit);
// Text of 10 × level + suit-index strain (+5 when doubled, written "X").
std::string enchere(int code);
// x with n significant digits, in the stream's general notation.
std::string dstring(double x, int n);
// Debugging aid: the integers of v, each followed by " ; ", on standard output.
void affiche(const std::vector<int>& v);

// --- candidate cards --------------------------------------------------------------

// The seat's cards, keeping only the top card of each run of touching cards.
std::vector<int> numeros_entame(const char* deal, char letter);
// The seat's cards, keeping only the highest of cards made equal by the
// cards already played ('V').
std::vector<int> numeros_utiles(const char* deal, char letter);
// The useful cards of the suit led, or all useful cards when there are none.
std::vector<int> numeros_jouables(const char* deal, char letter, int suit);
