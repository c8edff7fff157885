// Overcalls after an opponent's opening. Every hand's measures were worked
// out by hand from the evaluation rules; an ASSERT on a measure guards the
// hand itself. Sud is the overcaller: not vulnerable on board 1, vulnerable
// on board 2.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "allocations.h"
#include "evaluation.h"
#include "interventions.h"
#include "jeux.h"
#include "score.h"

namespace {

constexpr int SUD = 2;
constexpr int NV = 1, V = 2;  // boards
constexpr int PIQ = 0, COE = 1, CAR = 2, TRE = 3;
constexpr int T1 = 10, K1 = 11, C1 = 12, P1 = 13, SA1 = 14, P3 = 33;  // openings
constexpr int PASSE = 0, CONTRE = 8;

Condouv inter(int par, int sur, int seat = SUD) {
    Condouv c;
    c.id_condition = 2;
    c.joueur = seat;
    c.params = {par, sur};
    return c;
}

bool I(const Jeu& j, int par, int sur, int board = NV) { return intervention(j.donne(), inter(par, sur), board); }

int dh(const Jeu& j) { return pointsDH(j.donne(), SUD); }
int hcp(const Jeu& j) { return points(j.donne(), SUD); }

std::vector<std::string> donnes_au_hasard(int n, unsigned graine) {
    std::mt19937 gen(graine);
    std::string d;
    for (int i = 0; i < 52; ++i) d += "NESO"[i % 4];
    std::vector<std::string> r;
    for (int k = 0; k < n; ++k) {
        std::shuffle(d.begin(), d.end(), gen);
        r.push_back(d);
    }
    return r;
}

// A page whose neighbours cannot be read: a deal copied to its first or last
// 52 bytes faults on any read before or after it.
class PageGardee {
public:
    PageGardee() : page_(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))) {
        void* p = mmap(nullptr, 3 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base_ = p == MAP_FAILED ? nullptr : static_cast<char*>(p);
        if (base_) {
            mprotect(base_, page_, PROT_NONE);
            mprotect(base_ + 2 * page_, page_, PROT_NONE);
        }
    }
    ~PageGardee() {
        if (base_) munmap(base_, 3 * page_);
    }
    bool ok() const { return base_ != nullptr; }
    const char* au_debut(const char* deal) { return copie(base_ + page_, deal); }
    const char* a_la_fin(const char* deal) { return copie(base_ + 2 * page_ - 52, deal); }

private:
    const char* copie(char* o, const char* deal) {
        std::memcpy(o, deal, 52);
        return o;
    }
    std::size_t page_;
    char* base_;
};

}  // namespace

TEST(Interventions, LesDonnesVuesDeSud) {
    ASSERT_FALSE(vul(SUD, NV));
    ASSERT_TRUE(vul(SUD, V));
}

TEST(Interventions, UneCouleurAuNiveauUn) {
    // Five spades to the ace and 6 HCP: the ace rule, not vulnerable only.
    const Jeu a6 = sud("A8765", "D32", "432", "32");
    ASSERT_EQ(hcp(a6), 6);
    ASSERT_EQ(dh(a6), 7);
    EXPECT_TRUE(cond_int1(a6.donne(), SUD, PIQ, false));
    EXPECT_FALSE(cond_int1(a6.donne(), SUD, PIQ, true));
    EXPECT_FALSE(cond_int1(sud("A8765", "V32", "432", "32").donne(), SUD, PIQ, false));  // 5 HCP
    // The ace and the nine: two of the top six.
    const Jeu a9 = sud("A9765", "432", "432", "32");
    EXPECT_TRUE(cond_int1(a9.donne(), SUD, PIQ, false));
    EXPECT_FALSE(cond_int1(a9.donne(), SUD, PIQ, true));
    // Vulnerable, two top honours: DH 10 yes, 9 no.
    const Jeu t10 = sud("AD876", "R32", "432", "32");
    ASSERT_EQ(dh(t10), 10);
    EXPECT_TRUE(cond_int1(t10.donne(), SUD, PIQ, true));
    const Jeu t9 = sud("AD876", "D32", "432", "32");
    ASSERT_EQ(dh(t9), 9);
    EXPECT_FALSE(cond_int1(t9.donne(), SUD, PIQ, true));
    // Vulnerable, a weak suit: DH 13 is enough.
    const Jeu f = sud("87654", "AR2", "AR2", "32");
    ASSERT_EQ(dh(f), 15);
    EXPECT_TRUE(cond_int1(f.donne(), SUD, PIQ, true));
    // Vulnerable, six cards to one top honour: 8 HCP yes, 7 no.
    const Jeu s8 = sud("A87654", "R32", "V2", "32");
    ASSERT_EQ(dh(s8), 10);
    EXPECT_TRUE(cond_int1(s8.donne(), SUD, PIQ, true));
    EXPECT_FALSE(cond_int1(sud("A87654", "D32", "V2", "32").donne(), SUD, PIQ, true));
    // Strong intermediates but DH 9: the six-card rule still accepts it.
    const Jeu i6 = sud("AVX932", "D2", "V2", "432");
    ASSERT_EQ(hcp(i6), 8);
    ASSERT_EQ(dh(i6), 9);
    EXPECT_TRUE(cond_int1(i6.donne(), SUD, PIQ, true));
    EXPECT_FALSE(cond_int1(sud("AVX93", "D2", "V32", "432").donne(), SUD, PIQ, true));
    // 18 HCP is too strong for a simple overcall; four cards too short.
    EXPECT_FALSE(cond_int1(sud("AR876", "AR2", "AR2", "32").donne(), SUD, PIQ, false));
    EXPECT_FALSE(cond_int1(sud("AR76", "AR2", "A32", "432").donne(), SUD, PIQ, false));
    // A x x x x in hearts with 6 HCP, not vulnerable.
    EXPECT_TRUE(cond_int1(sud("432", "A8765", "D32", "32").donne(), SUD, COE, false));
}

