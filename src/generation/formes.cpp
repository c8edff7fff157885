// The hand-pattern conditions. Each reads the seat's hand through the
// evaluation functions and compares it with the condition's value codes;
// none allocates, so the generator's workers may run them side by side.
#include "formes.h"

#include <cmath>

#include "cartes.h"
#include "evaluation.h"

namespace {

constexpr int sans_couleur = 5;  // kind 3: the whole hand
constexpr int sans_atout = 4;    // kinds 6 and 12: notrump; kind 14: all suits
constexpr int controle = 5000;   // kind 8: ace or king, or at most one card

// A condition from a file may carry a seat or too few codes that the
// catalogue never offers: it is then simply not met.
bool valide(const Condouv& c, std::size_t nparams) {
    return c.joueur >= 0 && c.joueur <= 3 && c.params.size() >= nparams;
}

bool est_couleur(int s) { return s >= 0 && s <= 3; }

int partenaire(int seat) { return (seat + 2) % 4; }

}  // namespace

bool accepte_longueur(int c, int n, const int s[4], bool forme) {
    if (forme && c < 0) return true;
    if (c <= 9) return n == c;
    if (c >= 11 && c <= 19) return n >= c - 10;
    if (c >= 21 && c <= 29) return n <= c - 20;
    // "1 ou 3", "2 ou 4", "2 ou 5", "3 ou 5": either length. A player who
    // asks a holding with "2 ou 4" cards expects the same as in a shape.
    if (c <= 999 && (c / 10) % 10 == 0) return n == c % 10 || n == c / 100;
    // Ranges a-b, written 1000·a + b.
    if ((c / 10) % 100 == 0) return c / 1000 <= n && n <= c % 10;
    if (!forme) return true;
    switch (c) {
        case 6331: return s[0] == 1 && s[1] == 3 && n == 6;
        case 6421: return s[0] == 1 && s[1] == 2 && n == 6;
        case 5332: return s[0] == 2 && s[1] == 3 && n == 5;
        case 5530: return s[0] == 0 && s[1] == 3 && n == 5;
        case 4432: return s[0] == 2 && s[1] == 3 && n == 4;
        case 4441: return s[0] == 1 && s[1] == 4 && s[3] == 4 && n == 4;
        case 4522: return s[0] == 2 && s[3] == 5 && n == 4;
        default: break;
    }
    // m-(xxk): m cards here and a shortest suit of k cards.
    if ((c / 10) % 100 == 99) return n == c / 1000 && s[0] == c % 10;
    return true;
}

bool cond_points(const char* deal, const Condouv& c) {
    if (!valide(c, 5)) return false;
    const int seat = c.joueur;
    const int ligne = c.params[0], nature = c.params[1], suit = c.params[2];
    if (ligne != 0 && ligne != 1) return false;
    const int p = partenaire(seat);
    double v;
    switch (nature) {
        case 0:  // high-card points, of the hand or of one suit
            if (suit == sans_couleur) {
                v = points(deal, seat) + (ligne ? points(deal, p) : 0);
            } else if (est_couleur(suit)) {
                v = points(deal, seat, suit) + (ligne ? points(deal, p, suit) : 0);
            } else {
                return false;
            }
            break;
        case 1:
            v = pointsHL(deal, seat) + (ligne ? pointsHL(deal, p) : 0);
            break;
        case 2:
            v = pointsDH(deal, seat) + (ligne ? pointsDH(deal, p) : 0);
            break;
        case 3:
            // A support count needs its trump suit; without one there is no
            // count to compare, and the condition is not met.
            if (!est_couleur(suit)) return false;
            v = pointsDHS(deal, seat, suit);
            if (ligne) v += pointsDHS(deal, p, suit);
            break;
        default:
            return false;
    }
    return dans_les_bornes(v, c);
}

bool points_de_la_main(const Condouv& c) {
    return valide(c, 5) && (c.params[0] == 0 || c.params[0] == 1) && c.params[1] == 0 &&
           c.params[2] == sans_couleur;
}

bool dans_les_bornes(double v, const Condouv& c) {
    // Half a point of slack lets a support count round to its bound.
    return c.params[3] - 0.51 <= v && v <= c.params[4] + 0.51;
}

bool forme(const char* deal, const Condouv& c) {
    if (!valide(c, 4)) return false;
    int lens[4], tries[4];
    fodistr(deal, c.joueur, lens, tries);
    return forme_mesuree(lens, tries, c);
}

bool forme_mesuree(const int lens[4], const int tries[4], const Condouv& c) {
    if (!valide(c, 4)) return false;
    for (int s = 0; s < 4; ++s)
        if (!accepte_longueur(c.params[s], lens[s], tries, true)) return false;
    return true;
}

bool distribution(const char* deal, const Condouv& c) {
    if (!valide(c, 1)) return false;
    int lens[4], s[4];
    fodistr(deal, c.joueur, lens, s);
    return distribution_mesuree(lens, s, c);
}

bool distribution_mesuree(const int /*lens*/[4], const int s[4], const Condouv& c) {
    if (!valide(c, 1)) return false;
    switch (c.params[0]) {
        case 4333: return s[0] == 3;
        case 4432: return s[3] == 4 && s[0] == 2;
        case 4441: return s[3] == 4 && s[0] == 1;
        case 5332: return s[3] == 5 && s[2] == 3;
        case 5422: return s[3] == 5 && s[2] == 4 && s[0] == 2;
        case 5431: return s[3] == 5 && s[2] == 4 && s[0] == 1;
        case 6322: return s[3] == 6 && s[0] == 2;
        case 6331: return s[3] == 6 && s[2] == 3 && s[0] == 1;
        case 64001111: return s[3] >= 6 && s[2] >= 4;
        case 1: return s[0] <= 1;
        default: return true;
    }
}

