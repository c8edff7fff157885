// The solver layer with the real solver: answers on a deal worked out by
// hand, every kind of bad deal refused before the solver sees it (some of
// them would crash it or be accepted by it), thread indexes, and several
// threads solving at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "aides.h"
#include "solveur.h"

namespace {

constexpr unsigned pleine = 0x7FFC;

// Nord all the spades, Est the hearts, Sud the diamonds, Ouest the clubs.
void une_couleur_chacun(unsigned m[4][4]) {
    for (int j = 0; j < 4; ++j)
        for (int c = 0; c < 4; ++c) m[j][c] = j == c ? pleine : 0;
}

PositionDds position_une_couleur(int trump, int first) {
    PositionDds p;
    une_couleur_chacun(p.remainCards);
    p.trump = trump;
    p.first = first;
    return p;
}

void donne_au_hasard(std::mt19937& gen, unsigned m[4][4]) {
    std::array<int, 52> paquet;
    std::iota(paquet.begin(), paquet.end(), 0);
    std::shuffle(paquet.begin(), paquet.end(), gen);
    for (int j = 0; j < 4; ++j)
        for (int c = 0; c < 4; ++c) m[j][c] = 0;
    for (int i = 0; i < 52; ++i) m[i / 13][paquet[i] / 13] |= 1u << (2 + paquet[i] % 13);
}

bool memes_cartes(const ReponseDds& a, const ReponseDds& b) {
    if (a.cards != b.cards) return false;
    for (int k = 0; k < a.cards; ++k)
        if (a.suit[k] != b.suit[k] || a.rank[k] != b.rank[k] || a.equals[k] != b.equals[k] ||
            a.score[k] != b.score[k])
            return false;
    return true;
}

}  // namespace

TEST(Solveur, ThreadsDemandesBornesEtAccordes) {
    EXPECT_EQ(init_solveur(0), 1);
    EXPECT_EQ(threads_solveur(), 1);
    EXPECT_EQ(init_solveur(-5), 1);
    const int n = init_solveur(2);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 2);
    EXPECT_EQ(threads_solveur(), n);
    EXPECT_EQ(threads_equipe(0), 1);
    EXPECT_EQ(threads_equipe(1), 1);
    EXPECT_EQ(threads_equipe(50), n);
    // The solver grants no more threads than the machine has cores.
    const int beaucoup = init_solveur(100000);
    EXPECT_GE(beaucoup, 1);
    EXPECT_LT(beaucoup, 100000);
    EXPECT_EQ(threads_solveur(), beaucoup);
}

TEST(Solveur, TableDUneCouleurParJoueur) {
    init_solveur(2);
    unsigned m[4][4];
    une_couleur_chacun(m);
    TableDds t;
    const EtatSolveur e = calcule_table(m, t);
    ASSERT_TRUE(e.ok) << texte_erreur(e);
    EXPECT_EQ(e.code, 1);
    // With a suit as trump the side holding it ruffs every trick; in
    // sans-atout the defender on lead runs his own suit.
    const int attendu[5][4] = {{13, 0, 13, 0}, {0, 13, 0, 13}, {13, 0, 13, 0}, {0, 13, 0, 13},
                               {0, 0, 0, 0}};
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(t.res[s][j], attendu[s][j]) << s << " " << j;
}

TEST(Solveur, PositionDUneCouleurParJoueur) {
    init_solveur(1);
    ReponseDds r;
    // Sans-atout, Ouest on lead: every club is equal to the ace, all 13 tricks.
    EtatSolveur e = resout_position(position_une_couleur(4, 3), -1, 3, 1, r, 0);
    ASSERT_TRUE(e.ok) << texte_erreur(e);
    ASSERT_EQ(r.cards, 1);
    EXPECT_EQ(r.suit[0], 3);
    EXPECT_EQ(r.rank[0], 14);
    EXPECT_EQ(r.score[0], 13);
    EXPECT_EQ(r.equals[0], pleine & ~(1u << 14));
    // Spades trumps: Nord ruffs everything.
    e = resout_position(position_une_couleur(0, 3), -1, 3, 1, r, 0);
    ASSERT_TRUE(e.ok) << texte_erreur(e);
    ASSERT_EQ(r.cards, 1);
    EXPECT_EQ(r.score[0], 0);
}

