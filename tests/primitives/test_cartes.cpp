#include <gtest/gtest.h>

#include <cstring>

#include "cartes.h"
#include "outils.h"

using outils::donne;
using outils::indice;

TEST(Bits, BornesEtComptes) {
    EXPECT_TRUE(dans(5, 5, 5));
    EXPECT_FALSE(dans(4, 5, 3));
    EXPECT_FALSE(dans(6, 1, 5));
    EXPECT_TRUE(dans(-1, -3, 0));

    EXPECT_EQ(bitdans(1u << 3, 3), 1);
    EXPECT_EQ(bitdans(1u << 3, 35), 1);  // n is taken modulo 32
    EXPECT_EQ(bitdans(1u << 3, 2), 0);
    EXPECT_EQ(bitdans(1u << 31, 31), 1);

    const unsigned m = outils::masque("ARX42");
    EXPECT_EQ(comptebit(m, 14, 2), 5);
    EXPECT_EQ(comptebit(m, 12, 13), 0);
    EXPECT_EQ(comptebit(m, 13, 10), 2);  // R and X
    EXPECT_EQ(comptebit(0xFFFFFFFFu, 30, 0), 31);
    EXPECT_EQ(comptebit(0xFFFFFFFFu, 31, 0), 32);

    EXPECT_EQ(maxbit(0x5000, 13), 13);
    EXPECT_EQ(maxbit(0x0010, 14), 4);
    EXPECT_EQ(maxbit(0x0010, 2), 2);
    EXPECT_EQ(maxbit(0, 14), -1);  // returns at once on an empty mask

    EXPECT_EQ(coulno(0), 3);
    EXPECT_EQ(coulno(51), 0);
    EXPECT_EQ(rang(0), 14);
    EXPECT_EQ(rang(12), 2);
    EXPECT_EQ(rang(39), 14);
}

TEST(Tri, QuatreEntiers) {
    int a[4] = {3, 1, 4, 1};
    tri(a);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 1);
    EXPECT_EQ(a[2], 3);
    EXPECT_EQ(a[3], 4);
}

TEST(Tri, ClesReellesStable) {
    std::vector<int> items = {10, 20, 30};
    std::vector<float> cles = {0.5f, 0.7f, 0.5f};
    tri(items, cles);
    EXPECT_EQ(items, (std::vector<int>{20, 10, 30}));
    EXPECT_EQ(cles, (std::vector<float>{0.7f, 0.5f, 0.5f}));

    std::vector<int> un = {7};
    std::vector<float> k1 = {1.0f};
    tri(un, k1);
    EXPECT_EQ(un, std::vector<int>{7});
}