bool coul_plus_longue(const char* deal, int seat, int suit, int mode) {
    // Notrump has no length: "SA" names no longest suit.
    if (seat < 0 || seat > 3 || !est_couleur(suit)) return false;
    int lens[4], s[4];
    fodistr(deal, seat, lens, s);
    const int n = lens[suit];
    if (n < s[3]) return false;
    switch (mode) {
        case 0: return couleur_max(deal, seat) == suit;
        case 1: return n > s[2];
        case 2: return true;
        default: return false;
    }
}

bool coul_plus_longue(const char* deal, const Condouv& c) {
    if (!valide(c, 2)) return false;
    return coul_plus_longue(deal, c.joueur, c.params[0], c.params[1]);
}

bool comp_couleurs(const char* deal, const Condouv& c) {
    if (!valide(c, 3) || !est_couleur(c.params[0]) || !est_couleur(c.params[1])) return false;
    int lens[4], s[4];
    fodistr(deal, c.joueur, lens, s);
    const int l1 = lens[c.params[0]], l2 = lens[c.params[1]];
    switch (c.params[2]) {
        case 0: return l1 < l2;
        case 1: return l1 <= l2;
        case 2: return l1 == l2;
        default: return false;
    }
}

bool teneur(const char* deal, const Condouv& c) {
    if (!valide(c, 3) || !est_couleur(c.params[0])) return false;
    const int seat = c.joueur, suit = c.params[0], t = c.params[1];
    int lens[4], s[4];
    fodistr(deal, seat, lens, s);
    if (!accepte_longueur(c.params[2], lens[suit], s, false)) return false;
    if (t == controle) return lens[suit] <= 1 || aas(deal, seat, suit) || roi(deal, seat, suit);
    // Every honour named must be held; a void holds none. Only the 13
    // in-suit positions exist, so bits above them ask for nothing.
    const unsigned demande = static_cast<unsigned>(t) & 0x1FFFu;
    return (coulenbits(deal, seat, suit) & demande) == demande;
}

bool nb_cartes(const char* deal, const Condouv& c) {
    if (!valide(c, 5) || !est_couleur(c.params[0])) return false;
    const int petite = c.params[1], grande = c.params[2];
    if (petite < 2 || petite > 14 || grande < 2 || grande > 14) return false;
    // Ranks 14..2 are in-suit positions 0..12; an inverted range counts nothing.
    const int n = petite > grande ? 0 : compte(deal, c.joueur, c.params[0], 15 - petite, 14 - grande);
    return c.params[3] <= n && n <= c.params[4];
}

bool cartes_niveau(const char* deal, const Condouv& c) {
    if (!valide(c, 3)) return false;
    const int niveau = c.params[0];
    if (niveau < 2 || niveau > 14) return false;
    const int n = nb_rang(deal, c.joueur, 14 - niveau);
    return c.params[1] <= n && n <= c.params[2];
}

bool arret(const char* deal, const Condouv& c) {
    if (!valide(c, 3) || !est_couleur(c.params[0])) return false;
    const int s = arrets(deal, c.joueur, c.params[0]);
    return c.params[1] <= s && s <= c.params[2];
}

bool cles(const char* deal, const Condouv& c) {
    if (!valide(c, 2)) return false;
    const int seat = c.joueur, suit = c.params[0], code = c.params[1];
    if (!est_couleur(suit) && suit != sans_atout) return false;
    // At notrump the key cards are the four aces: there is no trump king
    // and no trump queen.
    const bool sa = suit == sans_atout;
    const int n = sa ? nbas(deal, seat) : nbcles(deal, seat, suit);
    if (code >= 0 && code <= 5) return n == code;
    if (code >= 11 && code <= 14) return n >= code - 10;
    if (code >= 21 && code <= 24) return n <= code - 20;
    if (code == 30 || code == 41) return n == code % 10 || n == code / 10;
    if (code == 62) return n == 2 && (sa || !dame(deal, seat, suit));
    if (code == 72) return n == 2 && !sa && dame(deal, seat, suit);
    return false;
}

bool contr_italiens(const char* deal, const Condouv& c) {
    if (!valide(c, 2)) return false;
    const int n = nb_contr_it(deal, c.joueur);
    return c.params[0] <= n && n <= c.params[1];
}

bool cond_ldj(const char* deal, const Condouv& c) {
    if (!valide(c, 3)) return false;
    const int suit = c.params[0];
    if (!est_couleur(suit) && suit != sans_atout) return false;
    // The bounds are tenths; the playing tricks of a hand are sums of
    // quarters and tenths held in single precision (6.8 is 6.7999...).
    // Counted in exact hundredths, 6.8 meets a bound of 68 tenths and 7.25
    // stays below a bound of 73.
    const long t = std::lround(static_cast<double>(ldj(deal, c.joueur)) * 100.0);
    if (t < 10L * c.params[1] || t > 10L * c.params[2]) return false;
    return suit == sans_atout || couleur_max(deal, c.joueur) == suit;
}
