// The hand-pattern conditions (kinds 3 to 14 of the catalogue): does the hand
// of the condition's seat, in a 52-character deal, satisfy it?
//
// The generator's workers call these billions of times on their own deals:
// each is pure and reentrant, allocates nothing and builds no text. A
// condition whose seat or parameters fall outside what the catalogue offers
// is false rather than read outside the deal.
#pragma once

#include "condouv.h"

// Whether length n of a suit meets the length code `code` (catalogue list of
// length codes). `tries` are the hand's four suit lengths, ascending. The
// shape families ("6-(331)", "4-(xx0)" ...) and a negative code ("no
// requirement") are honoured only for the shape condition (`forme` true);
// for a holding they accept every length.
bool accepte_longueur(int code, int n, const int tries[4], bool forme);

bool cond_points(const char* deal, const Condouv& c);       // kind 3
bool forme(const char* deal, const Condouv& c);             // kind 4
bool distribution(const char* deal, const Condouv& c);      // kind 5
bool coul_plus_longue(const char* deal, const Condouv& c);  // kind 6
// Kind 6 on explicit values: suit is one of the seat's longest suits;
// mode 0 the first of them by rank, 1 the only one, 2 any of them.
bool coul_plus_longue(const char* deal, int seat, int suit, int mode);
bool comp_couleurs(const char* deal, const Condouv& c);     // kind 7
bool teneur(const char* deal, const Condouv& c);            // kind 8
bool nb_cartes(const char* deal, const Condouv& c);         // kind 9
bool cartes_niveau(const char* deal, const Condouv& c);     // kind 10
bool arret(const char* deal, const Condouv& c);             // kind 11
bool cles(const char* deal, const Condouv& c);              // kind 12
bool contr_italiens(const char* deal, const Condouv& c);    // kind 13
bool cond_ldj(const char* deal, const Condouv& c);          // kind 14

// The same tests on a hand already measured, for a caller that shares the
// measures of one hand among several conditions: lens and tries as fodistr
// gives them for the condition's seat.
bool forme_mesuree(const int lens[4], const int tries[4], const Condouv& c);
bool distribution_mesuree(const int lens[4], const int tries[4], const Condouv& c);
// Whether c (kind 3) counts the high-card points of the whole hand, of the
// seat alone (params[0] 0) or of the line (1); then cond_points is whether
// that count v is within c's bounds (dans_les_bornes).
bool points_de_la_main(const Condouv& c);
bool dans_les_bornes(double v, const Condouv& c);
