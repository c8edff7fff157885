// Deals for the bidding tests: one seat's hand written suit by suit, the
// other 39 cards dealt to the three other seats; and seeded random deals.
#pragma once

#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "bridge.h"

// The hand of seat, given per suit (spades, hearts, diamonds, clubs) with the
// rank letters A R D V X 9 .. 2; "x" is any small card (the lowest free one)
// and "-" or "" a void. The remaining cards go 13 by 13 to the seats after
// seat, in bidding order. Throws when the hand is not 13 distinct cards.
inline std::string donne_main(int seat, const char* pique, const char* coeur, const char* carreau,
                              const char* trefle) {
    std::string d(52, '?');
    const char lettre = jsymbs[seat];
    const char* couleurs[4] = {pique, coeur, carreau, trefle};
    int n = 0;
    for (int s = 0; s < 4; ++s) {
        int petites = 0;
        for (const char* c = couleurs[s]; *c; ++c) {
            if (*c == 'x') { ++petites; continue; }
            if (*c == '-') continue;
            const char* p = std::strchr(cartes, *c);
            if (!p || p - cartes < 2) throw std::invalid_argument(std::string("rang ") + *c);
            const int i = 13 * (3 - s) + 14 - static_cast<int>(p - cartes);
            if (d[i] != '?') throw std::invalid_argument("carte donnée deux fois");
            d[i] = lettre;
            ++n;
        }
        for (int r = 2; petites > 0 && r <= 14; ++r) {
            const int i = 13 * (3 - s) + 14 - r;
            if (d[i] == '?') { d[i] = lettre; --petites; ++n; }
        }
        if (petites > 0) throw std::invalid_argument("trop de petites cartes");
    }
    if (n != 13) throw std::invalid_argument("la main n'a pas 13 cartes");
    int k = 0;
    for (char& c : d)
        if (c == '?') c = jsymbs[(seat + 1 + k++ / 13) % 4];
    return d;
}

// n random deals, each 13 cards to every seat, from a fixed seed.
inline std::vector<std::string> donnes_aleatoires(int n, unsigned graine) {
    std::mt19937 g(graine);
    std::string d;
    for (int s = 0; s < 4; ++s) d.append(13, jsymbs[s]);
    std::vector<std::string> r;
    r.reserve(n);
    for (int i = 0; i < n; ++i) {
        std::shuffle(d.begin(), d.end(), g);
        r.push_back(d);
    }
    return r;
}
