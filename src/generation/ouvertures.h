// Opening bids of the SEF bidding system: the test of the condition kind
// "ouvertures" and the one-opening tests it is made of.
//
// The generator's workers call these billions of times, concurrently: they are
// pure functions of their arguments, keep no state, allocate nothing and build
// no text. Seats are 0..3, suits are suit indexes (0 pique .. 3 trèfle), the
// board fixes the dealer and the vulnerability.
#pragma once

#include "condouv.h"

// The one bidding system that has opening rules.
inline constexpr int systeme_SEF = 0;

// Opening codes (parameter "choix"): 10 × level + strain in bidding order,
// 0 pass, and the grouped openings.
inline constexpr int ouv_passe = 0;
inline constexpr int ouv_1_mineure = 100;
inline constexpr int ouv_1_majeure = 200;
inline constexpr int ouv_1_couleur = 400;
inline constexpr int ouv_2_en_majeure = 220;
inline constexpr int ouv_2C_ekren = 221;
inline constexpr int ouv_2C_muiderberg = 222;
inline constexpr int ouv_super_2SA = 240;

// Particularités (parameter "particularités").
inline constexpr int partic_aucune = 0;
inline constexpr int partic_1214 = 1214;            // "12-14HL régulier"
inline constexpr int partic_1819 = 1819;            // "18-19HL régulier"
inline constexpr int partic_sans_majeure5 = 10;     // "sans majeure par 5"
inline constexpr int partic_forcing_manche = 20;    // "Forcing manche"

// The kind-0 test: does seat c.joueur open c.params[1] (with particularité
// c.params[2], in système c.params[0]) on this board? A code, système or
// combination that has no rule answers false, as does a malformed condition.
bool ouverture(const char* deal, int board, const Condouv& c);

// True when ouverture has a rule for this choice and particularité (système
// SEF); the codes it refuses always answer false, so an editor may refuse them.
bool ouverture_definie(int choix, int particularite);

// --- one opening each -------------------------------------------------------
// q is the particularité: for the one-level suit openings 1214 and 1819 add
// the 12-14 and 18-19 HL balanced ranges, other values add nothing.

bool ouv1T(const char* deal, int seat, int q);
bool ouv1K(const char* deal, int seat, int q);
bool ouv1C(const char* deal, int seat, int q);
// Six spades or more, longest, open 1 ♠ unless the hand is strong or a
// natural spade preempt on this board; five spades beside a six-card suit
// open 1 ♠ when no one-level opening of that suit takes the hand.
bool ouv1P(const char* deal, int seat, int board, int q);
// q = 10 refuses a five-card major.
bool ouv1SA(const char* deal, int seat, int q);
// q = 20 makes it the game-forcing opening (ouvFM).
bool ouv2T(const char* deal, int seat, int q);
// Only the game-forcing form (q = 20) exists; any other q is false.
bool ouv2K(const char* deal, int seat, int q);
bool ouvFM(const char* deal, int seat);
// Weak two in a major (1 cœur, 0 pique); also used by the overcall tests.
bool cond_2Mfaible(int majeure, const char* deal, int seat, bool vulnerable);
// The strong-two hand of 2 ♣ in a major (1 cœur, 0 pique).
bool cond2Mfort(int majeure, const char* deal, int seat);
// The strong-two hand of 2 ♣ in a minor (2 carreau, 3 trèfle).
bool cond2mfort(int mineure, const char* deal, int seat);
bool ouv2C_Muiderberg(const char* deal, int seat);
bool ouv2C_Ekren(const char* deal, int seat, int board);
bool ouv2SA(const char* deal, int seat);
bool ouvsuper2SA(const char* deal, int seat);
bool ouv3T(const char* deal, int seat, int board);
bool ouv3K(const char* deal, int seat, int board);
bool ouv3C(const char* deal, int seat, int board);
bool ouv3P(const char* deal, int seat, int board);
bool ouv3SA(const char* deal, int seat);
bool ouv4T(const char* deal, int seat);
bool ouv4K(const char* deal, int seat);
bool ouv4C(const char* deal, int seat, int board);
bool ouv4P(const char* deal, int seat, int board);
// The hand opens nothing at the one level and no weak two in a major.
bool passe(const char* deal, int seat, int board);
