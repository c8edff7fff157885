#include <gtest/gtest.h>

#include "score.h"

namespace {

// Standard duplicate cycle, boards 1..16: who is vulnerable.
enum Vul { Personne, NS, EO, Tous };
const Vul cycle[17] = {Personne, Personne, NS, EO, Tous, NS, EO, Tous, Personne,
                       EO,       Tous,     Personne, NS, Tous, Personne, NS, EO};

// A double-dummy table where nobody reaches 7 tricks, to be raised entry by entry.
struct Table {
    int t[5][4];
    Table() {
        for (auto& l : t)
            for (int& x : l) x = 6;
    }
};

enum { P = 0, C = 1, K = 2, T = 3, SA = 4 };
enum { Nord = 0, Est = 1, Sud = 2, Ouest = 3 };

}  // namespace

TEST(Donne, VulnerabiliteDuCycle) {
    for (int b = 1; b <= 16; ++b) {
        const bool ns = cycle[b] == NS || cycle[b] == Tous;
        const bool eo = cycle[b] == EO || cycle[b] == Tous;
        EXPECT_EQ(vul(0, b), ns) << b;
        EXPECT_EQ(vul(2, b), ns) << b;
        EXPECT_EQ(vul(1, b), eo) << b;
        EXPECT_EQ(vul(3, b), eo) << b;
        for (int s = 0; s < 4; ++s) EXPECT_EQ(vul(s, b + 16), vul(s, b)) << b;
    }
    EXPECT_FALSE(vul(0, 16));
    EXPECT_TRUE(vul(1, 16));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(vul(s, 0), vul(s, 16));
        EXPECT_FALSE(vul(s, 1));
        EXPECT_TRUE(vul(s, 4));
        // A fixed dealer only (numbers -1 .. -4): no side is vulnerable,
        // although -4 would fall on board 12 of the cycle.
        for (int b = -4; b <= -1; ++b) EXPECT_FALSE(vul(s, b)) << b;
    }
}

TEST(Donne, DonneurEtPosition) {
    for (int b = 1; b <= 16; ++b) {
        const int dealer = (b - 1) % 4;
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(donneur(s, b), s == dealer) << b << " " << s;
            // Counting clockwise from the dealer.
            int pos = 1;
            for (int x = dealer; x != s; x = (x + 1) % 4) ++pos;
            EXPECT_EQ(position(s, b), pos) << b << " " << s;
        }
    }
    EXPECT_TRUE(donneur(3, 8));
    EXPECT_EQ(position(0, 1), 1);
    EXPECT_EQ(position(2, 1), 3);
    EXPECT_EQ(position(3, 1), 4);
    EXPECT_EQ(position(1, 2), 1);
    EXPECT_EQ(position(0, 2), 4);
    // Board 0 is board 16 (West deals) and stays in range.
    EXPECT_EQ(position(3, 0), 1);
    EXPECT_TRUE(donneur(3, 0));
    EXPECT_EQ(position(0, -7), position(0, 9));
}

TEST(Score, LeveesEtCodes) {
    EXPECT_EQ(score_levee(0), 30);
    EXPECT_EQ(score_levee(1), 30);
    EXPECT_EQ(score_levee(2), 20);
    EXPECT_EQ(score_levee(3), 20);
    EXPECT_EQ(score_levee(4), 30);
    EXPECT_EQ(contrat(6, 0), 0);
    EXPECT_EQ(contrat(10, 0), 43);
    EXPECT_EQ(contrat(7, 4), 14);
    EXPECT_EQ(contrat(13, 3), 70);
    EXPECT_EQ(contrat(9, 1), 32);
}

