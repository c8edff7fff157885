// Measures of one seat's hand in a 52-character deal: lengths, honours,
// point counts, losers, playing tricks, stoppers, key cards and controls.
//
// These run once per condition per try of the generator, billions of times:
// they allocate nothing and write no text. Seats are 0..3 (the seat's letter
// is jsymbs[seat]); suits are suit indexes 0 pique .. 3 trèfle; the in-suit
// position k of a card is 0 for the ace .. 12 for the deuce.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "bridge.h"

// --- a hand read once -----------------------------------------------------------

// The cards whose letter in deal is c, as a set: bit i for card index i.
// Inline, as is points_bits: the generator's tries call them in their
// innermost loop.
inline std::uint64_t main_lettre(const char* deal, char c) {
#if defined(__SSE2__)
    const __m128i l = _mm_set1_epi8(c);
    auto seize = [&](int debut) -> std::uint64_t {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(deal + debut));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, l)));
    };
    // The last load starts at 36 so that it ends exactly on the 52nd card.
    return seize(0) | seize(16) << 16 | seize(32) << 32 | seize(36) << 36;
#else
    std::uint64_t m = 0;
    for (int i = 0; i < 52; ++i) m |= static_cast<std::uint64_t>(deal[i] == c) << i;
    return m;
#endif
}

// The seat's cards as a set. A caller that takes several measures of one
// hand reads it once and measures the set: the results are those of the
// forms that read the deal.
inline std::uint64_t main_bits(const char* deal, int seat) { return main_lettre(deal, jsymbs[seat & 3]); }

// High-card points of the four top cards of a suit, by their bits A K Q J.
inline constexpr int hcp_tete[16] = {0, 4, 3, 7, 2, 6, 5, 9, 1, 5, 4, 8, 3, 7, 6, 10};

// points(deal, seat) of the hand whose set is main.
inline int points_bits(std::uint64_t main) {
    return hcp_tete[main & 0xF] + hcp_tete[(main >> 13) & 0xF] + hcp_tete[(main >> 26) & 0xF] +
           hcp_tete[(main >> 39) & 0xF];
}
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
