#include "points3sa.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "bridge.h"
#include "evaluation.h"
#include "statlevees.h"

namespace {

struct Taux {
    int grand, petit;
    float taux;
};

// 3SA made double dummy, by the points of the stronger and the weaker hand.
constexpr Taux table_3sa[] = {
    // 24 points
    {22, 2, 0.162f}, {21, 3, 0.201f}, {20, 4, 0.234f}, {19, 5, 0.274f}, {18, 6, 0.291f},
    {17, 7, 0.309f}, {16, 8, 0.325f}, {15, 9, 0.334f}, {14, 10, 0.338f}, {13, 11, 0.338f},
    {12, 12, 0.343f},
    // 25 points
    {22, 3, 0.375f}, {21, 4, 0.417f}, {20, 5, 0.459f}, {19, 6, 0.486f}, {18, 7, 0.506f},
    {17, 8, 0.522f}, {16, 9, 0.528f}, {15, 10, 0.532f}, {14, 11, 0.532f}, {13, 12, 0.533f},
    // 26 points
    {21, 5, 0.659f}, {20, 6, 0.684f}, {19, 7, 0.697f}, {18, 8, 0.707f}, {17, 9, 0.709f},
    {16, 10, 0.709f}, {15, 11, 0.713f}, {14, 12, 0.715f}, {13, 13, 0.712f},
};

int cartes_fixees(const char* cfixees, int seat) {
    return static_cast<int>(std::count(cfixees, cfixees + 52, jsymbs[seat]));
}

// Whether the partner of `seat` can still be dealt what the simulation
// gives it (ensemble_points3sa): 13 cards holding 25 - h high-card points,
// two to four in every suit, made of its fixed cards and of cards the seat
// does not hold. Other seats' fixed cards count as free here: the refusal
// must be one that freeing the partner's cards mends.
bool partenaire_possible(const char* cfixees, int seat, int h) {
    const char lui = jsymbs[seat], partenaire = jsymbs[(seat + 2) % 4];
    // atteint[k][p]: k cards holding p points can be added over the suits
    // seen so far, each suit ending with two to four cards.
    using Table = std::array<std::array<bool, 41>, 14>;
    Table atteint{};
    atteint[0][0] = true;
    int fixees = 0, pts = 0;
    for (int bloc = 0; bloc < 4; ++bloc) {  // one suit, its ace first
        int l = 0, petites = 0, nh = 0, honneurs[4];
        for (int r = 0; r < 13; ++r) {
            const char c = cfixees[13 * bloc + r];
            const int v = r < 4 ? 4 - r : 0;
            if (c == partenaire) {
                ++l;
                pts += v;
            } else if (c != lui) {
                if (v > 0) honneurs[nh++] = v;
                else ++petites;
            }
        }
        fixees += l;
        if (l > 4) return false;
        Table suivant{};
        for (int choix = 0; choix < (1 << nh); ++choix) {
            int a = 0, q = 0;
            for (int j = 0; j < nh; ++j)
                if (choix >> j & 1) {
                    ++a;
                    q += honneurs[j];
                }
            for (int b = 0; b <= petites; ++b) {
                if (l + a + b < 2 || l + a + b > 4) continue;
                for (int k = 0; k + a + b <= 13; ++k)
                    for (int p = 0; p + q <= 40; ++p)
                        if (atteint[k][p]) suivant[k + a + b][p + q] = true;
            }
        }
        atteint = suivant;
    }
    const int manque = 25 - h - pts;
    return fixees <= 13 && manque >= 0 && atteint[13 - fixees][manque];
}

}  // namespace

float taux_3sa(int a, int b) {
    const int grand = std::max(a, b), petit = std::min(a, b);
    for (const Taux& t : table_3sa)
        if (t.grand == grand && t.petit == petit) return t.taux;
    return -1.0f;
}

double pointshl(int h, float r) {
    if (h < points3sa_min || h > points3sa_max) return std::numeric_limits<double>::quiet_NaN();
    const int p = 25 - h;
    const float y0 = taux_3sa(h - 1, p), y1 = taux_3sa(h, p), y2 = taux_3sa(h + 1, p);
    const auto a = static_cast<float>(h - 1), b = static_cast<float>(h),
               c = static_cast<float>(h + 1);
    const float v = a * (r - y1) * (r - y2) / ((y0 - y1) * (y0 - y2)) +
                    b * (r - y0) * (r - y2) / ((y1 - y0) * (y1 - y2)) +
                    c * (r - y0) * (r - y1) / ((y2 - y0) * (y2 - y1));
    return v;
}

Contraintes ensemble_points3sa(const Contraintes& c, int seat) {
    Contraintes e;
    std::copy(c.cfixees, c.cfixees + 52, e.cfixees);
    e.eff();
    const int partenaire = (seat + 2) % 4;
    const int h = points(c.cfixees, seat);
    Condouv pts;  // the partner alone holds 25 - h high-card points, all suits
    pts.id_condition = 3;
    pts.joueur = partenaire;
    pts.params = {0, 0, 5, 25 - h, 25 - h};
    Condouv forme;  // two to four cards in every suit
    forme.id_condition = 4;
    forme.joueur = partenaire;
    forme.params = {2004, 2004, 2004, 2004};
    e.cocos = {pts, forme};
    return e;
}

double res_hl(const Contraintes& c, int seat, bool mort, BilanStat& bilan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    bilan = BilanStat{};
    if (seat < 0 || seat > 3) {
        bilan.statut = Statut::refuse;
        bilan.message = "Joueur hors limites";
        return nan;
    }
    if (cartes_fixees(c.cfixees, seat) != 13) {
        bilan.statut = Statut::refuse;
        bilan.message = std::string("Il faut fixer les 13 cartes de ") + nomjoueur[seat] +
                        " pour l'évaluer";
        return nan;
    }
    const int h = points(c.cfixees, seat);
    if (h < points3sa_min || h > points3sa_max) {
        bilan.statut = Statut::refuse;
        bilan.message = "Points3SA évalue les mains de " + std::to_string(points3sa_min) + " à " +
                        std::to_string(points3sa_max) + " points H ; " + nomjoueur[seat] +
                        " en a " + std::to_string(h);
        return nan;
    }
    // The partner is drawn with the points and shape above, whatever the
    // user fixed to it: cards that rule those out would spend the budget.
    const int p = (seat + 2) % 4;
    if (cartes_fixees(c.cfixees, p) > 0 && !partenaire_possible(c.cfixees, seat, h)) {
        bilan.statut = Statut::refuse;
        bilan.message = std::string(nomjoueur[p]) + ", partenaire de " + nomjoueur[seat] +
                        ", est simulé par l'évaluation avec " + std::to_string(25 - h) +
                        " points H et 2 à 4 cartes dans chaque couleur : ses cartes fixées ne le "
                        "permettent pas. Libérez les cartes de " + nomjoueur[p] + ".";
        return nan;
    }
    Contraintes e = ensemble_points3sa(c, seat);
    const int declarant = mort ? (seat + 2) % 4 : seat;
    const DonneesStat d(5, 4, (declarant + 1) % 4, 0);  // 3SA undoubled
    const int faits = statlevees(e, d, bilan);
    if (bilan.statut != Statut::ok || bilan.analysees <= 0) return nan;
    const auto taux =
        static_cast<float>(static_cast<double>(faits) / static_cast<double>(bilan.analysees));
    return pointshl(h, taux);
}

double res_hl(int seat, bool mort) { return res_hl(contr, seat, mort, bilan_stat); }