TEST(Interventions, UnPiqueSurUnCoeur) {
    const Jeu a6 = sud("A8765", "D32", "432", "32");
    EXPECT_TRUE(I(a6, P1, C1, NV));
    EXPECT_FALSE(I(a6, P1, C1, V));
    // Six spades R D V: a weak two, not an overcall; five of them: an overcall.
    EXPECT_FALSE(I(sud("RDV432", "32", "432", "32"), P1, C1));
    EXPECT_TRUE(I(sud("RDV43", "432", "432", "32"), P1, C1));
    // Seven solid spades not vulnerable: a three-level preempt.
    EXPECT_FALSE(I(sud("ARD5432", "32", "32", "32"), P1, C1));
    // Seven spades and 15 HCP, far above a preempt: 1 ♠ at both vulnerabilities.
    const Jeu fort = sud("ARVX432", "A2", "R2", "32");
    ASSERT_EQ(hcp(fort), 15);
    EXPECT_TRUE(I(fort, P1, T1, NV));
    EXPECT_TRUE(I(fort, P1, T1, V));
    // 5-5 in the majors: 1 ♠ over 1 ♥, but 2 ♦ (both majors) over a minor.
    const Jeu m55 = sud("AR432", "AD432", "32", "2");
    EXPECT_TRUE(I(m55, P1, C1));
    EXPECT_FALSE(I(m55, P1, T1));
    EXPECT_TRUE(I(m55, 21, T1));
    EXPECT_TRUE(I(m55, 21, K1));
    // Over 1 ♠ or 1SA a one-level spade bid has no rule.
    EXPECT_FALSE(I(a6, P1, P1));
    EXPECT_FALSE(I(a6, P1, SA1));
}

TEST(Interventions, AuNiveauUnSurLesMineures) {
    const Jeu co = sud("432", "A8765", "D32", "32");
    EXPECT_TRUE(I(co, 12, T1));
    EXPECT_TRUE(I(co, 12, K1));
    EXPECT_FALSE(I(co, 11, T1));
    // Both majors qualify: spades first.
    const Jeu m55 = sud("A8765", "A8765", "2", "2");
    EXPECT_FALSE(I(m55, 12, T1));
    EXPECT_TRUE(I(m55, P1, T1));
    // Diamonds over 1 ♣ only.
    const Jeu ka = sud("432", "32", "AD876", "432");
    EXPECT_TRUE(I(ka, 11, T1));
    EXPECT_FALSE(I(ka, 11, K1));
    EXPECT_FALSE(I(ka, 11, C1));
    // Some one-level overcall over the opened suit (3 ♣ .. 0 ♠).
    EXPECT_TRUE(cond_int1sur(ka.donne(), SUD, TRE, false));
    EXPECT_FALSE(cond_int1sur(ka.donne(), SUD, CAR, false));
    EXPECT_TRUE(cond_int1sur(co.donne(), SUD, CAR, false));
    EXPECT_FALSE(cond_int1sur(co.donne(), SUD, COE, false));
    const Jeu a6 = sud("A8765", "D32", "432", "32");
    EXPECT_TRUE(cond_int1sur(a6.donne(), SUD, COE, false));
    EXPECT_FALSE(cond_int1sur(a6.donne(), SUD, PIQ, false));
    EXPECT_FALSE(cond_int1sur(a6.donne(), SUD, -1, false));
}