TEST(Solveur, DonnesRefuseesAvantLeSolveurPourUneTable) {
    init_solveur(2);
    unsigned m[4][4];
    TableDds t;
    auto refuse = [&](int code) {
        for (auto& ligne : t.res)
            for (int& v : ligne) v = 99;
        const EtatSolveur e = calcule_table(m, t);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.code, code);
        EXPECT_FALSE(e.message.empty());
        // Nothing to show after a failure.
        for (auto& ligne : t.res)
            for (int v : ligne) EXPECT_EQ(v, 0);
    };

    // A bit above the ace: the solver itself crashes on this one.
    une_couleur_chacun(m);
    m[0][0] |= 1u << 15;
    refuse(refus_rang);
    // Bits 0 and 1 are no rank either (the solver takes them silently).
    une_couleur_chacun(m);
    m[2][1] |= 1u;
    refuse(refus_rang);
    // The ace of hearts held by Est and by Nord.
    une_couleur_chacun(m);
    m[0][1] = 1u << 14;
    m[0][0] &= ~(1u << 2);
    refuse(refus_doublon);
    // Nord 12 cards, the others 13 (the solver answers as if all were well).
    une_couleur_chacun(m);
    m[0][0] &= ~(1u << 2);
    refuse(refus_longueurs);
    EXPECT_EQ(verifie_table(m).message, "Toutes les mains doivent avoir le même nombre de cartes");
    // No card at all: the solver crashes on it.
    for (auto& main : m)
        for (unsigned& c : main) c = 0;
    refuse(refus_incomplete);
    // An ending of three cards each: the solver would count Est's tricks in
    // sans-atout as 10 instead of 0.
    for (int j = 0; j < 4; ++j) m[j][j] = (1u << 14) | (1u << 13) | (1u << 12);
    refuse(refus_incomplete);
}

TEST(Solveur, PositionsRefuseesAvantLeSolveur) {
    init_solveur(1);
    ReponseDds r;
    auto refuse = [&](const PositionDds& p, int code) {
        r.cards = 7;
        r.score[0] = 5;
        const EtatSolveur e = resout_position(p, -1, 3, 1, r, 0);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.code, code) << e.message;
        EXPECT_FALSE(e.message.empty());
        EXPECT_EQ(r.cards, 0);
        EXPECT_EQ(r.score[0], 0);
    };

    PositionDds p = position_une_couleur(4, 3);
    p.remainCards[1][2] |= 1u << 15;
    refuse(p, refus_rang);

    p = position_une_couleur(4, 3);
    p.remainCards[1][3] = 1u << 5;  // Est holds Ouest's five of clubs too
    p.remainCards[1][1] &= ~(1u << 2);
    refuse(p, refus_doublon);

    // Ouest has led the club ace but still holds it: the solver accepts this.
    p = position_une_couleur(4, 3);
    p.currentTrickSuit[0] = 3;
    p.currentTrickRank[0] = 14;
    p.remainCards[3][3] &= ~(1u << 2);
    refuse(p, refus_jouee_tenue);

    // The same card twice in the trick.
    p = position_une_couleur(4, 3);
    p.remainCards[3][3] &= ~(1u << 14);
    p.remainCards[0][0] &= ~(1u << 2);
    p.currentTrickSuit[0] = 3;
    p.currentTrickRank[0] = 14;
    p.currentTrickSuit[1] = 3;
    p.currentTrickRank[1] = 14;
    refuse(p, refus_doublon);

    // A rank 15 in the trick, then a card after an empty place.
    p = position_une_couleur(4, 3);
    p.remainCards[3][3] &= ~(1u << 14);
    p.currentTrickSuit[0] = 3;
    p.currentTrickRank[0] = 15;
    refuse(p, refus_levee);
    p.currentTrickRank[0] = 0;
    p.currentTrickRank[1] = 14;
    refuse(p, refus_levee);
    p.currentTrickRank[1] = 0;
    p.currentTrickRank[0] = 14;
    p.currentTrickSuit[0] = 4;
    refuse(p, refus_levee);

    // Lengths: one card short with nothing played; then the leader having
    // played while another hand is the one short.
    p = position_une_couleur(4, 3);
    p.remainCards[2][2] &= ~(1u << 2);
    refuse(p, refus_longueurs);
    p = position_une_couleur(4, 3);
    p.remainCards[3][3] &= ~(1u << 14);
    p.remainCards[0][0] &= ~(1u << 14);
    p.currentTrickSuit[0] = 3;
    p.currentTrickRank[0] = 14;
    refuse(p, refus_longueurs);

    p = position_une_couleur(5, 3);
    refuse(p, refus_atout_premier);
    p = position_une_couleur(4, -1);
    refuse(p, refus_atout_premier);
}

