// Boards (dealer, vulnerability, bidding position), duplicate scoring,
// expected scores and the par contract of a double-dummy table.
//
// Strains are suit indexes (0 ♠, 1 ♥, 2 ♦, 3 ♣, 4 SA) unless a contract code
// is given (bidding order); dbl is 0 undoubled, 1 doubled, 2 redoubled; vuln
// is true when declarer's side is vulnerable.
#pragma once

#include <vector>

#include "bridge.h"

// True when the seat's side is vulnerable on the board (16-board cycle;
// board 0 is board 16, a negative number makes nobody vulnerable).
bool vul(int seat, int board);
// True when the seat deals the board.
bool donneur(int seat, int board);
// 1 for the dealer, 2 for the next seat clockwise, 3, 4.
int position(int seat, int board);
// Value of one trick: 20 in the minors, 30 otherwise.
int score_levee(int strain);
// Code (bidding order) of the highest contract that tricks make; 0 below 7.
int contrat(int tricks, int strain);
// Score of a contract made exactly.
int score(int level, int strain, bool vuln, int dbl);
// The same from a contract code in bidding order.
int score(int code, bool vuln, int dbl);
// Penalty (positive) for down undertricks.
int penalite(int down, bool vuln, int dbl);
// Declarer's signed score for tricks taken.
int fscore(int tricks, int level, int strain, bool vuln, int dbl);
// Expected score: sum over t = 0..13 of p[t] × fscore(t, ...).
double esperance(const std::vector<double>& p, int level, int strain, bool vuln, int dbl);
// Par of a double-dummy table indexed [strain][seat] (the solver's
// resTable layout) on the board; always returns 1.
int par(const int tab[5][4], int board, structpar& r);
