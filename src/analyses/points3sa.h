// The dynamic evaluation of a hand ("Points3SA"): give the hand a partner
// holding the points that make the pair's total 25, with no suit shorter
// than two nor longer than four, play 3SA double dummy on nbstat such deals,
// once with the hand as declarer and once as dummy, and turn each success
// rate into the point count a hand of that rate is worth, through a fixed
// table of 3SA success rates by point split.
#pragma once

#include "bilan.h"
#include "condouv.h"

// The 3SA success rate of a pair whose hands hold a and b high-card points
// (either order), for the splits of 24, 25 and 26 points the table holds;
// -1 for any other.
float taux_3sa(int a, int b);

// Smallest and largest point count the table can interpolate: h - 1, h and
// h + 1 beside a partner of 25 - h must all be in it.
inline constexpr int points3sa_min = 4;
inline constexpr int points3sa_max = 20;

// The point count of a hand of h points whose pair makes 3SA at `taux`:
// the quadratic through the rates of h - 1, h and h + 1 points beside
// 25 - h, read at taux (single precision, as the table). NaN for h outside
// points3sa_min .. points3sa_max.
double pointshl(int h, float taux);

// The set the simulation draws from: c's fixed cards, nothing else of c,
// and on the partner of `seat` the two conditions above.
Contraintes ensemble_points3sa(const Contraintes& c, int seat);

// One dynamic evaluation of `seat`'s fixed hand in c, as declarer of 3SA
// (mort false) or as dummy (mort true). c itself is not changed. Refused
// (statut refuse, nothing drawn) when the seat has not its 13 cards fixed,
// its points lie outside the table, or the partner's fixed cards leave no
// hand of 25 - h points with two to four cards a suit (the partner is
// simulated: the message asks to free its cards). When the status is not ok the value is
// NaN and the status says why (a spent budget is message_limite_atteinte).
double res_hl(const Contraintes& c, int seat, bool mort, BilanStat& bilan);
// The same on the current set `contr`, the status left in bilan_stat.
double res_hl(int seat, bool mort);