TEST(Interventions, PasseSurUnTrefle) {
    // 17 HCP, no five-card suit, no club stopper: nothing to bid.
    const Jeu p17 = sud("AR32", "AD32", "RV2", "32");
    ASSERT_EQ(hcp(p17), 17);
    EXPECT_TRUE(I(p17, PASSE, T1));
    EXPECT_FALSE(I(p17, 14, T1));
    EXPECT_FALSE(I(sud("AR32", "AD32", "RD2", "32"), PASSE, T1));  // 18
    // Over 1 ♦, five strong clubs make a two-level overcall, weak ones do not.
    const Jeu t = sud("32", "432", "A32", "ARDV2");
    EXPECT_TRUE(cond_int2sur(t.donne(), SUD, CAR, false));
    EXPECT_FALSE(I(t, PASSE, K1));
    EXPECT_TRUE(I(sud("32", "432", "A32", "AR432"), PASSE, K1));
}

TEST(Interventions, SansAtoutSurUneCouleur) {
    // 17 HL, 3-3-4-3, A V x in hearts (stopper score 160 at least).
    const Jeu h = sud("R32", "AV2", "AD32", "R32");
    ASSERT_GE(arrets(h.donne(), SUD, COE), 100);
    EXPECT_TRUE(I(h, 14, C1));
    EXPECT_TRUE(cond_int1SA(h.donne(), SUD, COE));
    EXPECT_FALSE(I(h, PASSE, C1));
    // Five hearts over a major: no.
    EXPECT_FALSE(I(sud("R2", "AV432", "AD2", "R32"), 14, C1));
    // The HL range 16..18.
    EXPECT_FALSE(I(sud("R32", "AV2", "AD32", "V32"), 14, C1));  // 15
    EXPECT_TRUE(I(sud("R32", "AV2", "AD32", "D32"), 14, C1));   // 16
    EXPECT_TRUE(I(sud("R32", "AV2", "AD32", "A32"), 14, C1));   // 18
    EXPECT_FALSE(I(sud("A32", "AV2", "AD32", "A32"), 14, C1));  // 19
    // No heart stopper.
    EXPECT_FALSE(I(sud("AR2", "432", "AD32", "R32"), 14, C1));
}

TEST(Interventions, SousUnSansAtoutAdverse) {
    // 17 HCP, 4-3-3-3 with R x x in clubs: 1SA over 1 ♣, nothing over 1SA,
    // where no opened suit exists to be stopped.
    const Jeu h = sud("AR32", "A32", "R32", "R32");
    ASSERT_EQ(hcp(h), 17);
    EXPECT_TRUE(I(h, 14, T1));
    EXPECT_FALSE(I(h, PASSE, T1));
    EXPECT_FALSE(I(h, 14, SA1));
    EXPECT_TRUE(I(h, PASSE, SA1));
    // False before the deal is looked at.
    EXPECT_FALSE(cond_int1SA(nullptr, SUD, -1));
    EXPECT_FALSE(intervention(nullptr, inter(14, SA1), NV));

    PageGardee g;
    ASSERT_TRUE(g.ok());
    for (const char* d : {g.au_debut(h.donne()), g.a_la_fin(h.donne())}) {
        EXPECT_TRUE(intervention(d, inter(PASSE, SA1), NV));
        EXPECT_FALSE(intervention(d, inter(14, SA1), NV));
        EXPECT_FALSE(cond_int1SA(d, SUD, -1));
        for (const v_n& par : conditions.at(2).choix[0])
            for (int board : {NV, V}) intervention(d, inter(par.v, SA1), board);
    }
    // The double of 1SA: only the 18-point hand.
    EXPECT_FALSE(I(h, CONTRE, SA1));
    EXPECT_TRUE(I(sud("AR32", "A32", "R32", "A32"), CONTRE, SA1));
}