TEST(Score, ContratsReussis) {
    EXPECT_EQ(fscore(11, 4, 0, false, 0), 450);   // 120 + 300 + 30
    EXPECT_EQ(fscore(7, 1, 3, false, 1), 140);    // 40 + 50 + 50
    EXPECT_EQ(fscore(13, 7, 4, true, 0), 2220);   // 220 + 2000
    EXPECT_EQ(fscore(7, 1, 2, false, 0), 70);     // 20 + 50
    EXPECT_EQ(fscore(8, 2, 1, false, 1), 470);    // 120 makes game: 120 + 300 + 50
    EXPECT_EQ(fscore(12, 6, 0, true, 0), 1430);   // 180 + 1250
    EXPECT_EQ(fscore(13, 7, 3, false, 0), 1440);  // 140 + 1300
    EXPECT_EQ(fscore(7, 1, 3, false, 2), 230);    // 80 + 50 + 100
    EXPECT_EQ(fscore(11, 4, 0, true, 1), 990);    // 240 + 500 + 50 + 200
    EXPECT_EQ(fscore(11, 4, 0, false, 2), 1080);  // 480 + 300 + 100 + 200
    EXPECT_EQ(fscore(13, 3, 2, false, 0), 190);   // 60 + 50 + 4 × 20
    EXPECT_EQ(fscore(10, 3, 4, false, 0), 430);   // 100 + 300 + 30
    EXPECT_EQ(score(3, 4, false, 0), 400);
    EXPECT_EQ(score(5, 3, true, 0), 600);

    // From a contract code in bidding order.
    EXPECT_EQ(score(43, false, 0), 420);
    EXPECT_EQ(score(34, false, 0), 400);
    EXPECT_EQ(score(10, false, 0), 70);
    EXPECT_EQ(score(32, true, 0), 140);
    EXPECT_EQ(score(21, false, 1), 180);          // 2♦ doubled: 80 + 50 + 50
    EXPECT_EQ(score(45, false, 0), 430);          // a last digit above 4 counts as sans-atout
}

TEST(Score, Penalites) {
    const int contre_nv[7] = {0, 100, 300, 500, 800, 1100, 1400};
    const int contre_v[7] = {0, 200, 500, 800, 1100, 1400, 1700};
    for (int d = 1; d <= 6; ++d) {
        EXPECT_EQ(penalite(d, false, 0), 50 * d);
        EXPECT_EQ(penalite(d, true, 0), 100 * d);
        EXPECT_EQ(penalite(d, false, 1), contre_nv[d]);
        EXPECT_EQ(penalite(d, true, 1), contre_v[d]);
        EXPECT_EQ(penalite(d, false, 2), 2 * contre_nv[d]);
        EXPECT_EQ(penalite(d, true, 2), 2 * contre_v[d]);
    }
    EXPECT_EQ(penalite(13, false, 1), 3500);  // 500 + 10 × 300
    EXPECT_EQ(penalite(0, true, 1), 0);
    EXPECT_EQ(fscore(7, 3, 4, true, 1), -500);
    EXPECT_EQ(fscore(6, 1, 0, false, 2), -200);
    EXPECT_EQ(fscore(0, 7, 4, true, 0), -1300);
}

TEST(Score, Esperance) {
    std::vector<double> p(14, 0.0);
    p[10] = 1.0;
    EXPECT_DOUBLE_EQ(esperance(p, 4, 0, false, 0), fscore(10, 4, 0, false, 0));
    p[10] = 0.5;
    p[9] = 0.5;
    EXPECT_DOUBLE_EQ(esperance(p, 4, 0, false, 0), 0.5 * 420 - 0.5 * 50);
    p.assign(14, 0.0);
    p[13] = 0.25;
    p[11] = 0.75;
    EXPECT_DOUBLE_EQ(esperance(p, 6, 1, true, 1), 0.25 * (2 * 180 + 1250 + 50 + 200) - 0.75 * 200);
    // Entries past 13 are not tricks; a shorter vector only weighs what it holds.
    std::vector<double> long_(20, 0.0);
    long_[10] = 1.0;
    long_[15] = 1.0;
    EXPECT_DOUBLE_EQ(esperance(long_, 4, 0, false, 0), 420.0);
    std::vector<double> court(3, 0.0);
    court[2] = 1.0;
    EXPECT_DOUBLE_EQ(esperance(court, 1, 4, false, 0), -250.0);
}