TEST(Tri, ClesEntieresComparéesExactement) {
    // 2^24 and 2^24 + 1 are the same single-precision float.
    std::vector<int> items = {1, 2, 3};
    std::vector<int> cles = {16777216, 16777217, -5};
    tri(items, cles);
    EXPECT_EQ(items, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(cles, (std::vector<int>{16777217, 16777216, -5}));
}

TEST(Tri, ClesPlusCourtesQueLesItems) {
    std::vector<int> items = {1, 2, 3, 4};
    std::vector<float> cles = {1.0f, 3.0f};
    tri(items, cles);
    EXPECT_EQ(items, (std::vector<int>{2, 1, 3, 4}));
}

TEST(Tri, Trifut) {
    int a[13] = {1, 5, 5, 2, 5, 0, 0, 0, 0, 0, 0, 0, 9};
    int b[13] = {0, 1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    int c[13] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    trifut(a, b, c);
    // 9 first; then the three 5s by b descending, the two (5,1) in their order.
    EXPECT_EQ(a[0], 9);
    EXPECT_EQ(c[0], 12);
    EXPECT_EQ(c[1], 2);
    EXPECT_EQ(c[2], 1);
    EXPECT_EQ(c[3], 4);
    EXPECT_EQ(c[4], 3);
    EXPECT_EQ(c[5], 0);
    for (int i = 6; i < 13; ++i) EXPECT_EQ(c[i], i - 1);  // the zeros keep their order
}

TEST(Conversions, AllerRetourRendLesEtrangersEnV) {
    std::string d = donne("AR.D.V.X", "2.-.-.A", "-.-.A.-", "-.A.-.-");
    d[20] = 'x';
    d[21] = '?';
    unsigned rc[4][4];
    listetoremain(d.data(), rc);
    EXPECT_EQ(rc[0][0], (1u << 14) | (1u << 13));
    EXPECT_EQ(rc[0][1], 1u << 12);
    EXPECT_EQ(rc[0][3], 1u << 10);
    EXPECT_EQ(rc[1][0], 1u << 2);
    EXPECT_EQ(rc[1][3], 1u << 14);
    EXPECT_EQ(rc[2][2], 1u << 14);
    EXPECT_EQ(rc[3][1], 1u << 14);
    std::string r(52, '#');
    remaintoliste(rc, r.data());
    std::string attendu = d;
    attendu[20] = 'V';
    attendu[21] = 'V';
    EXPECT_EQ(r, attendu);
}

TEST(Conversions, BitsHorsDesRangsNEcriventRien) {
    unsigned rc[4][4] = {};
    rc[0][0] = (1u << 0) | (1u << 1) | (1u << 15) | (1u << 31);
    rc[3][3] = 0xFFFF0003u;
    char tampon[64];
    std::memset(tampon, '#', sizeof tampon);
    remaintoliste(rc, tampon + 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(tampon[i], '#');
    for (int i = 4; i < 56; ++i) EXPECT_EQ(tampon[i], 'V') << i;
    for (int i = 56; i < 64; ++i) EXPECT_EQ(tampon[i], '#');

    EXPECT_EQ(maxlongs(rc), (std::vector<int>{0, 0, 0, 0}));
}

TEST(Conversions, CompleteDonneQuatriemeMain) {
    // North all spades, East all hearts, South all diamonds: West gets the clubs.
    std::string d = donne("ARDVX98765432.-.-.-", "-.ARDVX98765432.-.-", "-.-.ARDVX98765432.-");
    d[0] = 'z';  // a foreign character on a free card
    complete_donne(d.data());
    for (int i = 0; i < 13; ++i) EXPECT_EQ(d[i], 'O');
    for (int i = 13; i < 26; ++i) EXPECT_EQ(d[i], 'S');
    for (int i = 26; i < 39; ++i) EXPECT_EQ(d[i], 'E');
    for (int i = 39; i < 52; ++i) EXPECT_EQ(d[i], 'N');
}

TEST(Conversions, CompleteDonneDeuxMainsCourtes) {
    std::string d = donne("ARDVX98765432.-.-.-", "-.ARDVX98765432.-.-", "-.-.ARDVX9876543.-", "-.-.-.A");
    d[5] = '*';
    std::string attendu = d;
    attendu[5] = 'V';
    complete_donne(d.data());
    EXPECT_EQ(d, attendu);
}

TEST(Conversions, CompleteRcNeFaitPasDeMainDeQuatorze) {
    // North and East both claim the spade ace: filling West would give it 14 cards.
    unsigned rc[4][4] = {};
    rc[0][0] = couleur_pleine;
    rc[1][0] = 1u << 14;
    rc[1][1] = couleur_pleine & ~(1u << 2);
    rc[2][2] = couleur_pleine;
    rc[3][3] = outils::masque("ARDVX9876543");
    unsigned avant[4][4];
    std::memcpy(avant, rc, sizeof rc);
    complete_rc(rc);
    EXPECT_EQ(std::memcmp(avant, rc, sizeof rc), 0);
}

TEST(Conversions, CompleteRcMainCourteAuMilieu) {
    unsigned rc[4][4] = {};
    rc[0][0] = couleur_pleine;
    rc[1][1] = outils::masque("ARD");
    rc[2][2] = couleur_pleine;
    rc[3][3] = couleur_pleine;
    complete_rc(rc);
    EXPECT_EQ(rc[1][1], couleur_pleine);
    EXPECT_EQ(rc[1][0], 0u);
    EXPECT_EQ(maxlongs(rc), (std::vector<int>{13, 13, 13, 13}));
}

TEST(Conversions, MaxlongsEtNumeros) {
    const std::string d = donne("AR2.D.V.X", "-.-.ARD65.-");
    unsigned rc[4][4];
    listetoremain(d.data(), rc);
    EXPECT_EQ(maxlongs(rc), (std::vector<int>{3, 5, 0, 0}));
    EXPECT_EQ(numeros(d.data(), 'N'),
              (std::vector<int>{indice(3, 'X'), indice(2, 'V'), indice(1, 'D'), indice(0, 'A'), indice(0, 'R'),
                                indice(0, '2')}));
    EXPECT_TRUE(numeros(d.data(), 'O').empty());
    EXPECT_TRUE(numeros(d.data(), 'Z').empty());
}

TEST(Texte, BitsEtNoms) {
    EXPECT_EQ(bitstocartes(0), "");
    EXPECT_EQ(bitstocartes(couleur_pleine), "ARDVX98765432");
    EXPECT_EQ(bitstocartes((1u << 14) | (1u << 10) | (1u << 4)), "AX4");
    EXPECT_EQ(bitstocartes((1u << 14) | 0x3u | (1u << 15) | (1u << 31)), "A");
    EXPECT_EQ(enttonoms(outils::masque("RV3")), "RV3");

    EXPECT_EQ(nomstoent("A X 4"), (1u << 14) + (1u << 10) + (1u << 4));
    EXPECT_EQ(nomstoent(""), 0u);
    EXPECT_NE(nomstoent("a") & carte_invalide, 0u);
    EXPECT_NE(nomstoent("AA") & carte_invalide, 0u);
    EXPECT_NE(nomstoent("1") & carte_invalide, 0u);
    EXPECT_NE(nomstoent("0") & carte_invalide, 0u);
    EXPECT_NE(nomstoent(std::string("A\0", 2)) & carte_invalide, 0u);
    EXPECT_NE(nomstoent("♠") & carte_invalide, 0u);
    // The valid ranks are still there beside the mark.
    EXPECT_EQ(nomstoent("AZ") & couleur_pleine, 1u << 14);

    for (unsigned m = 0; m < 8192; ++m) EXPECT_EQ(nomstoent(bitstocartes(m << 2)), m << 2);
}

TEST(Texte, Cartes) {
    EXPECT_EQ(cartetochar(0), "AT");
    EXPECT_EQ(cartetochar(51), "2P");
    EXPECT_EQ(cartetochar(indice(1, 'X')), "XC");
    EXPECT_EQ(cartetochar(indice(2, 'V')), "VK");
    EXPECT_EQ(cartetochar(52), "");
    EXPECT_EQ(cartetochar(-1), "");

    EXPECT_EQ(aff_carte(39), " A\t@S16@C136♠");
    EXPECT_EQ(aff_carte(indice(3, 'D')), " D\t@S16@C59♣");
    EXPECT_EQ(aff_carte(99), "");

    const std::string d = donne("RX2.-.A.-", "AD.-.-.-");
    EXPECT_EQ(cartes_couleur(d.data(), 'N', 0), "RX2");
    EXPECT_EQ(cartes_couleur(d, 'N', 0), "RX2");
    EXPECT_EQ(cartes_couleur(d, 'E', 0), "AD");
    EXPECT_EQ(cartes_couleur(d, 'N', 1), "");
    EXPECT_EQ(cartes_couleur(d.data(), 'N', 2), "A");
    EXPECT_EQ(cartes_couleur(d, 'N', 7), "");
}

TEST(Texte, EnchereEtNombres) {
    EXPECT_EQ(enchere(44), "4SA");
    EXPECT_EQ(enchere(45), "4♠X");
    EXPECT_EQ(enchere(10), "1♠");
    EXPECT_EQ(enchere(73), "7♣");
    EXPECT_EQ(enchere(39), "3SAX");

    EXPECT_EQ(dstring(3.14159, 3), "3.14");
    EXPECT_EQ(dstring(2.5, 5), "2.5");
    EXPECT_EQ(dstring(1234567.0, 3), "1.23e+06");
    EXPECT_EQ(dstring(0.000123456, 2), "0.00012");
    EXPECT_EQ(dstring(42.0, 6), "42");
}

TEST(Candidates, EntameSequences) {
    const std::string d = donne("ARVX4.D.-.-");
    EXPECT_EQ(numeros_entame(d.data(), 'N'),
              (std::vector<int>{indice(1, 'D'), indice(0, 'A'), indice(0, 'V'), indice(0, '4')}));
}

TEST(Candidates, EntameAsDeTrefleEtBordDeBloc) {
    // The byte before the deal is the seat's letter: it is no card and must not drop the club ace.
    char tampon[53];
    tampon[0] = 'N';
    char* d = tampon + 1;
    std::memset(d, 'V', 52);
    d[indice(3, 'A')] = 'N';
    d[indice(3, '2')] = 'N';
    d[indice(2, 'A')] = 'N';  // follows the club deuce in index order, but in another suit
    EXPECT_EQ(numeros_entame(d, 'N'), (std::vector<int>{0, 12, 13}));
}

TEST(Candidates, UtilesCartesJouees) {
    std::string d = donne("RX3.-.-.-");
    for (char& c : d)
        if (c == 'V') c = 'E';
    d[indice(0, 'D')] = 'V';
    d[indice(0, 'V')] = 'V';
    EXPECT_EQ(numeros_utiles(d.data(), 'N'), (std::vector<int>{indice(0, 'R'), indice(0, '3')}));
    // With the queen still held by another seat, the ten stays.
    d[indice(0, 'D')] = 'E';
    EXPECT_EQ(numeros_utiles(d.data(), 'N'),
              (std::vector<int>{indice(0, 'R'), indice(0, 'X'), indice(0, '3')}));
    // Once the small spades between the ten and the three are played too, the three goes.
    for (char r : std::string("98765")) d[indice(0, r)] = 'V';
    d[indice(0, '4')] = 'V';
    EXPECT_EQ(numeros_utiles(d.data(), 'N'), (std::vector<int>{indice(0, 'R'), indice(0, 'X')}));
}

TEST(Candidates, UtilesCasLimites) {
    const std::string vide_ = std::string(52, 'V');
    EXPECT_TRUE(numeros_utiles(vide_.data(), 'N').empty());
    const std::string une = donne("-.-.-.5");
    EXPECT_EQ(numeros_utiles(une.data(), 'N'), std::vector<int>{indice(3, '5')});
    // Diamond deuce and heart ace touch in index order but not in one suit.
    const std::string bord = donne("-.A.2.-");
    EXPECT_EQ(numeros_utiles(bord.data(), 'N'), (std::vector<int>{indice(2, '2'), indice(1, 'A')}));
    // Touching cards held: only the highest remains.
    const std::string suite = donne("-.DVX.-.-");
    EXPECT_EQ(numeros_utiles(suite.data(), 'N'), std::vector<int>{indice(1, 'D')});
}

TEST(Candidates, Jouables) {
    // Every other card is held by East, so no two of North's cards are equal.
    std::string d = donne("R.A75.-.D");
    for (char& c : d)
        if (c == 'V') c = 'E';
    // Void in diamonds: every useful card.
    EXPECT_EQ(numeros_jouables(d.data(), 'N', 2), numeros_utiles(d.data(), 'N'));
    EXPECT_EQ(numeros_jouables(d.data(), 'N', 2).size(), 5u);
    // One spade: just that card.
    EXPECT_EQ(numeros_jouables(d.data(), 'N', 0), std::vector<int>{indice(0, 'R')});
    EXPECT_EQ(numeros_jouables(d.data(), 'N', 1),
              (std::vector<int>{indice(1, 'A'), indice(1, '7'), indice(1, '5')}));
}
