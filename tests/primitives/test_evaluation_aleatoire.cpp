// The evaluation functions work on bit sets for speed; here each measure is
// recomputed card by card, straight from its rule, on random deals.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "cartes.h"
#include "evaluation.h"

namespace {

struct Reference {
    const char* d;
    char c;

    bool tient(int suit, int k) const { return d[13 * (3 - suit) + k] == c; }
    int longueur(int suit) const {
        int n = 0;
        for (int k = 0; k < 13; ++k) n += tient(suit, k);
        return n;
    }
    int points(int suit) const {
        return 4 * tient(suit, 0) + 3 * tient(suit, 1) + 2 * tient(suit, 2) + tient(suit, 3);
    }
    int points() const { return points(0) + points(1) + points(2) + points(3); }
    int plus_longue() const {
        int s = 0;
        for (int t = 1; t < 4; ++t)
            if (longueur(t) > longueur(s)) s = t;
        return s;
    }
    int hl() const {
        const int s = plus_longue(), L = longueur(s), h = points();
        if (L < 5) return h;
        int t = 0;
        for (int k = 0; k < 5; ++k) t += tient(s, k);
        if (t >= 3) return h + L - 4;
        if (L == 6 && t == 2) return h + 1;
        return h;
    }
    void tries(int l[4]) const {
        for (int s = 0; s < 4; ++s) l[s] = longueur(s);
        std::sort(l, l + 4);
    }
    int dh() const {
        int l[4];
        tries(l);
        if (l[0] >= 3) return hl();
        int d = points() + 3 - l[0];
        if (l[1] < 3) d += 3 - l[1];
        if (l[3] >= 6) d += l[3] - 5;
        for (int s = 0; s < 4; ++s) {
            const int L = longueur(s);
            if (L == 1 && (tient(s, 0) || tient(s, 1) || tient(s, 2) || tient(s, 3))) --d;
            if (L == 2 && (tient(s, 2) || tient(s, 3))) --d;
        }
        return d;
    }
    int perdantes() const {
        int p = 0;
        for (int s = 0; s < 4; ++s) {
            const int L = longueur(s);
            if (L == 0) continue;
            p += !tient(s, 0);
            if (L >= 2) p += !tient(s, 1);
            if (L >= 3) p += !tient(s, 2);
            if (L == 4) p += !tient(s, 3);
        }
        return p;
    }
    unsigned masque_rangs(int suit) const {
        unsigned m = 0;
        for (int k = 0; k < 13; ++k)
            if (tient(suit, k)) m |= 1u << (14 - k);
        return m;
    }
    float ldj() const {
        float t = 0.0f;
        for (int s = 0; s < 4; ++s) t += compte_levees_couleur(masque_rangs(s));
        return t;
    }
};

}  // namespace

TEST(EvaluationAleatoire, CarteParCarte) {
    std::mt19937 g(2024);
    std::string d;
    for (int p = 0; p < 4; ++p) d += std::string(13, jsymbs[p]);
    for (int essai = 0; essai < 3000; ++essai) {
        std::shuffle(d.begin(), d.end(), g);
        // Some deals with cards out of play, as in a partly played deal.
        if (essai % 3 == 0)
            for (int i = 0; i < 52; ++i)
                if (g() % 4 == 0) d[i] = 'V';
        for (int seat = 0; seat < 4; ++seat) {
            const Reference r{d.data(), jsymbs[seat]};
            const char* p = d.data();
            ASSERT_EQ(points(p, seat), r.points()) << d;
            ASSERT_EQ(pointsHL(p, seat), r.hl()) << d;
            ASSERT_EQ(pointsDH(p, seat), r.dh()) << d;
            ASSERT_EQ(perdantes(p, seat), r.perdantes()) << d;
            ASSERT_EQ(couleur_max(p, seat), r.plus_longue()) << d;
            ASSERT_EQ(ldj(p, seat), r.ldj()) << d;
            int l[4], t[4], lt[4];
            fodistr(p, seat, l, t);
            r.tries(lt);
            for (int s = 0; s < 4; ++s) {
                ASSERT_EQ(l[s], r.longueur(s)) << d;
                ASSERT_EQ(t[s], lt[s]) << d;
                ASSERT_EQ(points(p, seat, s), r.points(s)) << d;
            }
        }
    }
}