TEST(Interventions, ContreSurUneMineure) {
    // 4-4 in the majors, three diamonds, 13 HCP: 13 − 3 ≥ 10.
    const Jeu c13 = sud("AR32", "RV32", "D32", "32");
    ASSERT_EQ(hcp(c13), 13);
    EXPECT_TRUE(I(c13, CONTRE, K1));
    EXPECT_TRUE(I(c13, CONTRE, T1));                                  // 13 − 2
    EXPECT_FALSE(I(sud("AR32", "DV32", "D32", "32"), CONTRE, K1));   // 12 − 3
    EXPECT_FALSE(I(sud("AR432", "RV32", "D2", "32"), CONTRE, K1));   // five spades
    EXPECT_FALSE(I(sud("AR32", "RV32", "D432", "2"), CONTRE, K1));   // 13 − 4
    EXPECT_FALSE(I(sud("AR32", "R2", "DV32", "432"), CONTRE, K1));   // 4-2 majors
    // 18 HCP doubles whatever the shape.
    EXPECT_TRUE(I(sud("AR2", "AR2", "AR5432", "2"), CONTRE, K1));
}

TEST(Interventions, ContreSurUneMajeure) {
    EXPECT_TRUE(I(sud("AR32", "432", "R32", "R32"), CONTRE, C1));   // 13 + 4 − 3
    EXPECT_FALSE(I(sud("AR32", "432", "R32", "D32"), CONTRE, C1));  // 12 + 4 − 3
    EXPECT_FALSE(I(sud("32", "32", "ARD32", "AR32"), CONTRE, C1));  // two spades
    // Over 1 ♠: four hearts, no two-level overcall.
    EXPECT_TRUE(I(sud("32", "AR32", "RD32", "D32"), CONTRE, P1));
    // Five good hearts make a 2 ♥ overcall instead.
    const Jeu c5 = sud("2", "AR432", "RD32", "D32");
    EXPECT_TRUE(cond_int2(c5.donne(), SUD, COE, false));
    EXPECT_FALSE(I(c5, CONTRE, P1));
}

TEST(Interventions, SurTroisPiques) {
    const Jeu c = sud("2", "AR32", "RV32", "D432");
    ASSERT_EQ(hcp(c), 13);
    EXPECT_TRUE(I(c, CONTRE, P3));  // 13 + 4 − 1
    // 16 HCP with a spade stopper belongs to 3SA.
    EXPECT_FALSE(I(sud("R2", "AR32", "RV32", "D32"), CONTRE, P3));
    EXPECT_TRUE(I(sud("32", "AR32", "RV32", "AD2"), CONTRE, P3));
    EXPECT_FALSE(I(sud("2", "32", "ARV32", "AD432"), CONTRE, P3));  // two hearts
    // Over 3 ♠ a lower call is not a double in disguise.
    for (int par : {10, 11, 12, 13, 21, 22, 30}) EXPECT_FALSE(I(c, par, P3)) << par;
}

TEST(Interventions, DeuxiemeNiveau) {
    // Five clubs: p + top five honours 16 yes, 15 no.
    EXPECT_TRUE(I(sud("32", "32", "A432", "ARVX2"), 20, C1));
    EXPECT_FALSE(I(sud("32", "32", "A432", "ARV32"), 20, C1));
    // Equal minors: diamonds rank first, so no 2 ♣ but a 2 ♦.
    const Jeu m = sud("2", "32", "AR432", "ARVX2");
    EXPECT_FALSE(I(m, 20, C1));
    EXPECT_TRUE(I(m, 21, C1));
    // Six clubs: DH 12 yes, 11 no.
    const Jeu s12 = sud("32", "V2", "D32", "AR5432");
    ASSERT_EQ(dh(s12), 12);
    EXPECT_TRUE(I(s12, 20, P1));
    const Jeu s11 = sud("32", "V2", "V32", "AR5432");
    ASSERT_EQ(dh(s11), 11);
    EXPECT_FALSE(I(s11, 20, P1));
}

TEST(Interventions, Bicolores) {
    // 2SA over 1 ♣ shows hearts and diamonds.
    const Jeu cc = sud("2", "R5432", "AR432", "32");
    EXPECT_TRUE(I(cc, 24, T1, NV));
    EXPECT_TRUE(I(cc, 24, T1, V));  // 3 + 7 + 20 − 20 = 10
    EXPECT_FALSE(I(cc, 24, K1));
    const Jeu cd = sud("2", "D5432", "AR432", "32");
    EXPECT_TRUE(I(cd, 24, T1, NV));  // 9 + 4
    EXPECT_FALSE(I(cd, 24, T1, V));  // 9
    // The minors: 2SA over 1 ♥, not over 1 ♣.
    const Jeu mi = sud("2", "32", "R5432", "AR432");
    EXPECT_FALSE(I(mi, 24, T1));
    EXPECT_TRUE(I(mi, 24, C1));
    // Over 1 ♥: 2 ♥ spades and clubs, 3 ♣ spades and (no fewer) diamonds.
    const Jeu pt = sud("AR432", "2", "32", "AD432");
    EXPECT_TRUE(I(pt, 22, C1));
    EXPECT_FALSE(I(pt, 30, C1));
    EXPECT_TRUE(I(sud("AR432", "2", "AD432", "32"), 30, C1));
    EXPECT_FALSE(I(sud("AR5432", "", "AD432", "32"), 30, C1));
    EXPECT_TRUE(I(sud("2", "AR432", "AD432", "32"), 30, P1));
}

