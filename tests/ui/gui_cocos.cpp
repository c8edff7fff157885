// The condition list, the row that adds a condition, the modification form
// and the parameter selectors, driven through the menu and the widgets'
// own callbacks under a virtual display.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Select_Browser.H>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "contraintes.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "generateur.h"
#include "page_cocos.h"

#include <FL/fl_draw.H>  // after gtest: the X headers define None

namespace {

using Alertes = std::vector<std::string>;
const std::string C = "Condition impossible ou non encore installée";
const std::string I = "Intervention impossible";
const std::string OUVERTE = "Supprimer ou définir la contrainte ouverte";


class CocosGui : public DansRepertoireTemp {
protected:
    void SetUp() override {
        contr = Contraintes();
        env = Environnement();
        fen = std::make_unique<Fenetre>(1400, 1000, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
        contr = Contraintes();
        env = Environnement();
    }
    void menu(const char* label) { choisit_menu(*fen, label); }
    void clique(Fl_Group* g, const char* label) {
        Fl_Button* b = par_label<Fl_Button>(g, label);
        ASSERT_NE(b, nullptr) << label;
        b->do_callback();
        Fl::check();
    }
    // The seat (4 lines) or kind (15 lines) list inside g.
    static Fl_Select_Browser* liste(Fl_Group* g, int lignes) {
        for (Fl_Select_Browser* l : widgets<Fl_Select_Browser>(g))
            if (l->size() == lignes && !dynamic_cast<ListeParam*>(l)) return l;
        return nullptr;
    }
    // The group of the parameter selectors inside g, once it holds some.
    static Fl_Group* groupe_params(Fl_Group* g) {
        const std::vector<BoutonSymb*> b = widgets<BoutonSymb>(g);
        return b.empty() ? nullptr : b.back()->parent();
    }
    static std::vector<std::string> boutons(Fl_Group* g) {
        std::vector<std::string> r;
        for (BoutonSymb* b : widgets<BoutonSymb>(g)) r.push_back(b->ch);
        return r;
    }
    // Picks value v of parameter k among the selectors inside g.
    static void choisit_valeur(Fl_Group* g, int k, int v) {
        for (ListeParam* l : widgets<ListeParam>(g))
            for (std::size_t i = 0; i < l->lignes.size(); ++i)
                if (l->lignes[i].param == k && l->lignes[i].v == v) {
                    l->show();
                    choisit_ligne(l, static_cast<int>(i) + 1);
                    EXPECT_FALSE(l->Fl_Widget::visible()) << "the list closes after a pick";
                    return;
                }
        ADD_FAILURE() << "no row " << v << " for parameter " << k;
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

// The plain labels of values v of kind, as its buttons show them.
std::vector<std::string> textes(const Condition& kind, const std::vector<int>& v) {
    std::vector<std::string> t;
    for (std::size_t k = 0; k < v.size(); ++k) t.push_back(kind.nombrutchoix(static_cast<int>(k), v[k]));
    return t;
}

// Clicks line i of the open list l where the user sees it, once scrolled
// into view: below the lines above it, each as high as its largest text.
void clic_ligne(Fl_Browser* l, int i) {
    ASSERT_TRUE(l->Fl_Widget::visible());
    l->lineposition(i, Fl_Browser::MIDDLE);
    Fl::check();
    int y = l->y() + Fl::box_dy(FL_DOWN_BOX) - l->position();
    for (int j = 1; j <= i; ++j) {
        int taille = l->textsize();  // "@S" sets another
        const std::string t = l->text(j);
        for (auto p = t.find("@S"); p != std::string::npos; p = t.find("@S", p + 2)) taille = std::max(taille, std::stoi(t.substr(p + 2)));
        fl_font(l->textfont(), taille);
        y += j < i ? fl_height() : fl_height() / 2;
    }
    clic(l->window(), l->x() + 8, y);
}

// Picks in the row of a new condition of a kind, and the alerts each gives.
struct Choix {
    int param, v;
    Alertes alertes{};  // none: accepted
};

}  // namespace

TEST_F(CocosGui, EveryKindBuiltInTheGuiIsSavedReadBackAndDrawn) {
    const std::vector<std::pair<int, std::vector<Choix>>> lignes = {
        {0, {{1, 12, {}}, {2, 1214, {}}}},
        {1, {{2, 20, {}}, {1, 13, {}}, {2, 14, {}}}},
        {2, {{0, 12, {}}, {0, 10, {I, C}}, {1, 11, {}}}},  // 1 ♣ overcalls no opening
        {3, {{2, 1, {}}, {1, 3, {}}, {3, 10, {}}, {4, 30, {}}}},
        {4, {{0, 12, {}}}}, {5, {{0, 1, {}}}}, {6, {{0, 4, {C}}, {1, 2, {}}}},
        {7, {{2, 1, {}}}}, {8, {{1, 3, {}}}}, {9, {{4, 13, {}}}}, {10, {{2, 4, {}}}},
        {11, {{2, 1000, {}}}}, {12, {{1, 11, {}}}}, {13, {{1, 6, {}}}},
        {14, {{0, 4, {}}, {2, 81, {}}}},
    };
    menu("&Contraintes/&Montrer");
    for (const auto& [k, choix] : lignes) {
        const int n = static_cast<int>(contr.cocos.size());
        menu("&Contraintes/Ajouter coco");
        ASSERT_EQ(env.page, "ajoute");
        ASSERT_EQ(contr.cocos.size(), static_cast<std::size_t>(n + 1));
        EXPECT_EQ(fen->gcocos->h(), 33 * n + 8 + 233);  // room for the row's lists
        EXPECT_EQ(contr.cocos[n].joueur, 2);
        choisit_ligne(liste(fen->gcocos, 4), k % 4 + 1);
        choisit_ligne(liste(fen->gcocos, 15), k + 1);
        EXPECT_EQ(env.page, "montrer");
        const Condition& kind = conditions[k];
        EXPECT_EQ(contr.cocos[n].id_condition, k);
        EXPECT_EQ(contr.cocos[n].joueur, k % 4);
        EXPECT_EQ(contr.cocos[n].params, valeurs_initiales(kind));
        Fl_Group* params = groupe_params(fen->gcocos);
        ASSERT_NE(params, nullptr);
        EXPECT_EQ(boutons(params), textes(kind, valeurs_initiales(kind))) << k;
        for (const Choix& x : choix) {
            const std::vector<int> avant = contr.cocos[n].params;
            const std::vector<std::string> textes = boutons(params);
            rec.alertes.clear();
            choisit_valeur(params, x.param, x.v);
            EXPECT_EQ(rec.alertes, x.alertes) << k << " " << x.param << " " << x.v;
            std::vector<int> apres = avant;
            if (x.alertes.empty()) {
                apres[x.param] = x.v;
                EXPECT_EQ(boutons(params)[x.param], kind.nombrutchoix(x.param, x.v));
            } else {
                EXPECT_EQ(boutons(params), textes);
            }
            EXPECT_EQ(contr.cocos[n].params, apres);
        }
    }
    // The context asks for one of them at least.
    std::string alg = "a";
    for (std::size_t i = 1; i < lignes.size(); ++i) alg += std::string(" ") + alph[i] + " |";
    fen->ialg->value(alg.c_str());
    fen->ialg->do_callback();
    rec.alertes.clear();
    menu("&Contraintes/&Montrer");
    const std::vector<BoiteParams*> textes = widgets<BoiteParams>(fen->gcocos);
    ASSERT_EQ(textes.size(), lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        EXPECT_EQ(textes[i]->ch, texte_params_coco(contr.cocos[i]));
        EXPECT_EQ(textes[i]->y(), 367 + 33 * static_cast<int>(i));
    }
    EXPECT_EQ(fen->gcocos->h(), 33 * static_cast<int>(lignes.size()) + 8);

    const FnChoisir ancien = lie_choisir_fichier(
        [](const std::string&, const std::string&, const std::string&) { return std::string("tous"); });
    menu("&Contraintes/&Enregistrer");
    lie_choisir_fichier(ancien);
    Contraintes lu("tous");
    ASSERT_EQ(lu.cocos.size(), contr.cocos.size());
    for (std::size_t i = 0; i < lu.cocos.size(); ++i) {
        EXPECT_EQ(lu.cocos[i].id_condition, contr.cocos[i].id_condition) << i;
        EXPECT_EQ(lu.cocos[i].joueur, contr.cocos[i].joueur) << i;
        EXPECT_EQ(lu.cocos[i].params, contr.cocos[i].params) << i;
    }
    EXPECT_EQ(lu.con, alg);
    std::int64_t essais = 0;
    const std::vector<std::string> d = boucle(6, lu, 24, &essais);
    ASSERT_EQ(d.size(), 6u);
    for (std::size_t i = 0; i < d.size(); ++i)
        EXPECT_TRUE(cond_ouvs(d[i].c_str(), lu, numero_donne(lu.numerofixe, static_cast<int>(i))));
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(CocosGui, AnOpenConditionBlocksTheEditorAndTheGenerator) {
    contr.cocos = {Condouv{5, 2, {4333}}};
    menu("&Contraintes/&Montrer");
    menu("&Contraintes/Ajouter coco");
    const std::vector<std::pair<std::function<void()>, std::string>> gestes = {
        {[&] { clique(fen->gcocos, "a"); }, "coco non définie en cours"},
        {[&] { clique(fen->gcocos, "b"); }, "coco non définie en cours"},
        {[&] { menu("&Contraintes/&Montrer"); }, OUVERTE},
        {[&] { menu("&Contraintes/Ajouter coco"); }, OUVERTE},
        {[&] { menu("&Contraintes/&Enregistrer"); }, "Coco ajoutée mais non définie"},
        {[&] { menu("&Générateur/&Afficher"); }, alerte_coco_non_definie(1)},
    };
    for (const auto& [geste, alerte] : gestes) {
        rec.alertes.clear();
        geste();
        EXPECT_EQ(rec.alertes, Alertes{alerte});
        EXPECT_EQ(env.page, "ajoute") << alerte;
        EXPECT_EQ(contr.cocos.size(), 2u) << alerte;
    }
    // The refused display replaced nothing: the page and its open row stay.
    EXPECT_TRUE(fen->gcontr->visible_r());
    EXPECT_EQ(fen->scroll, nullptr);
    // A click that selects no kind keeps the list open and the state.
    Fl_Select_Browser* l = liste(fen->gcocos, 15);
    l->show();
    choisit_ligne(l, 0);
    EXPECT_EQ(env.page, "ajoute");
    EXPECT_TRUE(l->Fl_Widget::visible());
    choisit_ligne(l, 4);
    EXPECT_EQ(env.page, "montrer");
    EXPECT_EQ(contr.cocos[1].params.size(), 5u);

    // 26 conditions at most.
    contr.cocos.assign(26, Condouv{5, 2, {4333}});
    menu("&Contraintes/&Montrer");
    rec.alertes.clear();
    menu("&Contraintes/Ajouter coco");
    EXPECT_EQ(rec.alertes, Alertes{alerte_27e_coco});
    EXPECT_EQ(contr.cocos.size(), 26u);
    EXPECT_EQ(env.page, "montrer");
}

TEST_F(CocosGui, DeletingThroughTheFormWarnsWhenAFormulaNamesAShiftedLetter) {
    struct Cas {
        const char *contexte, *calcul;
        int supprimee;
        bool alerte;
    };
    const Cas cas[] = {{"a&c", "", 1, true},  {"a&b", "", 2, false}, {"Non", "", 0, false},
                       {"", "A b |", 1, true}, {"", "", 1, false}};
    for (const Cas& x : cas) {
        contr = Contraintes();
        contr.cocos = {Condouv{3, 0, {0, 0, 5, 0, 36}}, Condouv{5, 1, {4333}}, Condouv{7, 2, {0, 1, 2}}};
        contr.con = x.contexte;
        if (*x.calcul) contr.calculs = {Calcul{"k", x.calcul, false}};
        std::vector<Condouv> restent = contr.cocos;
        restent.erase(restent.begin() + x.supprimee);
        menu("&Contraintes/&Montrer");
        rec.alertes.clear();
        clique(fen->gcocos, alph[x.supprimee]);
        ASSERT_NE(fen->gmodif, nullptr);
        EXPECT_FALSE(fen->gcontr->visible());
        EXPECT_EQ(std::string(widgets<Fl_Output>(fen->gmodif).at(0)->value()),
                  std::string("Modification de la coco ") + alph[x.supprimee]);
        clique(fen->gmodif, "&Supprimer");
        ASSERT_EQ(contr.cocos.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(contr.cocos[i].params, restent[i].params);
        EXPECT_EQ(rec.alertes, x.alerte ? Alertes{"Algèbre à modifier"} : Alertes{}) << x.contexte;
        EXPECT_EQ(fen->gmodif, nullptr);
        EXPECT_TRUE(fen->gcontr->visible());
        EXPECT_EQ(contr.con, x.contexte);  // not rewritten
    }
}

TEST_F(CocosGui, TheFormShowsAndChangesSeatKindAndValues) {
    contr.cocos = {Condouv{2, 0, {12, 10}}, Condouv{kind_indefini, 2, {}}, Condouv{kind_non_choisi, 3, {}}};
    menu("&Contraintes/&Montrer");
    // Both conditions without a kind say so; the undefined one goes when its letter is pressed.
    int non_definies = 0;
    for (Fl_Box* b : widgets<Fl_Box>(fen->gcocos))
        non_definies += b->label() && std::string(b->label()) == "non définie";
    EXPECT_EQ(non_definies, 2);
    clique(fen->gcocos, "b");
    ASSERT_EQ(contr.cocos.size(), 2u);
    EXPECT_EQ(contr.cocos[1].id_condition, kind_non_choisi);
    EXPECT_EQ(fen->gmodif, nullptr);

    clique(fen->gcocos, "a");
    ASSERT_NE(fen->gmodif, nullptr);
    Fl_Group* params = groupe_params(fen->gmodif);
    ASSERT_NE(params, nullptr);
    EXPECT_EQ(boutons(params), (std::vector<std::string>{"1 ♥", "1 ♣"}));
    std::vector<ListeParam*> listes = widgets<ListeParam>(params);
    ASSERT_EQ(listes.size(), 2u);
    EXPECT_EQ(listes[1]->h(), 120);  // 6 rows
    EXPECT_STREQ(listes[1]->label(), "sur");

    const std::vector<Fl_Output*> sorties = widgets<Fl_Output>(fen->gmodif);
    EXPECT_STREQ(sorties.at(1)->value(), "   nord");
    choisit_ligne(liste(fen->gmodif, 4), 3);
    EXPECT_EQ(contr.cocos[0].joueur, 2);
    EXPECT_STREQ(sorties.at(1)->value(), "  Sud");
    choisit_valeur(params, 0, 10);  // 1 ♣ overcalls no opening
    EXPECT_EQ(rec.alertes, (Alertes{I, C}));
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{12, 10}));

    // The same kind again resets the values; another kind takes its own.
    choisit_ligne(liste(fen->gmodif, 15), 3);
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{0, 10}));
    EXPECT_STREQ(sorties.at(2)->value(), "  intervention");
    choisit_ligne(liste(fen->gmodif, 15), 1);
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(widgets<ListeParam>(params).at(1)->h(), 140);  // 27 openings, a new kind
    clique(fen->gmodif, "&Modifier");
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_EQ(widgets<BoiteParams>(fen->gcocos).at(0)->ch, texte_params_coco(contr.cocos[0]));

