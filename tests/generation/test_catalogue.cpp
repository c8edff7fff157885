#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <string>
#include <vector>

#include "catalogue.h"
#include "condouv.h"

namespace {

std::vector<int> codes(const std::vector<v_n>& l) {
    std::vector<int> c;
    for (const v_n& r : l) c.push_back(r.v);
    return c;
}

std::vector<std::string> bruts(const std::vector<v_n>& l) {
    std::vector<std::string> c;
    for (const v_n& r : l) c.push_back(r.nombrut);
    return c;
}

}  // namespace

TEST(Catalogue, FifteenKindsWithTheirNamesAndOneEntryPerParameter) {
    const std::vector<std::string> noms = {
        "ouvertures", "réponse", "intervention", "points", "forme",
        "distribution", "couleur plus longue", "comparaison couleurs", "teneur",
        "nb_cartes_couleur", "nb_cartes_niveau", "arrêts", "clés", "contrôles italiens",
        "Levées de jeu"};
    const std::vector<size_t> nparams = {3, 3, 2, 5, 4, 1, 2, 3, 3, 5, 3, 3, 2, 2, 3};
    ASSERT_EQ(conditions.size(), 15u);
    for (size_t i = 0; i < conditions.size(); ++i) {
        const Condition& c = conditions[i];
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(c.no, (int)i);
        EXPECT_EQ(c.nom, noms[i]);
        EXPECT_EQ(c.params.size(), nparams[i]);
        EXPECT_EQ(c.choix.size(), nparams[i]);
        EXPECT_EQ(c.l_browsers.size(), nparams[i]);
        EXPECT_EQ(c.xvsb.size(), nparams[i]);
        for (const auto& l : c.choix) {
            EXPECT_FALSE(l.empty());
            // A repeated code would hide its second label from nomchoix.
            const std::vector<int> cs = codes(l);
            EXPECT_EQ(std::set<int>(cs.begin(), cs.end()).size(), cs.size());
        }
    }
}

TEST(Catalogue, TitlesWidthsAndOffsetsOfEveryParameter) {
    struct P {
        const char* titre;
        int l, x;
    };
    const std::vector<std::vector<P>> attendu = {
        {{"système", 70, 50}, {"choix", 120, 150}, {"particularités", 150, 320}},
        {{"système", 80, 20}, {"ouverture", 80, 130}, {"réponse", 80, 240}},
        {{"par", 80, 100}, {"sur", 70, 300}},
        {{"joueurs", 70, 30}, {"nature", 100, 130}, {"couleur", 100, 250}, {"mini", 50, 380},
         {"maxi", 50, 450}},
        {{"piques", 70, 30}, {"cœurs", 70, 130}, {"carreaux", 70, 230}, {"trèfles", 70, 330}},
        {{"choix", 80, 30}},
        {{"couleur", 70, 30}, {"mode", 90, 130}},
        {{"couleur1", 70, 30}, {"couleur2", 70, 130}, {"signe", 40, 230}},
        {{"couleur", 80, 30}, {"teneur", 100, 140}, {"nb cartes", 70, 260}},
        {{"couleur", 70, 30}, {"plus petite", 100, 130}, {"plus grande", 100, 260},
         {"mini", 60, 390}, {"maxi", 60, 480}},
        {{"niveau", 60, 30}, {"mini", 60, 120}, {"maxi", 60, 210}},
        {{"couleur", 80, 30}, {"min", 50, 130}, {"max", 50, 210}},
        {{"couleur", 80, 30}, {"nombre", 120, 170}},
        {{"min", 50, 30}, {"max", 50, 110}},
        {{"couleur", 80, 30}, {"mini", 60, 130}, {"maxi", 60, 210}}};
    ASSERT_EQ(conditions.size(), attendu.size());
    for (size_t i = 0; i < attendu.size(); ++i) {
        ASSERT_EQ(conditions[i].params.size(), attendu[i].size());
        for (size_t k = 0; k < attendu[i].size(); ++k) {
            SCOPED_TRACE(conditions[i].nom + " / " + attendu[i][k].titre);
            EXPECT_EQ(conditions[i].params[k], attendu[i][k].titre);
            EXPECT_EQ(conditions[i].l_browsers[k], attendu[i][k].l);
            EXPECT_EQ(conditions[i].xvsb[k], attendu[i][k].x);
        }
    }
}

