// Builds test deals from hands written suit by suit, so that a test states
// the hand it reasons about: jeu.main(2, "AR52", "DV4", "D73", "962").
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "condouv.h"

class Jeu {
public:
    Jeu() : d_(52, 'V') {}

    // Gives seat (0 N, 1 E, 2 S, 3 O) the cards of the four suits, spades
    // first, ranks written A R D V X 9 .. 2; "" is a void.
    Jeu& main(int seat, const char* pi, const char* co, const char* ca, const char* tr) {
        const char* suits[4] = {pi, co, ca, tr};
        for (int s = 0; s < 4; ++s)
            for (const char* p = suits[s]; *p; ++p) {
                const char* pos = std::strchr("ARDVX98765432", *p);
                if (!pos) {
                    ADD_FAILURE() << "rank letter " << *p;
                    continue;
                }
                const int i = 13 * (3 - s) + int(pos - "ARDVX98765432");
                if (d_[i] != 'V') ADD_FAILURE() << "card given twice: " << *p;
                d_[i] = "NESO"[seat];
            }
        return *this;
    }

    // Deals the cards still free to the seats with fewer than 13, N, E, S, O
    // in turn, so every hand ends with 13 cards.
    Jeu& complete() {
        int n[4] = {0, 0, 0, 0};
        for (char c : d_)
            if (c != 'V') ++n[std::strchr("NESO", c) - "NESO"];
        int seat = 0;
        for (char& c : d_) {
            if (c != 'V') continue;
            while (n[seat] >= 13) seat = (seat + 1) % 4;
            c = "NESO"[seat];
            ++n[seat];
            seat = (seat + 1) % 4;
        }
        return *this;
    }

    const char* donne() const { return d_.data(); }
    const std::string& texte() const { return d_; }

private:
    std::string d_;
};

// Sud's hand in a complete deal (the usual seat under test).
inline Jeu sud(const char* pi, const char* co, const char* ca, const char* tr) {
    Jeu j;
    j.main(2, pi, co, ca, tr).complete();
    return j;
}

// A condition of the given kind and parameters on a seat (Sud by default).
inline Condouv cond(int kind, std::vector<int> params, int seat = 2) {
    Condouv c;
    c.id_condition = kind;
    c.joueur = seat;
    c.params = std::move(params);
    return c;
}