    // A condition without a kind: only the choosers; "Ajouter coco" drops the form.
    clique(fen->gcocos, "b");
    ASSERT_NE(fen->gmodif, nullptr);
    EXPECT_TRUE(widgets<BoutonSymb>(fen->gmodif).empty());
    EXPECT_STREQ(widgets<Fl_Output>(fen->gmodif).at(2)->value(), "  non définie");
    menu("&Contraintes/Ajouter coco");
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_TRUE(fen->gcontr->visible());
    EXPECT_EQ(env.page, "ajoute");
}

TEST_F(CocosGui, ARefusedLoadShowsThePageAsTheFormLeftTheSet) {
    ecrit_fichier("faux", "fichier_de_contraintes\nnumero 40\n");
    menu("&Contraintes/&Montrer");
    menu("&Contraintes/Ajouter coco");
    choisit_ligne(liste(fen->gcocos, 15), 4);  // points, on the open row
    clique(fen->gcocos, "a");
    ASSERT_NE(fen->gmodif, nullptr);
    choisit_ligne(liste(fen->gmodif, 15), 1);  // ouvertures, in the form
    ASSERT_EQ(contr.cocos[0].id_condition, 0);

    ReponsesChoix choix({"faux"});
    menu("&Contraintes/&Choisir");
    ASSERT_TRUE(fen->gcontr->visible());
    const std::vector<BoiteParams*> textes = widgets<BoiteParams>(fen->gcocos);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0]->ch, texte_params_coco(contr.cocos[0]));
    // Whatever selector the page still holds, the condition keeps values its kind offers.
    for (ListeParam* l : widgets<ListeParam>(fen->gcocos))
        for (int i = 1; i <= l->size(); ++i) {
            l->show();
            choisit_ligne(l, i);
        }
    EXPECT_EQ(defaut_condition(contr.cocos[0], conditions), "");
}

