// The measures of one seat's hand that the bidding tests share. The cheap
// ones are taken at once; the others on first use, so that a rule that
// rejects early costs little and tests made one after the other (pass,
// grouped codes, every overcall) measure the hand once. Lives on the stack
// of one test: no allocation, no shared state.
#pragma once

#include "evaluation.h"

class MesuresMain {
public:
    const char* d;
    int seat;
    int p;       // high-card points
    int l[4];    // lengths ♠ ♥ ♦ ♣
    int s[4];    // the same, ascending: s[0] shortest .. s[3] longest

    MesuresMain(const char* deal, int siege) : d(deal), seat(siege), p(points(deal, siege)) {
        fodistr(deal, siege, l, s);
    }

    int dh() {
        if (!a_dh_) { dh_ = pointsDH(d, seat); a_dh_ = true; }
        return dh_;
    }
    int hl() {
        if (!a_hl_) { hl_ = pointsHL(d, seat); a_hl_ = true; }
        return hl_;
    }
    int x() {
        if (!a_x_) { x_ = xxxx(d, seat); a_x_ = true; }
        return x_;
    }
    int cm() {
        if (!a_cm_) { cm_ = couleur_max(d, seat); a_cm_ = true; }
        return cm_;
    }
    // Playing tricks, widened to double for the comparisons with the bounds.
    double t() {
        if (!a_t_) { t_ = ldj(d, seat); a_t_ = true; }
        return t_;
    }
    // NT(r, f): the notrump shape with HL in range r.
    bool sa(int r, bool f) const { return condSA(d, seat, r, f); }
    // How many of the n top cards of the suit (ace down) are held.
    int top(int suit, int n) const { return compte(d, seat, suit, n, 0); }

private:
    int dh_ = 0, hl_ = 0, x_ = 0, cm_ = 0;
    double t_ = 0.0;
    bool a_dh_ = false, a_hl_ = false, a_x_ = false, a_cm_ = false, a_t_ = false;
};
