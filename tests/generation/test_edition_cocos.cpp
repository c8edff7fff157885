// The checks of the condition editor: every pair of values of the bidding
// kinds against the editor's own table and the rules the tests hold, with
// the alerts in order; the kind check before drawing; the texts of a row.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "aides.h"
#include "condouv.h"
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

std::vector<int> codes(int kind, int k) {
    std::vector<int> r;
    for (const v_n& x : conditions[kind].choix[k]) r.push_back(x.v);
    return r;
}

// Runs the check of value v for parameter k of c and returns what it alerted;
// *ok receives its answer, which must agree with the alerts.
Alertes essaie(const Condouv& c, int k, int v, bool* ok) {
    EnregistreurAlertes rec;
    *ok = verifie_coco(c, k, v);
    EXPECT_EQ(*ok, rec.alertes.empty()) << "kind " << c.id_condition << " k " << k << " v " << v;
    return rec.alertes;
}

// The editor's bidding table of responses, as the users' guide gives it:
// response -> the openings it may follow (responses absent follow any).
const std::map<int, std::set<int>> reponses_admises = {
    {13, {10, 11}}, {14, {13}},     {20, {10, 14}}, {21, {12, 13, 14}},
    {22, {12, 14}}, {23, {13}},     {24, {10, 11}}, {30, {24}},
    {33, {14}},     {34, {10, 11, 14, 24}}, {43, {13}},
};

// The openings whose test reads each particularité other than none.
const std::map<int, std::set<int>> particularites_lues = {
    {1214, {10, 11, 12, 13, 100, 200}},
    {1819, {10, 11, 12, 13, 100, 200}},
    {10, {14}},
    {20, {20, 21}},
};

}  // namespace

TEST(VerifieCoco, ResponsesEveryPairBothWays) {
    int refus = 0;
    for (int o : codes(1, 1))
        for (int r : codes(1, 2)) {
            const auto a = reponses_admises.find(r);
            const bool table = a == reponses_admises.end() || a->second.count(o) > 0;
            bool ok;
            // The response picked after the opening: the table, then the rules.
            Alertes al = essaie(cond(1, {0, o, 11}), 2, r, &ok);
            EXPECT_EQ(ok, table && repo_definie(o, r)) << o << " " << r;
            EXPECT_EQ(al, ok ? Alertes{} : Alertes{C}) << o << " " << r;
            refus += !ok;
            // The opening picked after the response: the rules only.
            al = essaie(cond(1, {10, 10, r}), 1, o, &ok);
            EXPECT_EQ(ok, repo_definie(o, r)) << o << " " << r;
            EXPECT_EQ(al, ok ? Alertes{} : Alertes{C}) << o << " " << r;
        }
    EXPECT_GT(refus, 0);
}

TEST(VerifieCoco, OvercallsEveryPairBothWays) {
    for (int p : codes(2, 0))
        for (int s : codes(2, 1)) {
            const bool sous = p >= 10 && s >= p;
            Alertes attendu;
            if (sous)
                attendu = {I, C};
            else if ((p == 8 && !(s >= 10 && s <= 13)) || (p != 8 && s >= 30) ||
                     !intervention_definie(p, s))
                attendu = {C};
            bool ok;
            EXPECT_EQ(essaie(cond(2, {p, 10}), 1, s, &ok), attendu) << p << " sur " << s;
            // Picking the call: a call not higher than the opening is still
            // impossible; otherwise only the rules decide.
            attendu = sous ? Alertes{I, C} : intervention_definie(p, s) ? Alertes{} : Alertes{C};
            EXPECT_EQ(essaie(cond(2, {0, s}), 0, p, &ok), attendu) << p << " sur " << s;
        }
    // The cases users meet first.
    bool ok;
    EXPECT_EQ(essaie(cond(2, {12, 10}), 1, 12, &ok), (Alertes{I, C}));
    EXPECT_EQ(essaie(cond(2, {12, 10}), 1, 11, &ok), Alertes{});
    EXPECT_EQ(essaie(cond(2, {8, 10}), 1, 14, &ok), Alertes{C});
}

