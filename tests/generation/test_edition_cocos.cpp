// The checks of the condition editor: every pair of values of the bidding
// kinds against the editor's own table and the rules the tests hold, with
// the alerts in order; the kind check before drawing; the texts of a row.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "aides.h"
#include "contraintes.h"
#include "edition_cocos.h"
#include "interventions.h"
#include "jeux.h"
#include "ouvertures.h"
#include "reponses.h"

namespace {

using Alertes = std::vector<std::string>;
const std::string C = "Condition impossible ou non encore installée";
const std::string I = "Intervention impossible";

std::vector<int> codes(int kind, std::size_t k) {
    std::vector<int> r;
    for (const v_n& x : conditions[kind].choix[k]) r.push_back(x.v);
    return r;
}

// The alerts of the check of value v for parameter k of c; the check's
// answer must be "accepted" exactly when nothing was alerted.
Alertes essaie(const Condouv& c, int k, int v) {
    EnregistreurAlertes rec;
    const bool ok = verifie_coco(c, k, v);
    EXPECT_EQ(ok, rec.alertes.empty()) << c.id_condition << " " << k << " " << v;
    return rec.alertes;
}
Alertes refus(bool ok) { return ok ? Alertes{} : Alertes{C}; }

bool dans(const std::map<int, std::set<int>>& m, int cle, int v, bool absent) {
    const auto it = m.find(cle);
    return it == m.end() ? absent : it->second.count(v) > 0;
}

// The openings whose test reads each particularité other than none.
const std::map<int, std::set<int>> particularites_lues = {
    {1214, {10, 11, 12, 13, 100, 200}}, {1819, {10, 11, 12, 13, 100, 200}}, {10, {14}},
    {20, {20, 21}}};

// The two parameters that go in pairs in each kind, and whether a pair of
// their values has a rule (so that a set asking for it can be dealt).
bool sous(int par, int sur) { return par >= 10 && sur >= par; }
const struct {
    int kind, a, b;
    bool (*regle)(int, int);
} paires[] = {
    {0, 1, 2, [](int o, int q) { return ouverture_definie(o, q) && (q == 0 || dans(particularites_lues, q, o, false)); }},
    {1, 1, 2, [](int o, int r) { return repo_definie(o, r); }},
    {2, 0, 1, [](int p, int s) { return !sous(p, s) && intervention_definie(p, s); }},
    {3, 1, 2, [](int nature, int couleur) { return nature != 3 || couleur != 5; }},
};

}  // namespace

// Built from a new condition in either order, a pair is stored exactly when
// it has a rule; nothing without one is stored on the way; refusals alone alert.
TEST(VerifieCoco, EveryPairOfTheBiddingKindsBothWays) {
    int admises = 0;
    for (const auto& p : paires)
        for (int x : codes(p.kind, p.a))
            for (int y : codes(p.kind, p.b))
                for (const int premier : {p.a, p.b}) {
                    Condouv n = cond(p.kind, valeurs_initiales(conditions[p.kind]));
                    EnregistreurAlertes rec;
                    bool pris = true;
                    for (const int k : {premier, p.a + p.b - premier}) {
                        pris = donne_valeur(n, k, k == p.a ? x : y) && pris;
                        EXPECT_TRUE(p.regle(n.params[p.a], n.params[p.b]));
                    }
                    EXPECT_EQ(n.params[p.a] == x && n.params[p.b] == y, p.regle(x, y)) << p.kind << " " << x << " " << y;
                    EXPECT_EQ(rec.alertes.empty(), pris);
                    EXPECT_TRUE(pris || !p.regle(x, y));
                    admises += p.regle(x, y) && premier == p.a;
                }
    // As many as the editor let through before, in one order or the other.
    EXPECT_EQ(admises, 41 + 26 + 39 + 19);
}

TEST(VerifieCoco, OtherKindsAcceptEveryValueButSupportWithoutSuitAndLongestNotrump) {
    for (int kind = 3; kind < 15; ++kind) {
        const Condouv c = cond(kind, valeurs_initiales(conditions[kind]));
        for (std::size_t k = 0; k < c.params.size(); ++k)
            for (int v : codes(kind, k)) {
                const bool refuse = (kind == 3 && k == 1 && v == 3) || (kind == 6 && k == 0 && v == 4);
                EXPECT_EQ(essaie(c, static_cast<int>(k), v), refus(!refuse)) << kind << " " << k << " " << v;
            }
    }
    EXPECT_EQ(essaie(cond(3, {0, 3, 0, 0, 36}), 2, 5), Alertes{C});  // the suit of a support count
    EXPECT_EQ(essaie(cond(3, {0, 0, 1, 0, 36}), 1, 3), Alertes{});
}

TEST(VerifieCoco, EveryKindStartsOnValuesTheReaderAndItsOwnChecksAccept) {
    EXPECT_EQ(valeurs_initiales(conditions[0]), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(valeurs_initiales(conditions[2]), (std::vector<int>{0, 10}));
    for (int kind = 0; kind < 15; ++kind) {
        const Condouv c = cond(kind, valeurs_initiales(conditions[kind]));
        EXPECT_EQ(defaut_condition(c, conditions), "") << kind;
        for (std::size_t k = 0; k < c.params.size(); ++k)
            EXPECT_EQ(essaie(c, static_cast<int>(k), c.params[k]), Alertes{}) << kind << " " << k;
    }
}

TEST(VerifieKinds, RefusesTheFirstConditionWithoutAKindByItsLetter) {
    const std::vector<std::pair<std::vector<int>, int>> cas = {
        {{}, -1}, {{3, 0, 14}, -1}, {{3, kind_non_choisi}, 1}, {{kind_indefini, kind_non_choisi}, 0},
        {{3, 3, 15}, 2}};
    for (const auto& [kinds, lettre] : cas) {
        Contraintes s;
        for (int k : kinds) s.cocos.push_back(cond(k, {}));
        EXPECT_EQ(verifie_kinds(s), lettre < 0 ? "" : alerte_coco_non_definie(lettre));
    }
    EXPECT_EQ(alerte_coco_non_definie(1).rfind("Coco b ", 0), 0u);
}

TEST(TexteCoco, RowOfAConditionAndOfOneWithoutKind) {
    const Condouv c = cond(2, {12, 10}, 1);
    EXPECT_EQ(texte_joueur_coco(c), "Est");
    EXPECT_EQ(nom_kind_coco(c), "intervention");
    EXPECT_EQ(texte_params_coco(c), "par FPC 1 ♥ FNC sur FPC 1 ♣ FNC ");
    // A value the kind does not offer shows no label rather than another one.
    EXPECT_EQ(texte_params_coco(cond(13, {2, 99})), "min FPC 2 FNC max FPC  FNC ");
    for (int k : {kind_non_choisi, kind_indefini, 15}) {
        EXPECT_EQ(nom_kind_coco(cond(k, {})), "non définie");
        EXPECT_EQ(texte_params_coco(cond(k, {})), "");
    }
}
