// What the shared widgets draw, checked without a display.
#include <gtest/gtest.h>

#include <string>

#include "textes_tableaux.h"

namespace {

TEST(TextesTableaux, CentreMarksDealerAndVulnerability) {
    // Board 1: Nord deals, nobody vulnerable. Board 2: Est deals, N-S
    // vulnerable. Board 4: Ouest deals, both vulnerable. Board 16: Ouest
    // deals, E-O vulnerable. Seats N, E, S, O.
    struct Cas {
        int b;
        const char* labels[4];
        bool vul[4];
    };
    const Cas cas[] = {
        {1, {"D", "E", "S", "O"}, {false, false, false, false}},
        {2, {"N", "D", "S", "O"}, {true, false, true, false}},
        {4, {"N", "E", "S", "D"}, {true, true, true, true}},
        {16, {"N", "E", "S", "D"}, {false, true, false, true}},
        {7, {"N", "E", "D", "O"}, {true, true, true, true}},
    };
    for (const Cas& c : cas) {
        const auto cases = cases_centre(c.b);
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(cases[j].label, c.labels[j]) << c.b << " " << j;
            EXPECT_EQ(cases[j].donneur, std::string(c.labels[j]) == "D") << c.b << " " << j;
            EXPECT_EQ(cases[j].couleur, c.vul[j] ? 88u : 63u) << c.b << " " << j;
        }
    }
    EXPECT_EQ(texte_numero(7), " 7 ");
    EXPECT_EQ(texte_numero(46), " 46 ");
}

TEST(TextesTableaux, ParLinePieces) {
    // 4 ♠ by Sud for 620.
    MorceauxPar m = morceaux_par(structpar{620, 2, 43});
    EXPECT_EQ(m.niveau, "4");
    EXPECT_EQ(m.symbole, "♠");
    EXPECT_TRUE(m.couleur_symbole);
    EXPECT_FALSE(m.contre);
    EXPECT_EQ(m.suite, " par sud 620");
    EXPECT_EQ(texte_par(structpar{620, 2, 43}), "Par: 4♠ par sud 620");

    // 3 ♠ doubled by Est, 500 to North-South.
    m = morceaux_par(structpar{500, 1, 38});
    EXPECT_EQ(m.niveau, "3");
    EXPECT_EQ(m.symbole, "♠");
    EXPECT_TRUE(m.contre);
    EXPECT_EQ(m.suite, " par est 500");

    // 3 SA by Ouest, 600 to East-West: "SA" in the foreground colour, not a suit.
    m = morceaux_par(structpar{-600, 3, 34});
    EXPECT_EQ(m.symbole, "SA");
    EXPECT_EQ(m.couleur, 0u);
    EXPECT_FALSE(m.couleur_symbole);
    EXPECT_FALSE(m.contre);
    EXPECT_EQ(m.suite, " par ouest -600");

    // 5 ♣ doubled, 5 ♦ and 2 ♥: the strain is the code modulo 5.
    EXPECT_EQ(texte_par(structpar{300, 0, 55}), "Par: 5♣X par nord 300");
    // Each suit of the par line has the colour of its symbol in the hands
    // (suit index 0 ♠ .. 3 ♣; strains in bidding order 0 ♣ .. 3 ♦).
    for (int strain = 0; strain < 4; ++strain)
        EXPECT_EQ(morceaux_par(structpar{110, 0, 20 + strain}).couleur,
                  couleur_symbole_main(3 - strain))
            << strain;
    // ♦ is the orange-red of the hands, not the palette's pink.
    EXPECT_EQ(morceaux_par(structpar{400, 0, 51}).couleur, 0xf0443300u);
}

TEST(TextesTableaux, ConditionLineMarkersAndSymbols) {
    const TexteSymboles t = texte_params("Couleur FPC ♥ FNC Points FPC 12");
    EXPECT_EQ(t.texte, std::string("Couleur  : ") + "   " + "     " + "Points  : 12 ");
    ASSERT_EQ(t.symboles.size(), 1u);
    EXPECT_EQ(t.symboles[0].symbole, "♥");
    EXPECT_EQ(t.symboles[0].couleur, 89u);
    EXPECT_EQ(t.symboles[0].avant, "Couleur  : ");

    // Runs of blanks give no empty word.
    EXPECT_EQ(texte_params("  a   b ").texte, "a b ");
}

TEST(TextesTableaux, SelectorButtonReplacesSymbolWordsOnly) {
    TexteSymboles t = texte_bouton_symb("♠");
    EXPECT_EQ(t.texte, "\u2001");
    ASSERT_EQ(t.symboles.size(), 1u);
    EXPECT_EQ(t.symboles[0].avant, "");
    EXPECT_EQ(t.symboles[0].couleur, 136u);

    // A digit joined to a symbol is not a symbol word.
    t = texte_bouton_symb("1♠");
    EXPECT_EQ(t.texte, "1♠ ");
    EXPECT_TRUE(t.symboles.empty());

    // Two symbols: both are drawn, each after the text that precedes it.
    t = texte_bouton_symb("♣ ou ♦");
    EXPECT_EQ(t.texte, "\u2001ou \u2001");
    ASSERT_EQ(t.symboles.size(), 2u);
    EXPECT_EQ(t.symboles[0].couleur, 59u);
    EXPECT_EQ(t.symboles[1].avant, "\u2001ou ");
    EXPECT_EQ(t.symboles[1].couleur, 169u);
}

TEST(TextesTableaux, CardsHandsAndTable) {
    // Index 0 is the ace of clubs, 51 the deuce of spades, 30 the ten of hearts (rank 14 - 4).
    TexteCarte c = texte_carte(0);
    EXPECT_EQ(c.t, "A ♣");
    // A card's suit has the colour of the symbol heading the hand rows.
    EXPECT_EQ(c.couleur, couleur_symbole_main(3));
    EXPECT_EQ(texte_carte(13).couleur, 0xf0443300u);  // ♦ orange-red, not pink
    c = texte_carte(51);
    EXPECT_EQ(c.rang, "2");
    EXPECT_EQ(c.symbole, "♠");
    EXPECT_EQ(c.couleur, couleur_symbole_main(0));
    EXPECT_EQ(texte_carte(30).t, "X ♥");
    EXPECT_EQ(texte_carte(52).t, "");
    EXPECT_EQ(texte_carte(-1).t, "");

    // Nord: A and 2 of spades, ten of diamonds, nothing else.
    std::string deal(52, 'V');
    deal[39] = 'N';
    deal[51] = 'N';
    deal[13 + 4] = 'N';
    deal[0] = 'S';
    const auto l = lignes_main(deal, 'N');
    EXPECT_EQ(l[0], "A2");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], "X");
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(lignes_main(deal, 'S')[3], "A");

    int res[5][4];
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) res[s][j] = 10 * s + j;
    int data[4][5];
    cases_tableau(res, data);
    EXPECT_EQ(data[0][0], 0);
    EXPECT_EQ(data[1][4], 41);  // Est in sans-atout
    EXPECT_EQ(data[3][2], 23);  // Ouest in diamonds
    EXPECT_STREQ(entetes_colonnes[4], "SA");
    EXPECT_STREQ(entetes_lignes[3], "O");
}

}  // namespace
