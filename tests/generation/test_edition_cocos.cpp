// The checks of the condition editor: every pair of values of the bidding
// kinds against the editor's own table and the rules the tests hold, with
// the alerts in order; the kind check before drawing; the texts of a row.
#include <gtest/gtest.h>

#include <functional>
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
struct Paire {
    int kind, a, b;
    std::function<bool(int, int)> regle;
};
bool sous(int par, int sur) { return par >= 10 && sur >= par; }
const std::vector<Paire> paires = {
    {0, 1, 2, [](int o, int q) { return ouverture_definie(o, q) && (q == 0 || dans(particularites_lues, q, o, false)); }},
    {1, 1, 2, [](int o, int r) { return repo_definie(o, r); }},
    {2, 0, 1, [](int p, int s) { return !sous(p, s) && intervention_definie(p, s); }},
    {3, 1, 2, [](int nature, int couleur) { return nature != 3 || couleur != 5; }},
};

}  // namespace

TEST(VerifieCoco, EveryPairOfTheBiddingKindsBothWays) {
    int paires_admises = 0;
    for (const Paire& p : paires) {
        const std::vector<int> debut = valeurs_initiales(conditions[p.kind]);
        for (int x : codes(p.kind, p.a))
            for (int y : codes(p.kind, p.b)) {
                const bool regle = p.regle(x, y);
                paires_admises += regle;
                Condouv c = cond(p.kind, debut);
                c.params[p.a] = x;
                const Alertes refus_attendu = regle ? Alertes{} : p.kind == 2 && sous(x, y) ? Alertes{I, C} : Alertes{C};
                EXPECT_EQ(essaie(c, p.b, y), refus_attendu) << p.kind << " " << x << " " << y;
                c.params[p.a] = debut[p.a];
                c.params[p.b] = y;
                EXPECT_EQ(essaie(c, p.a, x), refus_attendu) << p.kind << " " << x << " " << y;
                // Built from a new condition in either order: the pair is stored
                // exactly when it has a rule, and only what is stored has one.
                for (const bool a_dabord : {true, false}) {
                    Condouv n = cond(p.kind, debut);
                    EnregistreurAlertes rec;
                    const bool premier = a_dabord ? donne_valeur(n, p.a, x) : donne_valeur(n, p.b, y);
                    EXPECT_TRUE(p.regle(n.params[p.a], n.params[p.b]));
                    const bool second = a_dabord ? donne_valeur(n, p.b, y) : donne_valeur(n, p.a, x);
                    EXPECT_TRUE(p.regle(n.params[p.a], n.params[p.b]));
                    EXPECT_EQ(n.params[p.a] == x && n.params[p.b] == y, regle) << p.kind << " " << x << " " << y;
                    if (regle) EXPECT_TRUE(premier && second && rec.alertes.empty()) << p.kind << " " << x << " " << y;
                    EXPECT_EQ(rec.alertes.empty(), premier && second);
                }
            }
    }
    EXPECT_EQ(paires_admises, 41 + 26 + 39 + 19);
}

TEST(DonneValeur, TheOtherValueOfThePairMovesToTheFirstThatHasARule) {
    struct Cas {
        Condouv avant;
        int k, v;
        std::vector<int> apres;
        Alertes alertes;
    };
    const Cas cas[] = {
        {cond(1, {0, 10, 11}), 2, 14, {0, 13, 14}, {}},  // 1SA answers 1 ♠ only
        {cond(1, {0, 10, 11}), 1, 14, {0, 14, 20}, {}},
        {cond(1, {0, 12, 22}), 1, 14, {0, 14, 22}, {}},  // a pair with a rule stays
        {cond(0, {0, 0, 0}), 2, 20, {0, 20, 20}, {}},    // game forcing from 2 ♣
        {cond(0, {0, 0, 0}), 1, 21, {0, 21, 20}, {}},    // 2 ♦ exists game forcing only
        {cond(0, {0, 13, 1214}), 1, 22, {0, 22, 0}, {}},
        {cond(2, {12, 10}), 1, 12, {0, 12}, {}},         // nothing higher than 1 ♥ overcalls it but a pass
        {cond(2, {0, 10}), 1, 33, {0, 33}, {}},
        {cond(2, {0, 10}), 0, 10, {0, 10}, {I, C}},      // 1 ♣ overcalls no opening
        {cond(3, {0, 0, 5, 0, 36}), 1, 3, {0, 3, 0, 0, 36}, {}},
        {cond(6, {0, 0}), 0, 4, {0, 0}, {C}},
        {cond(13, {2, 99}), 1, 5, {2, 5}, {}},
    };
    for (const Cas& x : cas) {
        Condouv c = x.avant;
        EnregistreurAlertes rec;
        EXPECT_EQ(donne_valeur(c, x.k, x.v), x.alertes.empty());
        EXPECT_EQ(c.params, x.apres) << x.avant.id_condition << " " << x.k << " " << x.v;
        EXPECT_EQ(rec.alertes, x.alertes);
    }
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