TEST(Solveur, LeveeEnCoursAcceptee) {
    init_solveur(1);
    // Ouest has led the club ace; Nord to play: he keeps 13 spades, the
    // others 12 cards. Sans-atout: Ouest's clubs take everything left.
    PositionDds p = position_une_couleur(4, 3);
    p.remainCards[3][3] &= ~(1u << 14);
    p.currentTrickSuit[0] = 3;
    p.currentTrickRank[0] = 14;
    ASSERT_TRUE(verifie_position(p).ok);
    ReponseDds r;
    const EtatSolveur e = resout_position(p, -1, 3, 1, r, 0);
    ASSERT_TRUE(e.ok) << texte_erreur(e);
    ASSERT_EQ(r.cards, 1);
    EXPECT_EQ(r.suit[0], 0);
    // The trick in progress counts among the tricks left: Nord's side takes none.
    EXPECT_EQ(r.score[0], 0);
}

class SolveurDansRepertoire : public DansRepertoireTemp {};

TEST_F(SolveurDansRepertoire, CodesDuSolveurSansFichierLaisse) {
    init_solveur(1);
    ReponseDds r;
    // Parameters the solver checks itself come back with its code and text.
    EtatSolveur e = resout_position(position_une_couleur(4, 3), 14, 3, 1, r, 0);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.code, -7);
    EXPECT_EQ(e.message, "Target is higher than 13");
    e = resout_position(position_une_couleur(4, 3), -1, 3, 3, r, 0);
    EXPECT_EQ(e.code, -17);
    EXPECT_EQ(e.message, "Mode parameter is higher than 2");
    EXPECT_EQ(texte_erreur(e), "Erreur du solveur, code -17 : Mode parameter is higher than 2");
    // No card left: not a score.
    PositionDds vide;
    e = resout_position(vide, -1, 3, 1, r, 0);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.code, -2);
    EXPECT_EQ(e.message, "Zero cards");
    // One card each: one trick left, a target of 2 is out of reach.
    PositionDds fin;
    for (int j = 0; j < 4; ++j) fin.remainCards[j][j] = 1u << 14;
    e = resout_position(fin, 2, 3, 1, r, 0);
    EXPECT_EQ(e.code, -3);
    EXPECT_EQ(e.message, "Target exceeds number of tricks");
    e = resout_position(fin, 1, 3, 1, r, 0);
    EXPECT_TRUE(e.ok) << texte_erreur(e);
    // The solver leaves a "dump.txt" behind each error it returns.
    EXPECT_FALSE(std::filesystem::exists("dump.txt"));
}

TEST(Solveur, IndexDeThreadHorsLimites) {
    const int n = init_solveur(2);
    ReponseDds r;
    EtatSolveur e = resout_position(position_une_couleur(4, 3), -1, 3, 1, r, n);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.code, refus_thread);
    e = resout_position(position_une_couleur(4, 3), -1, 3, 1, r, -1);
    EXPECT_EQ(e.code, refus_thread);
    e = resout_position(position_une_couleur(4, 3), -1, 3, 1, r, n - 1);
    EXPECT_TRUE(e.ok) << texte_erreur(e);
    // After a smaller grant the old indexes are refused.
    init_solveur(1);
    if (n > 1) {
        e = resout_position(position_une_couleur(4, 3), -1, 3, 1, r, 1);
        EXPECT_EQ(e.code, refus_thread);
    }
}