TEST(Catalogue, LengthCodes) {
    const std::vector<v_n> l = listefc();
    ASSERT_EQ(l.size(), 64u);
    EXPECT_EQ(codes({l.begin(), l.begin() + 5}), (std::vector<int>{99, 0, 1, 11, 21}));
    EXPECT_EQ(bruts({l.begin(), l.begin() + 5}),
              (std::vector<std::string>{"x", "0", "1", "1+", "1-"}));
    // The exact-length block ends with 9, 9+ and 9-.
    EXPECT_EQ(l[28].v, 29);
    EXPECT_EQ(l[28].nombrut, "9-");
    // Ranges a-b, then the either-or codes, shape families and m-(xxk).
    EXPECT_EQ(l[29].v, 1002);
    EXPECT_EQ(l[29].nombrut, "1-2");
    EXPECT_EQ(l[43].v, 5006);
    EXPECT_EQ(l[43].nombrut, "5-6");
    EXPECT_EQ(codes({l.begin() + 44, l.end()}),
              (std::vector<int>{103, 204, 205, 305, 6331, 6421, 5332, 5530, 4432, 4441, 4522,
                                3992, 3990, 3991, 4990, 4991, 5990, 5991, 6990, 6991}));
    EXPECT_EQ(bruts({l.begin() + 44, l.begin() + 56}),
              (std::vector<std::string>{"1 ou 3", "2 ou 4", "2 ou 5", "3 ou 5", "6-(331)",
                                        "6-(421)", "5-(332)", "5-(530)", "4-(432)", "4-(441)",
                                        "4-(522)", "3-(xx2)"}));
    EXPECT_EQ(l[62].nombrut, "6-(xx0)");
    EXPECT_EQ(l[63].nombrut, "6-(xx1)");
    for (const v_n& r : l) EXPECT_EQ(r.nom, r.nombrut);
}

TEST(Catalogue, KeyCardsHoldingsAndTricks) {
    const std::vector<v_n> cles = listecles();
    EXPECT_EQ(codes(cles), (std::vector<int>{0, 5, 1, 11, 21, 2, 12, 22, 3, 13, 23, 4, 14, 24, 30,
                                             41, 62, 72}));
    EXPECT_EQ(bruts(cles),
              (std::vector<std::string>{"0", "5", "1", "1+", "1-", "2", "2+", "2-", "3", "3+",
                                        "3-", "4", "4+", "4-", "0 ou 3", "1 ou 4",
                                        "2 sans la dame", "2 et la dame"}));

    const std::vector<v_n> t = teneurs();
    EXPECT_EQ(codes(t),
              (std::vector<int>{1, 3, 5, 37, 2, 6, 10, 18, 4, 12, 20, 36, 8, 24, 16, 32, 5000}));
    EXPECT_EQ(bruts(t), (std::vector<std::string>{
                            "As", "As-Roi", "As-Dame", "As-Dame-9", "Roi", "Roi-Dame",
                            "Roi-Valet", "Roi-10", "Dame", "Dame-Valet", "Dame-10", "Dame-9",
                            "Valet", "Valet-dix", "10", "9", "Contrôle"}));

    const std::vector<v_n> lj = listelj();
    ASSERT_EQ(lj.size(), 32u);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(lj[i].v, 50 + i);
    EXPECT_EQ(lj[0].nombrut, "5");
    EXPECT_EQ(lj[1].nombrut, "5.1");
    EXPECT_EQ(lj[9].nombrut, "5.9");
    EXPECT_EQ(lj[10].nombrut, "6");
    EXPECT_EQ(lj[18].nombrut, "6.8");
    EXPECT_EQ(lj[31].nombrut, "8.1");
}

