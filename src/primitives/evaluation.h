// Measures of one seat's hand in a 52-character deal: lengths, honours,
// point counts, losers, playing tricks, stoppers, key cards and controls.
//
// These run once per condition per try of the generator, billions of times:
// they allocate nothing and write no text. Seats are 0..3 (the seat's letter
// is jsymbs[seat]); suits are suit indexes 0 pique .. 3 trèfle; the in-suit
// position k of a card is 0 for the ace .. 12 for the deuce.
#pragma once

#include <cstdint>

// --- a hand read once -----------------------------------------------------------

// The seat's cards as a set, bit i for card index i. A caller that takes
// several measures of one hand reads it once and measures the set: the
// results are those of the forms that read the deal.
std::uint64_t main_bits(const char* deal, int seat);
// points(deal, seat) of the hand whose set is main.
int points_bits(std::uint64_t main);
// fodistr(deal, seat, ...) of the hand whose set is main.
void fodistr_bits(std::uint64_t main, int lens[4], int sorted[4]);

// --- counts and honours -----------------------------------------------------

// The seat's cards of the suit at in-suit positions from..to-1.
int compte(const char* deal, int seat, int suit, int to, int from);
// The holding with bit k for in-suit position k (ace bit 0 .. deuce bit 12).
unsigned coulenbits(const char* deal, int seat, int suit);
bool aas(const char* deal, int seat, int suit);
bool roi(const char* deal, int seat, int suit);
bool dame(const char* deal, int seat, int suit);
bool valet(const char* deal, int seat, int suit);
// True when the seat's partner holds the ten of the suit.
bool dix(const char* deal, int seat, int suit);
int nbas(const char* deal, int seat);
int nbrois(const char* deal, int seat);
// Key cards for the trump suit: the aces, plus the trump king.
int nbcles(const char* deal, int seat, int suit);
// Controls: 2 per ace, 1 per king.
int nb_contr_it(const char* deal, int seat);
// The seat's cards at in-suit position k over the four suits.
int nb_rang(const char* deal, int seat, int k);
// Suit lengths in suit-index order into lens, and ascending into sorted.
void fodistr(const char* deal, int seat, int lens[4], int sorted[4]);
// 1000 × spades + 100 × hearts + 10 × diamonds + clubs.
int xxxx(const char* deal, int seat);
// Suit index of the longest suit; the higher-ranking suit on equal lengths.
int couleur_max(const char* deal, int seat);

// --- point counts -----------------------------------------------------------

int points(const char* deal, int seat);
int points(const char* deal, int seat, int suit);
int pointsHL(const char* deal, int seat);
int pointsDH(const char* deal, int seat);
// DHS points with suit as trumps.
float pointsDHS(const char* deal, int seat, int suit);
int perdantes(const char* deal, int seat);
int arrets(const char* deal, int seat, int suit);
// Playing tricks of one holding given as a rank-bit mask (ranks 2..14).
float compte_levees_couleur(unsigned mask);
// Playing tricks of the hand.
float ldj(const char* deal, int seat);

// --- composite tests ----------------------------------------------------------

// Notrump opening: shape, then HL points in the band of range (0..4);
// flag admits a five-card major.
bool condSA(const char* deal, int seat, int range, bool flag);
// Natural preempt at level in suit on board.
bool ouv_barrage_nat(const char* deal, int seat, int suit, int level, int board);
// Two five-card suits with at least min1 and min2 of their ace, king, queen.
bool cond_bicolore(const char* deal, int seat, int s1, int s2, int min1, int min2);