TEST(Par, SansContrat) {
    Table t;
    structpar r;
    r.score = 99;
    r.joueur = 3;
    r.contrat = 7;
    EXPECT_EQ(par(t.t, 1, r), 1);
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.joueur, Nord);
    EXPECT_EQ(r.contrat, 0);
    structpar r2;
    par(t.t, 7, r2);  // both vulnerable changes nothing
    EXPECT_EQ(r2.score, 0);
    EXPECT_EQ(r2.contrat, 0);
}

TEST(Par, SacrificeRentable) {
    // North-South make 4♠, East-West 3♥, nobody vulnerable (board 1).
    Table t;
    t.t[P][Nord] = 10;
    t.t[C][Est] = 9;
    structpar r;
    par(t.t, 1, r);
    EXPECT_EQ(r.score, 300);
    EXPECT_EQ(r.joueur, Est);
    EXPECT_EQ(r.contrat, 57);
}

TEST(Par, SacrificeTropCher) {
    // Same deal with East-West vulnerable (board 3): 5♥ doubled would cost 500.
    Table t;
    t.t[P][Nord] = 10;
    t.t[C][Est] = 9;
    structpar r;
    par(t.t, 3, r);
    EXPECT_EQ(r.score, 420);
    EXPECT_EQ(r.joueur, Nord);
    EXPECT_EQ(r.contrat, 43);
}

TEST(Par, ParEstOuestVuDeNordSud) {
    // The mirror: East-West make 4♠, North-South sacrifice in 5♥ doubled for 300.
    Table t;
    t.t[P][Est] = 10;
    t.t[C][Nord] = 9;
    structpar r;
    par(t.t, 1, r);
    EXPECT_EQ(r.score, -300);
    EXPECT_EQ(r.joueur, Nord);
    EXPECT_EQ(r.contrat, 57);

    // With North-South vulnerable (board 2) the sacrifice costs 500: East-West score 420.
    par(t.t, 2, r);
    EXPECT_EQ(r.score, -420);
    EXPECT_EQ(r.joueur, Est);
    EXPECT_EQ(r.contrat, 43);
}

TEST(Par, ChelemSansSacrifice) {
    // 6♠ by North-South, East-West make nothing: seven clubs down seven cost 1700.
    Table t;
    t.t[P][Sud] = 12;
    t.t[P][Nord] = 12;
    structpar r;
    par(t.t, 1, r);
    EXPECT_EQ(r.score, 980);
    EXPECT_EQ(r.joueur, Nord);  // the first declarer found keeps the contract
    EXPECT_EQ(r.contrat, 63);
}

TEST(Par, DeuxiemeTestContreLeContratDeDepart) {
    // North-South: 3SA (400, best score) and 4♣ (130, highest code); East-West 2♠.
    // The first test against 4♣ fails (130 < 300); against 3SA, 4♠ doubled down 2
    // costs 300 < 400 and 130 < 300: East-West sacrifice.
    Table t;
    t.t[SA][Nord] = 9;
    t.t[T][Sud] = 10;
    t.t[P][Est] = 8;
    structpar r;
    par(t.t, 1, r);
    EXPECT_EQ(r.score, 300);
    EXPECT_EQ(r.joueur, Est);
    EXPECT_EQ(r.contrat, 48);
}

TEST(Par, DeuxiemeTestGardeLeContratLePlusHaut) {
    // North-South: 4♥ by North (420) and 5♣ by South (400); East-West vulnerable
    // make 3♠. First test: 5♠ doubled down 2 costs 500 > 400. Second test:
    // 4♠ doubled down 1 costs 200 < 420, and 400 ≥ 200: the rule keeps 5♣.
    Table t;
    t.t[C][Nord] = 10;
    t.t[T][Sud] = 11;
    t.t[P][Est] = 9;
    structpar r;
    par(t.t, 3, r);
    EXPECT_EQ(r.score, 400);
    EXPECT_EQ(r.joueur, Sud);
    EXPECT_EQ(r.contrat, 50);
}