TEST(Catalogue, NumberRankAndSuitLists) {
    EXPECT_EQ(jj(0, 12).size(), 13u);
    EXPECT_EQ(jj(0, 13).size(), 14u);
    EXPECT_TRUE(jj(3, 2).empty());
    EXPECT_TRUE(jjd(3, 2).empty());
    const std::vector<v_n> d = jjd(0, 36);
    ASSERT_EQ(d.size(), 37u);
    EXPECT_EQ(d.front().v, 36);
    EXPECT_EQ(d.front().nombrut, "36");
    EXPECT_EQ(d.back().v, 0);
    EXPECT_EQ(bruts(jj(8, 11)), (std::vector<std::string>{"8", "9", "10", "11"}));

    EXPECT_EQ(codes(lc()), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(bruts(lc()), (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "X",
                                                     "V", "D", "R", "A"}));
    EXPECT_EQ(codes(lcd()), (std::vector<int>{14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    EXPECT_EQ(bruts(lcd()), (std::vector<std::string>{"A", "R", "D", "V", "X", "9", "8", "7", "6",
                                                      "5", "4", "3", "2"}));
    EXPECT_EQ(bruts(couleurs()), (std::vector<std::string>{"pique", "cœur", "carreau", "trefle"}));
    EXPECT_EQ(codes(couleurs()), (std::vector<int>{0, 1, 2, 3}));
}

TEST(Catalogue, ListsOfTheKinds) {
    const std::vector<v_n>& ouv = conditions[0].choix[1];
    EXPECT_EQ(codes(ouv), (std::vector<int>{0, 10, 11, 12, 13, 14, 100, 200, 400, 20, 21, 22, 23,
                                            220, 222, 221, 24, 240, 30, 31, 32, 33, 34, 40, 41, 42,
                                            43}));
    EXPECT_EQ(codes(conditions[0].choix[2]), (std::vector<int>{0, 1214, 1819, 10, 20}));
    EXPECT_EQ(bruts(conditions[0].choix[2]),
              (std::vector<std::string>{" ", "12-14HL régulier", "18-19HL régulier",
                                        "sans majeure par 5", "Forcing manche"}));
    EXPECT_EQ(codes(conditions[1].choix[2]),
              (std::vector<int>{11, 12, 13, 14, 20, 21, 22, 23, 24, 30, 33, 34, 43}));
    EXPECT_EQ(codes(conditions[2].choix[0]),
              (std::vector<int>{0, 8, 10, 11, 12, 13, 14, 20, 21, 22, 24, 30}));
    EXPECT_EQ(codes(conditions[2].choix[1]), (std::vector<int>{10, 11, 12, 13, 14, 33}));
    EXPECT_EQ(codes(conditions[3].choix[2]), (std::vector<int>{5, 0, 1, 2, 3}));
    EXPECT_EQ(bruts(conditions[3].choix[2]),
              (std::vector<std::string>{" ", "Pique", "Cœur", "Carreau", "Trèfle"}));
    EXPECT_EQ(conditions[3].choix[3].size(), 37u);
    EXPECT_EQ(conditions[3].choix[4].front().v, 36);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(conditions[4].choix[k].size(), 64u);
    EXPECT_EQ(codes(conditions[5].choix[0]),
              (std::vector<int>{4333, 4432, 4441, 5332, 5422, 5431, 6322, 6331, 64001111, 1}));
    EXPECT_EQ(conditions[5].nombrutchoix(0, 64001111), "6+4+xx");
    EXPECT_EQ(conditions[5].nombrutchoix(0, 1), "irrégulier");
    EXPECT_EQ(bruts(conditions[6].choix[0]),
              (std::vector<std::string>{"pique", "cœur", "carreau", "trefle", "SA"}));
    EXPECT_EQ(bruts(conditions[7].choix[2]), (std::vector<std::string>{"<", "<=", "="}));
    EXPECT_EQ(conditions[8].choix[1].size(), 17u);
    EXPECT_EQ(conditions[8].choix[2].size(), 64u);
    EXPECT_EQ(conditions[9].choix[3].size(), 13u);
    EXPECT_EQ(conditions[9].choix[4].size(), 14u);
    EXPECT_EQ(codes(conditions[10].choix[2]), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(codes(conditions[11].choix[1]), (std::vector<int>{0, 50, 100, 150, 200}));
    EXPECT_EQ(bruts(conditions[11].choix[2]),
              (std::vector<std::string>{"+2", "2", "1,5", "1", "demi", "0"}));
    EXPECT_EQ(codes(conditions[11].choix[2]), (std::vector<int>{1000, 200, 150, 100, 50, 0}));
    EXPECT_EQ(conditions[12].nombrutchoix(0, 4), "SA");
    EXPECT_EQ(conditions[12].choix[1].size(), 18u);
    EXPECT_EQ(codes(conditions[13].choix[1]), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(conditions[14].nombrutchoix(0, 4), "toutes");
    EXPECT_EQ(conditions[14].choix[1].size(), 32u);
    EXPECT_EQ(conditions[14].choix[2].size(), 32u);
}

TEST(Catalogue, BidLabelsCarryTheColouredSuitInTheList) {
    const Condition& ouv = conditions[0];
    EXPECT_EQ(ouv.nombrutchoix(1, 12), "1 ♥");
    EXPECT_EQ(ouv.nomchoix(1, 12), "1\t@S16@C89♥");
    EXPECT_EQ(ouv.nomchoix(1, 10), "1\t@S16@C59♣");
    EXPECT_EQ(ouv.nomchoix(1, 21), "2\t@S16@C169♦");
    EXPECT_EQ(ouv.nomchoix(1, 43), "4\t@S16@C136♠");
    EXPECT_EQ(ouv.nombrutchoix(1, 43), "4 ♠");
    // The rows that keep a blank before the tab, and those that do not.
    EXPECT_EQ(ouv.nomchoix(1, 30), "3 \t@S16@C59♣");
    EXPECT_EQ(ouv.nomchoix(1, 40), "4 \t@S16@C59♣");
    EXPECT_EQ(ouv.nomchoix(1, 31), "3\t@S16@C169♦");
    EXPECT_EQ(ouv.nomchoix(1, 41), "4\t@S16@C169♦");
    EXPECT_EQ(conditions[1].nomchoix(2, 30), "3 \t@S16@C59♣");
    EXPECT_EQ(conditions[1].nomchoix(1, 10), "1\t@S16@C59♣");
    EXPECT_EQ(conditions[2].nomchoix(0, 30), "3\t@S16@C59♣");
    EXPECT_EQ(conditions[2].nombrutchoix(0, 30), "3 ♣");
    // The two conventional heart openings.
    EXPECT_EQ(ouv.nomchoix(1, 222), "2\t@S16@C89♥ \t@S14@0 Muiderberg");
    EXPECT_EQ(ouv.nombrutchoix(1, 222), "2 ♥ Muiderberg");
    EXPECT_EQ(ouv.nomchoix(1, 221), "2\t@S16@C89♥ \t@S14@0 Ekren");
    EXPECT_EQ(ouv.nombrutchoix(1, 221), "2 ♥ Ekren");
    // Notrump, grouped openings, pass and double show their plain label.
    for (int code : {0, 14, 100, 200, 400, 220, 24, 240, 34})
        EXPECT_EQ(ouv.nomchoix(1, code), ouv.nombrutchoix(1, code)) << code;
    EXPECT_EQ(conditions[2].nomchoix(0, 8), "contre");
}

TEST(Catalogue, EverySuitBidRowOfTheBiddingKindsFollowsOneRule) {
    // For a plain label "level blank symbol", the list shows the level, an
    // optional blank (only the three rows tested above), a tab and the
    // symbol in its size and colour.
    const char* sym[4] = {"♣", "♦", "♥", "♠"};
    const char* coul[4] = {"59", "169", "89", "136"};
    int avec_blanc = 0, lignes = 0;
    // The bid parameters: "choix" of kind 0, "ouverture" and "réponse" of
    // kind 1, both of kind 2 (the others hold system and option codes).
    const std::vector<std::pair<int, int>> params = {{0, 1}, {1, 1}, {1, 2}, {2, 0}, {2, 1}};
    for (const auto& [kind, k] : params)
        for (const v_n& r : conditions[kind].choix[k]) {
            if (r.v < 10 || r.v > 43 || r.v % 10 > 3) continue;
            const int niveau = r.v / 10, d = r.v % 10;
            const std::string n = std::to_string(niveau);
            EXPECT_EQ(r.nombrut, n + " " + sym[d]);
            const std::string fin = std::string("\t@S16@C") + coul[d] + sym[d];
            if (r.nom == n + " " + fin)
                ++avec_blanc;
            else
                EXPECT_EQ(r.nom, n + fin) << kind << " " << r.v;
            ++lignes;
        }
    EXPECT_EQ(avec_blanc, 3);
    EXPECT_EQ(lignes, 43);
}

TEST(Catalogue, LabelsAreLookedUpPerKindAndParameter) {
    EXPECT_EQ(conditions[0].nombrutchoix(1, 34), "3SA");
    EXPECT_EQ(conditions[1].nombrutchoix(2, 34), "3 SA");
    EXPECT_EQ(conditions[3].nombrutchoix(2, 1), "Cœur");
    EXPECT_EQ(conditions[6].nombrutchoix(0, 1), "cœur");
    // Same code, different parameters of one kind.
    EXPECT_EQ(conditions[11].nombrutchoix(1, 50), "demi");
    EXPECT_EQ(conditions[8].nombrutchoix(1, 37), "As-Dame-9");
    EXPECT_EQ(conditions[8].nombrutchoix(2, 4522), "4-(522)");
    // Absent code, absent parameter: nothing.
    EXPECT_EQ(conditions[0].nombrutchoix(1, 15), "");
    EXPECT_EQ(conditions[0].nomchoix(1, 15), "");
    EXPECT_EQ(conditions[0].nombrutchoix(3, 0), "");
    EXPECT_EQ(conditions[0].nombrutchoix(-1, 0), "");
    EXPECT_EQ(Condition().nombrutchoix(0, 0), "");
}
