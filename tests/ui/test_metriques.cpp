// Layout metrics of the main window, worked out by hand for three screens.
#include <gtest/gtest.h>

#include "fenetre.h"

namespace {

struct Ecran {
    int largeur, hauteur;
    int waff, daff, maff, xddd, xgparams;
};

TEST(Metriques, FollowTheScreenSize) {
    const Ecran ecrans[] = {
        // 2·1920/3 = 1280: waff 1310, daff 1304/3 = 434, maff 428/3 = 142,
        // (1920 − 975)/2 = 472.
        {1920, 1080, 1310, 434, 142, 572, 925},
        // 2·1366/3 = 910: waff 940, daff 934/3 = 311, maff 305/3 = 101, 391/2 = 195.
        {1366, 768, 940, 311, 101, 295, 648},
        // Narrower than 975: −175/2 truncates to −87 (not −88).
        {800, 600, 563, 185, 59, 13, 366},
    };
    for (const Ecran& e : ecrans) {
        calcule_metriques(e.largeur, e.hauteur);
        EXPECT_EQ(xm, e.largeur);
        EXPECT_EQ(ym, e.hauteur);
        EXPECT_EQ(waff, e.waff) << e.largeur;
        EXPECT_EQ(daff, e.daff) << e.largeur;
        EXPECT_EQ(maff, e.maff) << e.largeur;
        EXPECT_EQ(xddd, e.xddd) << e.largeur;
        EXPECT_EQ(xgparams, e.xgparams) << e.largeur;
    }
}

}  // namespace

namespace {

// The constraint page's column grid: d = (width − 975) / 2, truncated.
TEST(Metriques, ConstraintPageColumns) {
    struct Cas {
        int largeur;
        int xbcocos, xnumcoco, xjcoco, xbcond, xbchoix, xbcontrats;
    };
    const Cas cas[] = {
        {1920, 572, 600, 635, 765, 572, 622},  // d = 472
        {1366, 295, 323, 358, 488, 295, 345},  // d = 195
        {800, 13, 41, 76, 206, 13, 63},        // d = −87
    };
    for (const Cas& c : cas) {
        calcule_metriques(c.largeur, 700);
        EXPECT_EQ(xbcocos, c.xbcocos) << c.largeur;
        EXPECT_EQ(xnumcoco, c.xnumcoco) << c.largeur;
        EXPECT_EQ(xjcoco, c.xjcoco) << c.largeur;
        EXPECT_EQ(xbcond, c.xbcond) << c.largeur;
        EXPECT_EQ(xbchoix, c.xbchoix) << c.largeur;
        EXPECT_EQ(xbcontrats, c.xbcontrats) << c.largeur;
    }
}

}  // namespace
