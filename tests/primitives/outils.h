// Builds test deals from readable hands, independently of the code under test.
#pragma once

#include <string>

namespace outils {

// Card index of a card: clubs first, the ace first within a suit.
// suit: 0 spades, 1 hearts, 2 diamonds, 3 clubs; rank letter among "ARDVX98765432".
inline int indice(int suit, char r) {
    static const std::string ordre = "ARDVX98765432";
    return 13 * (3 - suit) + static_cast<int>(ordre.find(r));
}

// Places on deal the hand "spades.hearts.diamonds.clubs" of seat letter
// (a suit written "-" or "" is void).
inline void place(std::string& deal, char seat, const std::string& main) {
    int suit = 0;
    for (char c : main) {
        if (c == '.') {
            ++suit;
            continue;
        }
        if (c == '-') continue;
        deal[indice(suit, c)] = seat;
    }
}

// A deal with only the given hands placed; every other card is 'V'.
inline std::string donne(const std::string& n, const std::string& e = "", const std::string& s = "",
                         const std::string& o = "") {
    std::string d(52, 'V');
    place(d, 'N', n);
    place(d, 'E', e);
    place(d, 'S', s);
    place(d, 'O', o);
    return d;
}

// Rank-bit mask (bit r for rank r) of a holding written "ARDV...".
inline unsigned masque(const std::string& h) {
    static const std::string rangs = "0123456789XVDRA";
    unsigned m = 0;
    for (char c : h) m |= 1u << rangs.find(c);
    return m;
}

}  // namespace outils