TEST(Solveur, PlusieursThreadsDonnentLesMemesReponsesQuUn) {
    std::mt19937 gen(20240611);
    constexpr int nb = 12;
    std::vector<PositionDds> positions(nb);
    for (int i = 0; i < nb; ++i) {
        donne_au_hasard(gen, positions[i].remainCards);
        positions[i].trump = i % 5;
        positions[i].first = i % 4;
    }
    init_solveur(1);
    std::vector<ReponseDds> seul(nb);
    for (int i = 0; i < nb; ++i) {
        const EtatSolveur e = resout_position(positions[i], -1, 3, 1, seul[i], 0);
        ASSERT_TRUE(e.ok) << texte_erreur(e);
        ASSERT_GT(seul[i].cards, 0);
    }
    unsigned t1[4][4];
    std::memcpy(t1, positions[0].remainCards, sizeof t1);
    TableDds table_seule;
    ASSERT_TRUE(calcule_table(t1, table_seule).ok);

    const int t = init_solveur(4);
    ASSERT_GE(t, 1);
    std::vector<ReponseDds> ensemble(nb);
    std::vector<int> codes(nb, 0);
    std::vector<TableDds> tables(t);
    std::vector<int> codes_tables(t, 0);
    std::vector<std::thread> equipe;
    for (int th = 0; th < t; ++th)
        equipe.emplace_back([&, th] {
            for (int i = th; i < nb; i += t)
                codes[i] = resout_position(positions[i], -1, 3, 1, ensemble[i], th).code;
            // Tables asked meanwhile wait for their turn.
            codes_tables[th] = calcule_table(t1, tables[th]).code;
        });
    for (auto& th : equipe) th.join();
    for (int i = 0; i < nb; ++i) {
        EXPECT_EQ(codes[i], 1);
        EXPECT_TRUE(memes_cartes(seul[i], ensemble[i])) << "position " << i;
    }
    for (int th = 0; th < t; ++th) {
        EXPECT_EQ(codes_tables[th], 1);
        EXPECT_EQ(std::memcmp(tables[th].res, table_seule.res, sizeof table_seule.res), 0);
    }
}

namespace {

// The deal with each hand passed to the next seat: Nord's cards to Est, and so on.
DonneDds tournee(const DonneDds& d) {
    DonneDds r;
    for (int j = 0; j < 4; ++j)
        for (int c = 0; c < 4; ++c) r.mains[(j + 1) % 4][c] = d.mains[j][c];
    return r;
}

}  // namespace

TEST(Solveur, TablesEnLotDansLOrdreDesDonnesRefusParDonne) {
    init_solveur(4);
    EXPECT_TRUE(calcule_tables({}).empty());
    // More deals than one call of the solver takes, in runs of four where
    // each deal is the one before turned by a seat, so that a table out of
    // place shows; refused deals among them, one at the end.
    std::mt19937 gen(77);
    std::vector<DonneDds> lot(tables_par_appel + 4);
    for (std::size_t i = 0; i < lot.size(); ++i) {
        if (i % 4 == 0)
            donne_au_hasard(gen, lot[i].mains);
        else
            lot[i] = tournee(lot[i - 1]);
    }
    std::vector<int> code(lot.size(), solveur_ok);
    lot[3].mains[1][2] |= 1u << 15;
    code[3] = refus_rang;
    lot[tables_par_appel].mains[0][0] |= 1u << 14;
    lot[tables_par_appel].mains[1][0] |= 1u << 14;
    code[tables_par_appel] = refus_doublon;
    lot.back() = DonneDds{};
    code.back() = refus_incomplete;

    const std::vector<TableCalculee> r = calcule_tables(lot);
    ASSERT_EQ(r.size(), lot.size());
    for (std::size_t i = 0; i < lot.size(); ++i) {
        EXPECT_EQ(r[i].etat.code, code[i]) << i << " " << r[i].etat.message;
        EXPECT_EQ(r[i].etat.ok, code[i] == solveur_ok) << i;
        if (code[i] != solveur_ok) {
            for (auto& ligne : r[i].table.res)
                for (int v : ligne) EXPECT_EQ(v, 0) << i;
        } else if (i % 4 != 0 && code[i - 1] == solveur_ok) {
            // Turned by a seat: each declarer's tricks move with his hand.
            for (int s = 0; s < 5; ++s)
                for (int j = 0; j < 4; ++j)
                    EXPECT_EQ(r[i].table.res[s][(j + 1) % 4], r[i - 1].table.res[s][j]) << i;
        }
    }
    // The first and last solved deals as the one-deal form solves them.
    for (std::size_t i : {std::size_t{0}, lot.size() - 2}) {
        TableDds seule;
        ASSERT_TRUE(calcule_table(lot[i].mains, seule).ok);
        EXPECT_EQ(std::memcmp(seule.res, r[i].table.res, sizeof seule.res), 0) << i;
    }
}