TEST(Interventions, Landy) {
    EXPECT_TRUE(I(sud("R5432", "R5432", "2", "2"), 20, SA1));    // 6 in the majors
    EXPECT_FALSE(I(sud("R5432", "D5432", "2", "2"), 20, SA1));   // 5: 5 − 1 + 10 < 18
    EXPECT_TRUE(I(sud("AD432", "A432", "432", "2"), 20, SA1));   // 10 − 1 + 9
    EXPECT_FALSE(I(sud("RD432", "A432", "432", "2"), 20, SA1));  // 9 − 1 + 9
    EXPECT_FALSE(I(sud("AR2", "AR2", "5432", "432"), 20, SA1));  // no four-card major
    // 7-6 in the majors with 5 points in them: 5 − 0 + 13 reaches 18.
    EXPECT_TRUE(I(sud("R765432", "D65432", "", ""), 20, SA1));
    // Over a suit opening 2 ♣ is natural.
    EXPECT_FALSE(I(sud("AD432", "A432", "432", "2"), 20, T1));
}

TEST(Interventions, AppelsSansRegleToujoursFauxEtLesAutresVivants) {
    const Condition& k = conditions.at(2);
    const std::vector<std::string> donnes = donnes_au_hasard(20000, 3);
    int definis = 0;
    for (const v_n& par : k.choix[0])
        for (const v_n& sur : k.choix[1]) {
            const bool def = intervention_definie(par.v, sur.v);
            definis += def;
            int vrais = 0;
            for (std::size_t i = 0; i < donnes.size(); ++i)
                for (int seat = 0; seat < 4; ++seat)
                    vrais += intervention(donnes[i].data(), inter(par.v, sur.v, seat), int(i % 16) + 1);
            if (def)
                EXPECT_GT(vrais, 0) << par.v << " sur " << sur.v;
            else
                EXPECT_EQ(vrais, 0) << par.v << " sur " << sur.v;
        }
    // Pass, double, 1SA but over 1SA, 2 ♣ and 2SA everywhere; 2 ♦ over the
    // four suits; 1 ♠ over three; 1 ♥ over two; 1 ♦, 2 ♥ over one; 3 ♣ over two.
    EXPECT_EQ(definis, 6 + 6 + 5 + 6 + 6 + 4 + 3 + 2 + 1 + 1 + 2);
}

TEST(Interventions, ConditionMalFormee) {
    const Jeu a6 = sud("A8765", "D32", "432", "32");
    ASSERT_TRUE(I(a6, P1, C1));
    EXPECT_FALSE(intervention(a6.donne(), inter(P1, C1, 4), NV));
    EXPECT_FALSE(intervention(a6.donne(), inter(P1, C1, -1), NV));
    EXPECT_FALSE(intervention(a6.donne(), inter(P1, 34), NV));
    EXPECT_FALSE(intervention(a6.donne(), inter(23, C1), NV));
    Condouv c = inter(P1, C1);
    c.params.pop_back();
    EXPECT_FALSE(intervention(a6.donne(), c, NV));
    EXPECT_FALSE(cond_int1(a6.donne(), SUD, 4, false));
    EXPECT_FALSE(cond_int1SA(a6.donne(), SUD, 4));
}

TEST(Interventions, SansAllocationEtMemesReponsesSurPlusieursThreads) {
    const std::vector<std::string> donnes = donnes_au_hasard(3000, 9);
    std::vector<Condouv> cs;
    for (const v_n& par : conditions.at(2).choix[0])
        for (const v_n& sur : conditions.at(2).choix[1]) cs.push_back(inter(par.v, sur.v, 3));
    auto toutes = [&](std::vector<char>& out) {
        for (std::size_t i = 0; i < donnes.size(); ++i)
            for (const Condouv& c : cs) out.push_back(intervention(donnes[i].data(), c, int(i % 16) + 1));
    };
    verifie_pur_et_reentrant(toutes, donnes.size() * cs.size());
}
