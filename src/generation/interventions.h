// Overcalls of the bidding system after an opponent's opening: the test of
// the condition kind "intervention" and the tests it is made of.
//
// The generator's workers call these billions of times, concurrently: they
// are pure functions of their arguments, keep no state, allocate nothing and
// build no text. Seats are 0..3; suits are suit indexes 0 pique .. 3 trèfle;
// o is the suit index of the opened suit, -1 when 1SA was opened.
#pragma once

#include "condouv.h"

// The kind-2 test: does seat c.joueur make the call c.params[0] over the
// opening c.params[1] on this board (which fixes the seat's vulnerability)?
// A call without a rule over that opening, or a malformed condition, is false.
bool intervention(const char* deal, const Condouv& c, int board);

// A one-level overcall in suit.
bool cond_int1(const char* deal, int seat, int suit, bool vulnerable);
// Some one-level suit overcall exists over the opened suit o.
bool cond_int1sur(const char* deal, int seat, int o, bool vulnerable);
// A 1SA overcall over the opened suit o; false over 1SA (o = -1).
bool cond_int1SA(const char* deal, int seat, int o);
// A two-level overcall in suit.
bool cond_int2(const char* deal, int seat, int suit, bool vulnerable);
// Some two-level overcall exists over the opened suit o.
bool cond_int2sur(const char* deal, int seat, int o, bool vulnerable);
// A two-suited overcall in s1 and s2.
bool cond_int_bic(const char* deal, int seat, int s1, int s2, bool vulnerable);
// The two-major call over 1SA.
bool cond_Landy(const char* deal, int seat, bool vulnerable);

// True when the call par has a rule over the opening sur; every other pair
// always answers false, so an editor may refuse it.
bool intervention_definie(int par, int sur);
