// Exact probabilities of suit lengths for one or two hands of a random deal.
// Nothing is drawn: hands are counted with exact binomial coefficients.
#pragma once

#include <cstdint>

// Bounds of the page, [row][suit], suit 0 pique .. 3 trèfle. Rows 0 and 1
// are joueur1 and joueur2 of event A, rows 2 and 3 those of event B. They
// start at 0..13 and keep what the user gave them for the whole run.
extern int minis[4][4];
extern int maxis[4][4];

// Cards per suit in a full deck, and the bounds of an unconstrained hand.
extern const int L0[4];
extern const int M0[4];
extern const int m0[4];

// The binomial coefficient C(n, k): 0 when k < 0 or k > n, exact in unsigned
// 64 bits for n up to 62.
std::uint64_t binom(int n, int k);

// Whether a hand with these bounds is constrained (not all 0..13).
bool jact(const int lower[4], const int upper[4]);

// The probability that a first hand drawn from the cards e (per suit) has
// every suit length within lower1..upper1 and, when the second hand is
// constrained, that a second hand drawn from what is left of a full deck has
// its lengths within lower2..upper2. A lower bound below 0 counts as 0 and
// an upper bound above 13 as 13 (no other length can occur); an empty range,
// such as a lower bound above 13 or an upper bound below 0, gives 0.
double Pr(const int lower1[4], const int upper1[4], const int lower2[4], const int upper2[4],
          const int remaining[4]);

// What the page computes from the bounds: P(A), and P(A and B) when event B
// is constrained (else −1).
struct ProbasDistribution {
    double pA = -1;
    double pAB = -1;
};
ProbasDistribution calcule_distribution(const int mins[4][4], const int maxs[4][4]);
