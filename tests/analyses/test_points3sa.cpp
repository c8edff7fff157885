// Points3SA: the interpolation through the table of 3SA rates, the set the
// simulation draws from, and a dynamic evaluation with the real solver that
// leaves the user's set alone and refuses the hands it cannot rate.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "aides.h"
#include "aleatoire.h"
#include "bridge.h"
#include "evaluation.h"
#include "gen.h"
#include "points3sa.h"
#include "solveur.h"
#include "statlevees.h"

namespace {

// Nord's hand given by card indexes, every other card free; or the cards of
// another seat added to a deal.
std::string nord(const std::vector<int>& cartes_, std::string d = vide, char j = 'N') {
    for (int i : cartes_) d[static_cast<std::size_t>(i)] = j;
    return d;
}

Contraintes ensemble(const std::string& d) {
    Contraintes c;
    std::copy(d.begin(), d.end(), c.cfixees);
    c.eff();
    return c;
}

// ♠AKQ2 ♥R32 ♦D32 ♣V32: 15 points.
const std::vector<int> main15 = {39, 40, 41, 51, 27, 37, 38, 15, 24, 25, 3, 11, 12};

// Nord's 15 points, and Sud's fixed cards.
std::string avec_sud(const std::vector<int>& cartes_) { return nord(cartes_, nord(main15), 'S'); }

}  // namespace

TEST(Points3SA, TheInterpolationGoesThroughTheTableAndRisesWithTheRate) {
    for (int h = points3sa_min; h <= points3sa_max; ++h) {
        const int p = 25 - h;
        // At the three rates of its own table lines, a hand is worth exactly
        // the points of those lines.
        EXPECT_NEAR(pointshl(h, taux_3sa(h - 1, p)), h - 1, 1e-3) << h;
        EXPECT_NEAR(pointshl(h, taux_3sa(h, p)), h, 1e-3) << h;
        EXPECT_NEAR(pointshl(h, taux_3sa(h + 1, p)), h + 1, 1e-3) << h;
        EXPECT_EQ(taux_3sa(h, p), taux_3sa(p, h)) << h;
        const float bas = taux_3sa(h - 1, p), haut = taux_3sa(h + 1, p);
        double avant = pointshl(h, bas);
        for (int k = 1; k <= 10; ++k) {
            const double x = pointshl(h, bas + (haut - bas) * static_cast<float>(k) / 10.0f);
            EXPECT_GT(x, avant) << h << " " << k;
            avant = x;
        }
    }
    for (int h : {3, 21, 0, 37}) EXPECT_TRUE(std::isnan(pointshl(h, 0.5f))) << h;
    EXPECT_EQ(taux_3sa(22, 4), -1.0f);
    EXPECT_EQ(taux_3sa(10, 10), -1.0f);
}

TEST(Points3SA, ThePartnerDrawnHoldsTheMissingPointsInABalancedishShape) {
    const Contraintes c = ensemble(nord(main15));
    Contraintes e = ensemble_points3sa(c, 0);
    EXPECT_EQ(std::string(e.cfixees, 52), std::string(c.cfixees, 52));
    const int nbstat_avant = nbstat, limite_avant = limite;
    nbstat = 30;
    limite = 22;
    graine_aleatoire(3);
    BilanStat b;
    const std::vector<std::string> donnes = tire_donnes_stat(e, b);
    nbstat = nbstat_avant;
    limite = limite_avant;
    ASSERT_EQ(donnes.size(), 30u);
    for (const std::string& d : donnes) {
        EXPECT_EQ(points(d.c_str(), 2), 10) << d;
        int l[4], tri[4];
        fodistr(d.c_str(), 2, l, tri);
        EXPECT_GE(tri[0], 2) << d;
        EXPECT_LE(tri[3], 4) << d;
    }
}