// Pairs built in both orders by clicking the lines a user sees, at 1366 × 768:
// on a new row, then again on the form of the same condition.
TEST_F(CocosGui, PairsAreBuiltInEitherOrderByClickingTheLinesOfTheLists) {
    EcranSimule ecran(1366, 768);
    fen = std::make_unique<Fenetre>(1366, 756, "Dralen v0.36_0");
    fen->wait_for_expose();  // a list takes clicks once it has been drawn
    const std::vector<std::tuple<int, std::vector<Choix>, std::vector<int>>> cas = {
        {1, {{1, 14}, {2, 21}}, {0, 14, 21}}, {1, {{2, 21}, {1, 14}}, {0, 14, 21}},  // 1SA – 2 ♦
        {0, {{1, 21}}, {0, 21, 20}},          {0, {{2, 20}, {1, 21}}, {0, 21, 20}},  // 2 ♦ forcing
        {2, {{0, 22}, {1, 12}}, {22, 12}},    {2, {{1, 12}, {0, 22}}, {22, 12}}};    // 2 ♥ on 1 ♥
    menu("&Contraintes/&Montrer");
    for (int i = 0; i < 6; ++i) {
        const auto& [k, choix, valeurs] = cas[i];
        for (const bool forme : {false, true}) {
            if (forme) {
                clic_sur(par_label<Fl_Button>(fen->gcocos, alph[i]));
            } else {
                menu("&Contraintes/Ajouter coco");
                clic_sur(par_label<Fl_Button>(fen->gcocos, "Sud"));  // the seat it is on
                clic_ligne(liste(fen->gcocos, 4), 2);
                EXPECT_EQ(contr.cocos[i].joueur, 1);
            }
            Fl_Group* g = forme ? fen->gmodif : fen->gcocos;
            ASSERT_NE(g, nullptr);
            clic_sur(widgets<SortieChoix>(g).back());
            clic_ligne(liste(g, 15), k + 1);
            ASSERT_EQ(contr.cocos[i].id_condition, k);
            for (const Choix& x : choix) {
                ListeParam* l = widgets<ListeParam>(groupe_params(g)).at(x.param);
                clic_sur(l->ibs.pbs);
                int ligne = 1;
                while (l->lignes.at(ligne - 1).v != x.v) ++ligne;
                clic_ligne(l, ligne);
                EXPECT_FALSE(l->Fl_Widget::visible());
            }
            EXPECT_EQ(contr.cocos[i].params, valeurs) << i << " " << forme;
            EXPECT_EQ(boutons(groupe_params(g)), textes(conditions[k], valeurs));
            if (forme) clic_sur(par_label<Fl_Button>(fen->gmodif, "&Modifier"));
        }
    }
    EXPECT_TRUE(rec.alertes.empty());
}
