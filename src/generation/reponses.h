// Responses of the bidding system to partner's opening: the test of the
// condition kind "réponse".
//
// The generator's workers call this billions of times, concurrently: it is a
// pure function of its arguments, keeps no state, allocates nothing and
// builds no text. Only the responder's own hand is looked at; the opening
// itself is a separate condition on the partner.
#pragma once

#include "condouv.h"

// Système codes (parameter 0).
inline constexpr int systeme_rep_SEF = 0;
inline constexpr int systeme_rep_SMI = 10;

// The kind-1 test: does seat c.joueur make response c.params[2] to the
// opening c.params[1] in système c.params[0]? The board plays no part. A pair
// without a rule, or a malformed condition, answers false.
bool repo(const char* deal, int board, const Condouv& c);

// True when the pair (opening, response) has a rule; every other pair always
// answers false, so an editor may refuse it.
bool repo_definie(int ouverture, int reponse);
