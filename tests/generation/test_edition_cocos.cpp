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

// The editor's table of responses, written out here on its own: response ->
// the openings it may follow (a response absent follows any).
const std::map<int, std::set<int>> reponses_admises = {
    {13, {10, 11}}, {14, {13}}, {20, {10, 14}}, {21, {12, 13, 14}}, {22, {12, 14}}, {23, {13}},
    {24, {10, 11}}, {30, {24}}, {33, {14}},     {34, {10, 11, 14, 24}}, {43, {13}}};
// The openings whose test reads each particularité other than none.
const std::map<int, std::set<int>> particularites_lues = {
    {1214, {10, 11, 12, 13, 100, 200}}, {1819, {10, 11, 12, 13, 100, 200}}, {10, {14}},
    {20, {20, 21}}};

}  // namespace

TEST(VerifieCoco, EveryPairOfTheBiddingKindsBothWays) {
    for (int o : codes(1, 1))
        for (int r : codes(1, 2)) {
            // The response picked: the table, then the rules; the opening: the rules.
            const bool table = dans(reponses_admises, r, o, true);
            EXPECT_EQ(essaie(cond(1, {0, o, 11}), 2, r), refus(table && repo_definie(o, r))) << o << r;
            EXPECT_EQ(essaie(cond(1, {10, 10, r}), 1, o), refus(repo_definie(o, r))) << o << r;
        }
    for (int p : codes(2, 0))
        for (int s : codes(2, 1)) {
            // A call not higher than the opening is impossible whichever was picked.
            const bool sous = p >= 10 && s >= p;
            const bool part = p == 8 ? s >= 10 && s <= 13 : s < 30;
            EXPECT_EQ(essaie(cond(2, {p, 10}), 1, s),
                      sous ? Alertes({I, C}) : refus(part && intervention_definie(p, s))) << p << s;
            EXPECT_EQ(essaie(cond(2, {0, s}), 0, p),
                      sous ? Alertes({I, C}) : refus(intervention_definie(p, s))) << p << s;
        }
    for (int o : codes(0, 1))
        for (int q : codes(0, 2)) {
            const bool table = (q != 1214 && q != 1819 && q != 20) || (q == 20 && o >= 20 && o <= 21) ||
                               (q != 20 && (o <= 13 || o == 100));
            const bool regle = ouverture_definie(o, q) && (q == 0 || dans(particularites_lues, q, o, false));
            EXPECT_EQ(essaie(cond(0, {0, o, 0}), 2, q), refus(table && regle)) << o << " " << q;
            EXPECT_EQ(essaie(cond(0, {0, 10, q}), 1, o), refus(regle)) << o << " " << q;
        }
    // The cases users meet first.
    EXPECT_EQ(essaie(cond(2, {12, 10}), 1, 11), Alertes{});
    EXPECT_EQ(essaie(cond(2, {8, 10}), 1, 14), Alertes{C});
    EXPECT_EQ(essaie(cond(1, {0, 12, 20}), 2, 14), Alertes{C});
    EXPECT_EQ(essaie(cond(0, {0, 20, 20}), 1, 21), Alertes{});  // 2 ♦ exists game-forcing only
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
        EnregistreurAlertes rec;
        EXPECT_EQ(verifie_kinds(s), lettre < 0);
        EXPECT_EQ(rec.alertes, lettre < 0 ? Alertes{} : Alertes{alerte_coco_non_definie(lettre)});
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