TEST(Points3SA, AnEvaluationLeavesTheSetAloneAndRefusesWhatItCannotRate) {
    const Contraintes avant = contr;
    const int nbstat_avant = nbstat, limite_avant = limite, threads_avant = config.nbthreads;
    config.nbthreads = 2;
    init_solveur(2);
    nbstat = 6;
    limite = 20;

    contr = ensemble(nord(main15));
    Condouv k;
    k.id_condition = 3;
    k.joueur = 1;
    k.params = {0, 0, 5, 30, 36};  // Est 30 points or more: no room for a partner of 10
    contr.cocos = {k};
    contr.numerofixe = -2;
    const double v = res_hl(0, false);
    EXPECT_EQ(bilan_stat.statut, Statut::ok) << bilan_stat.message;
    EXPECT_EQ(bilan_stat.analysees, 6);
    EXPECT_TRUE(std::isfinite(v));
    ASSERT_EQ(contr.cocos.size(), 1u);
    EXPECT_EQ(contr.cocos[0].params, k.params);
    EXPECT_EQ(contr.numerofixe, -2);

    contr = ensemble(avec_sud({26, 14}));  // Sud's ♥A ♦R fit its 10 points
    EXPECT_TRUE(std::isfinite(res_hl(0, true))) << bilan_stat.message;

    struct Refus {
        const char* quoi;
        std::string donne;
        int siege;
        bool partenaire;  // Sud's fixed cards break what it is dealt
    };
    // ♠AKQJ ♥AKQ ♦AK ♣A + 3 small: 30 points; 13 small spades: 0 points.
    const std::vector<Refus> refus = {
        {"12 cards", nord({39, 40, 41, 51, 27, 37, 38, 15, 24, 25, 3, 11}), 0, false},
        {"no card", nord(main15), 2, false},
        {"30 points", nord({39, 40, 41, 42, 26, 27, 28, 13, 14, 0, 51, 50, 49}), 0, false},
        {"0 points", nord({43, 44, 45, 46, 47, 48, 49, 50, 51, 38, 37, 36, 35}), 0, false},
        {"Sud 17 points", avec_sud({43, 44, 45, 26, 28, 30, 13, 14, 17, 0, 4, 5, 6}), 0, true},
        {"Sud 4-4-4-1", avec_sud({43, 44, 45, 46, 26, 30, 31, 32, 13, 17, 18, 19, 2}), 0, true},
        {"Sud 5 spades", avec_sud({43, 44, 45, 46, 47}), 0, true},
        {"Sud 3 aces", avec_sud({26, 13, 0}), 0, true},
        {"Sud 12, 2 points", avec_sud({43, 44, 45, 46, 30, 31, 32, 33, 17, 18, 19, 2}), 0, true},
    };
    const std::string libere =
        "Sud, partenaire de Nord, est simulé par l'évaluation avec 10 points H et 2 à 4 cartes "
        "dans chaque couleur : ses cartes fixées ne le permettent pas. Libérez les cartes de Sud.";
    for (const Refus& r : refus) {
        BilanStat b;
        EXPECT_TRUE(std::isnan(res_hl(ensemble(r.donne), r.siege, true, b))) << r.quoi;
        EXPECT_EQ(b.statut, Statut::refuse) << r.quoi;
        EXPECT_EQ(b.tirages, 0) << r.quoi;
        EXPECT_FALSE(b.message.empty()) << r.quoi;
        EXPECT_EQ(b.message == libere, r.partenaire) << r.quoi << ": " << b.message;
    }

    // Est and Ouest hold every honour left: Sud cannot hold 10 points.
    std::string d = nord(main15);
    for (int i = 0; i < 52; ++i)
        if (d[static_cast<std::size_t>(i)] == 'V' && i % 13 < 4) d[static_cast<std::size_t>(i)] = i % 2 ? 'E' : 'O';
    limite = 8;
    BilanStat b;
    EXPECT_TRUE(std::isnan(res_hl(ensemble(d), 0, false, b)));
    EXPECT_EQ(b.statut, Statut::budget_epuise);
    EXPECT_EQ(b.message, message_limite_atteinte);

    contr = avant;
    nbstat = nbstat_avant;
    limite = limite_avant;
    config.nbthreads = threads_avant;
    init_solveur(threads_avant);
}