TEST(VerifieCoco, OpeningsEveryPairBothWays) {
    for (int o : codes(0, 1))
        for (int q : codes(0, 2)) {
            const bool table = (q != 1214 && q != 1819 && q != 20) ||
                               ((q == 1214 || q == 1819) && (o <= 13 || o == 100)) ||
                               (q == 20 && (o == 20 || o == 21));
            const auto l = particularites_lues.find(q);
            const bool lue = q == 0 || (l != particularites_lues.end() && l->second.count(o));
            const bool regle = ouverture_definie(o, q) && lue;
            bool ok;
            Alertes al = essaie(cond(0, {0, o, 0}), 2, q, &ok);
            EXPECT_EQ(ok, table && regle) << o << " " << q;
            EXPECT_EQ(al, ok ? Alertes{} : Alertes{C});
            al = essaie(cond(0, {0, 10, q}), 1, o, &ok);
            EXPECT_EQ(ok, regle) << o << " " << q;
            EXPECT_EQ(al, ok ? Alertes{} : Alertes{C});
        }
    // 2 ♦ exists only game-forcing: reached through 2 ♣ "Forcing manche".
    bool ok;
    essaie(cond(0, {0, 0, 0}), 1, 21, &ok);
    EXPECT_FALSE(ok);
    essaie(cond(0, {0, 20, 20}), 1, 21, &ok);
    EXPECT_TRUE(ok);
}

TEST(VerifieCoco, OtherKindsAcceptEveryValueButSupportWithoutSuitAndLongestNotrump) {
    for (int kind = 3; kind < 15; ++kind) {
        const Condouv c = cond(kind, valeurs_initiales(conditions[kind]));
        for (std::size_t k = 0; k < conditions[kind].params.size(); ++k)
            for (int v : codes(kind, static_cast<int>(k))) {
                const bool refuse = (kind == 3 && k == 1 && v == 3 && c.params[2] == 5) ||
                                    (kind == 6 && k == 0 && v == 4);
                bool ok;
                const Alertes al = essaie(c, static_cast<int>(k), v, &ok);
                EXPECT_EQ(ok, !refuse) << kind << " " << k << " " << v;
                EXPECT_EQ(al, refuse ? Alertes{C} : Alertes{});
            }
    }
    bool ok;
    essaie(cond(3, {0, 3, 0, 0, 36}), 2, 5, &ok);  // the suit taken from a support count
    EXPECT_FALSE(ok);
    essaie(cond(3, {0, 0, 1, 0, 36}), 1, 3, &ok);
    EXPECT_TRUE(ok);
}

TEST(VerifieCoco, EveryKindStartsOnValidValuesThatItsOwnChecksAccept) {
    EXPECT_EQ(valeurs_initiales(conditions[0]), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(valeurs_initiales(conditions[2]), (std::vector<int>{0, 10}));
    for (int kind = 0; kind < 15; ++kind) {
        const Condouv c = cond(kind, valeurs_initiales(conditions[kind]));
        EXPECT_EQ(defaut_condition(c, conditions), "") << kind;
        for (std::size_t k = 0; k < c.params.size(); ++k) {
            bool ok;
            essaie(c, static_cast<int>(k), c.params[k], &ok);
            EXPECT_TRUE(ok) << kind << " " << k;
        }
    }
}

TEST(VerifieKinds, RefusesTheFirstConditionWithoutAKindByItsLetter) {
    struct Cas {
        std::vector<int> kinds;
        std::string alerte;  // "" when the set is accepted
    };
    const std::vector<Cas> cas = {
        {{}, ""},
        {{3, 0, 14}, ""},
        {{3, kind_non_choisi}, alerte_coco_non_definie(1)},
        {{kind_indefini, kind_non_choisi}, alerte_coco_non_definie(0)},
        {{3, 3, 15}, alerte_coco_non_definie(2)},
    };
    for (const Cas& x : cas) {
        Contraintes s;
        for (int k : x.kinds) s.cocos.push_back(cond(k, {}));
        EnregistreurAlertes rec;
        EXPECT_EQ(verifie_kinds(s), x.alerte.empty());
        EXPECT_EQ(rec.alertes, x.alerte.empty() ? Alertes{} : Alertes{x.alerte});
    }
    EXPECT_NE(alerte_coco_non_definie(1).find("Coco b "), std::string::npos);
    EXPECT_EQ(lettre_coco(25), "z");
    EXPECT_EQ(lettre_coco(26), "");
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
    EXPECT_EQ(texte_joueur_coco(cond(3, {}, 4)), "");
}
