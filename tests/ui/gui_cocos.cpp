// The condition list, the row that adds a condition, the modification form
// and the parameter selectors, driven through the menu and the widgets'
// own callbacks under a virtual display.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Select_Browser.H>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "generateur.h"
#include "page_cocos.h"
#include "tableaux.h"

namespace {

using Alertes = std::vector<std::string>;
const std::string C = "Condition impossible ou non encore installée";
const std::string I = "Intervention impossible";
const std::string OUVERTE = "Supprimer ou définir la contrainte ouverte";

// Picks line l of a list as a click does, then lets the toolkit catch up.
void choisit_ligne(Fl_Select_Browser* l, int ligne) {
    ASSERT_NE(l, nullptr);
    l->value(ligne);
    l->do_callback();
    Fl::check();
}

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
    void menu(const char* label) {
        const Fl_Menu_Item* it = fen->menu->find_item(label);
        ASSERT_NE(it, nullptr) << label;
        fen->menu->picked(it);
        Fl::check();
    }
    // The letter button of condition i in the list.
    Fl_Button* lettre(int i) {
        for (Fl_Button* b : widgets<Fl_Button>(fen->gcocos))
            if (b->label() && std::string(b->label()) == alph[i]) return b;
        return nullptr;
    }
    // The kind list: the one with the 15 kinds, in the new row or the form.
    Fl_Select_Browser* liste_kinds(Fl_Group* g) {
        for (Fl_Select_Browser* l : widgets<Fl_Select_Browser>(g))
            if (l->size() == static_cast<int>(conditions.size()) && !dynamic_cast<ListeParam*>(l))
                return l;
        return nullptr;
    }
    // The group of the parameter selectors inside g, once it holds some.
    Fl_Group* groupe_params(Fl_Group* g) {
        const std::vector<BoutonSymb*> b = widgets<BoutonSymb>(g);
        return b.empty() ? nullptr : b.back()->parent();
    }
    // The seat list: the one with four lines and no row data.
    Fl_Select_Browser* liste_joueurs(Fl_Group* g) {
        for (Fl_Select_Browser* l : widgets<Fl_Select_Browser>(g))
            if (l->size() == 4 && !dynamic_cast<ListeParam*>(l)) return l;
        return nullptr;
    }
    // Picks value v of parameter k in the selectors inside g.
    void choisit_valeur(Fl_Group* g, int k, int v) {
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
    std::vector<std::string> textes_boutons(Fl_Group* g) {
        std::vector<std::string> r;
        for (BoutonSymb* b : widgets<BoutonSymb>(g)) r.push_back(b->ch);
        return r;
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

// One pick in a new row and what it must give.
struct Choix {
    int param;
    int v;
    Alertes alertes;  // empty: accepted
};
struct Ligne {
    int kind;
    std::vector<Choix> choix;
};

}  // namespace

TEST_F(CocosGui, EveryKindBuiltInTheGuiIsSavedReadBackAndDrawn) {
    const std::vector<Ligne> lignes = {
        // A balanced range on a pass opens nothing: refused, then reached
        // through 1 ♥.
        {0, {{2, 1214, {C}}, {1, 12, {}}, {2, 1214, {}}}},
        // 1 ♠ – 1SA needs a response that has a rule after both openings.
        {1, {{2, 14, {C}}, {1, 13, {C}}, {2, 20, {}}, {1, 13, {}}, {2, 14, {}}}},
        {2, {{0, 12, {}}, {1, 12, {I, C}}, {1, 11, {}}}},
        {3, {{1, 3, {C}}, {3, 10, {}}, {4, 30, {}}}},
        {4, {{0, 12, {}}}},
        {5, {{0, 1, {}}}},
        {6, {{0, 4, {C}}, {1, 2, {}}}},
        {7, {{2, 1, {}}}},
        {8, {{1, 3, {}}}},
        {9, {{4, 13, {}}}},
        {10, {{2, 4, {}}}},
        {11, {{2, 1000, {}}}},
        {12, {{1, 11, {}}}},
        {13, {{1, 6, {}}}},
        {14, {{0, 4, {}}, {2, 81, {}}}},
    };
    menu("&Contraintes/&Montrer");
    for (const Ligne& l : lignes) {
        const int n = static_cast<int>(contr.cocos.size());
        menu("&Contraintes/Ajouter coco");
        ASSERT_EQ(env.page, "ajoute") << l.kind;
        ASSERT_EQ(contr.cocos.size(), static_cast<std::size_t>(n + 1));
        // The list makes room for the new row's lists under it.
        EXPECT_EQ(fen->gcocos->h(), 33 * n + 8 + 233);
        EXPECT_EQ(contr.cocos[n].id_condition, kind_non_choisi);
        EXPECT_EQ(contr.cocos[n].joueur, 2);

        const int seat = l.kind % 4;
        choisit_ligne(liste_joueurs(fen->gcocos), seat + 1);
        choisit_ligne(liste_kinds(fen->gcocos), l.kind + 1);
        EXPECT_EQ(env.page, "montrer");
        const Condition& kind = conditions[l.kind];
        const Condouv& c = contr.cocos[n];
        EXPECT_EQ(c.id_condition, l.kind);
        EXPECT_EQ(c.joueur, seat);
        EXPECT_EQ(c.params, valeurs_initiales(kind));
        // One button per parameter, titled.
        Fl_Group* params = groupe_params(fen->gcocos);
        ASSERT_NE(params, nullptr);
        EXPECT_EQ(textes_boutons(params), kind.params) << l.kind;

        rec.alertes.clear();
        for (const Choix& x : l.choix) {
            const std::vector<int> avant = contr.cocos[n].params;
            const std::vector<std::string> boutons = textes_boutons(params);
            choisit_valeur(params, x.param, x.v);
            EXPECT_EQ(rec.alertes, x.alertes) << l.kind << " " << x.param << " " << x.v;
            rec.alertes.clear();
            if (x.alertes.empty()) {
                EXPECT_EQ(contr.cocos[n].params[x.param], x.v);
                EXPECT_EQ(textes_boutons(params)[x.param], kind.nombrutchoix(x.param, x.v));
            } else {
                EXPECT_EQ(contr.cocos[n].params, avant);
                EXPECT_EQ(textes_boutons(params), boutons);
            }
        }
    }
    // Any of them will do: the context asks for one at least.
    std::string alg = "a";
    for (std::size_t i = 1; i < lignes.size(); ++i) alg += std::string(" ") + alph[i] + " |";
    fen->ialg->value(alg.c_str());
    fen->ialg->do_callback();
    menu("&Contraintes/&Montrer");
    EXPECT_TRUE(rec.alertes.empty());

    // The list shows each row's seat, kind and values.
    std::vector<BoiteParams*> textes = widgets<BoiteParams>(fen->gcocos);
    ASSERT_EQ(textes.size(), lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        EXPECT_EQ(textes[i]->ch, texte_params_coco(contr.cocos[i]));
        EXPECT_EQ(textes[i]->y(), 367 + 33 * static_cast<int>(i));
    }
    EXPECT_EQ(fen->gcocos->h(), 33 * static_cast<int>(lignes.size()) + 8);

    const FnChoisir ancien =
        lie_choisir_fichier([](const std::string&, const std::string&, const std::string&) {
            return std::string("tous");
        });
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
    ASSERT_EQ(env.page, "ajoute");

    struct Geste {
        const char* quoi;
        std::function<void()> fait;
        Alertes alertes;
    };
    const std::vector<Geste> gestes = {
        {"letter a", [&] { lettre(0)->do_callback(); }, {"coco non définie en cours"}},
        {"letter b", [&] { lettre(1)->do_callback(); }, {"coco non définie en cours"}},
        {"Montrer", [&] { menu("&Contraintes/&Montrer"); }, {OUVERTE}},
        {"Ajouter", [&] { menu("&Contraintes/Ajouter coco"); }, {OUVERTE}},
        {"Enregistrer", [&] { menu("&Contraintes/&Enregistrer"); }, {"Coco ajoutée mais non définie"}},
        {"Afficher", [&] { menu("&Générateur/&Afficher"); }, {alerte_coco_non_definie(1)}},
    };
    for (const Geste& g : gestes) {
        rec.alertes.clear();
        g.fait();
        Fl::check();
        EXPECT_EQ(rec.alertes, g.alertes) << g.quoi;
        EXPECT_EQ(env.page, "ajoute") << g.quoi;
        EXPECT_EQ(contr.cocos.size(), 2u) << g.quoi;
        EXPECT_EQ(fen->gmodif, nullptr) << g.quoi;
    }
    // The display hid the page: "Ajouter coco" brings the open row back.
    EXPECT_FALSE(fen->gcontr->visible());
    rec.alertes.clear();
    menu("&Contraintes/Ajouter coco");
    EXPECT_EQ(rec.alertes, Alertes{OUVERTE});
    EXPECT_TRUE(fen->gcontr->visible_r());
    EXPECT_FALSE(fen->scroll && fen->scroll->visible());
    // Choosing its kind ends the state; a click that selects no line does not.
    Fl_Select_Browser* l = liste_kinds(fen->gcocos);
    l->show();
    choisit_ligne(l, 0);
    EXPECT_EQ(env.page, "ajoute");
    EXPECT_TRUE(l->Fl_Widget::visible());
    choisit_ligne(l, 4);
    EXPECT_EQ(env.page, "montrer");
    EXPECT_EQ(contr.cocos[1].params.size(), 5u);
}

TEST_F(CocosGui, DeletingWarnsWhenAFormulaNamesAShiftedLetter) {
    struct Cas {
        const char* contexte;
        const char* calcul;  // "" for none
        int supprimee;
        bool alerte;
    };
    const std::vector<Cas> cas = {
        {"a&c", "", 1, true},   // c becomes b
        {"a&b", "", 2, false},  // nothing after c
        {"Non", "", 0, false},  // no context
        {"", "A b |", 1, true}, // a calculation names b
        {"", "", 1, false},
    };
    for (const Cas& x : cas) {
        contr = Contraintes();
        contr.cocos = {Condouv{3, 0, {0, 0, 5, 0, 36}}, Condouv{5, 1, {4333}},
                       Condouv{7, 2, {0, 1, 2}}};
        contr.con = x.contexte;
        if (*x.calcul) contr.calculs = {Calcul{"k", x.calcul, false}};
        const Condouv suivante = contr.cocos[2];
        menu("&Contraintes/&Montrer");
        rec.alertes.clear();

        lettre(x.supprimee)->do_callback();
        Fl::check();
        ASSERT_NE(fen->gmodif, nullptr);
        EXPECT_FALSE(fen->gcontr->visible());
        std::vector<Fl_Output*> sorties = widgets<Fl_Output>(fen->gmodif);
        EXPECT_EQ(std::string(sorties.at(0)->value()),
                  std::string("Modification de la coco ") + alph[x.supprimee]);
        Fl_Button* sup = nullptr;
        for (Fl_Button* b : widgets<Fl_Button>(fen->gmodif))
            if (b->label() && std::string(b->label()) == "&Supprimer") sup = b;
        ASSERT_NE(sup, nullptr);
        sup->do_callback();
        Fl::check();

        ASSERT_EQ(contr.cocos.size(), 2u);
        if (x.supprimee < 2) {
            EXPECT_EQ(contr.cocos[1].id_condition, suivante.id_condition);
            EXPECT_EQ(contr.cocos[1].params, suivante.params);
        }
        EXPECT_EQ(rec.alertes, x.alerte ? Alertes{"Algèbre à modifier"} : Alertes{})
            << x.contexte << " " << x.calcul;
        EXPECT_EQ(fen->gmodif, nullptr);
        EXPECT_TRUE(fen->gcontr->visible());
        EXPECT_EQ(contr.con, x.contexte) << "the formula is not rewritten";
    }
}

TEST_F(CocosGui, TheFormShowsAndChangesSeatKindAndValues) {
    contr.cocos = {Condouv{2, 0, {12, 10}}, Condouv{kind_indefini, 2, {}},
                   Condouv{kind_non_choisi, 3, {}}};
    menu("&Contraintes/&Montrer");
    // The row of an undefined condition says so; its letter removes it.
    std::vector<Fl_Box*> boites = widgets<Fl_Box>(fen->gcocos);
    int non_definies = 0;
    for (Fl_Box* b : boites)
        if (b->label() && std::string(b->label()) == "non définie") ++non_definies;
    EXPECT_EQ(non_definies, 2);
    lettre(1)->do_callback();
    Fl::check();
    ASSERT_EQ(contr.cocos.size(), 2u);
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_EQ(contr.cocos[1].id_condition, kind_non_choisi);

    lettre(0)->do_callback();
    Fl::check();
    ASSERT_NE(fen->gmodif, nullptr);
    // The buttons show the current values; a value list of 6 rows is 120 high.
    Fl_Group* params = groupe_params(fen->gmodif);
    ASSERT_NE(params, nullptr);
    EXPECT_EQ(textes_boutons(params), (std::vector<std::string>{"1 ♥", "1 ♣"}));
    std::vector<ListeParam*> listes = widgets<ListeParam>(params);
    ASSERT_EQ(listes.size(), 2u);
    EXPECT_EQ(listes[1]->h(), 120);
    EXPECT_EQ(std::string(listes[1]->label()), "sur");

    // Seat: the output reads two blanks and the seat's name.
    std::vector<Fl_Output*> sorties = widgets<Fl_Output>(fen->gmodif);
    EXPECT_EQ(std::string(sorties.at(1)->value()), "   nord");
    choisit_ligne(liste_joueurs(fen->gmodif), 3);
    EXPECT_EQ(contr.cocos[0].joueur, 2);
    EXPECT_EQ(std::string(sorties.at(1)->value()), "  Sud");

    choisit_valeur(params, 1, 13);
    EXPECT_EQ(rec.alertes, (Alertes{I, C}));
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{12, 10}));
    rec.alertes.clear();

    // The same kind again resets the values; another kind takes its own.
    Fl_Select_Browser* kinds = liste_kinds(fen->gmodif);
    choisit_ligne(kinds, 3);
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{0, 10}));
    EXPECT_EQ(std::string(sorties.at(2)->value()), "  intervention");
    choisit_ligne(kinds, 1);
    EXPECT_EQ(contr.cocos[0].id_condition, 0);
    EXPECT_EQ(contr.cocos[0].params, (std::vector<int>{0, 0, 0}));
    listes = widgets<ListeParam>(params);
    ASSERT_EQ(listes.size(), 3u);
    EXPECT_EQ(listes[1]->h(), 140);  // 27 openings, a new choice of kind
    EXPECT_TRUE(rec.alertes.empty());

    // "Modifier" shows the list again, with the changes.
    for (Fl_Button* b : widgets<Fl_Button>(fen->gmodif))
        if (b->label() && std::string(b->label()) == "&Modifier") b->do_callback();
    Fl::check();
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_EQ(widgets<BoiteParams>(fen->gcocos).at(0)->ch, texte_params_coco(contr.cocos[0]));

    // A condition without a kind opens a form with nothing but the choosers.
    lettre(1)->do_callback();
    Fl::check();
    ASSERT_NE(fen->gmodif, nullptr);
    EXPECT_TRUE(widgets<BoutonSymb>(fen->gmodif).empty());
    EXPECT_EQ(std::string(widgets<Fl_Output>(fen->gmodif).at(2)->value()), "  non définie");
    // "Ajouter coco" from the form drops it and adds the row on the page.
    menu("&Contraintes/Ajouter coco");
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_TRUE(fen->gcontr->visible());
    EXPECT_EQ(env.page, "ajoute");
}

TEST_F(CocosGui, ATwentySeventhConditionIsRefused) {
    contr.cocos.assign(26, Condouv{5, 2, {4333}});
    menu("&Contraintes/&Montrer");
    menu("&Contraintes/Ajouter coco");
    EXPECT_EQ(rec.alertes, Alertes{alerte_27e_coco});
    EXPECT_EQ(contr.cocos.size(), 26u);
    EXPECT_EQ(env.page, "montrer");
    EXPECT_EQ(fen->gcocos->h(), 33 * 26 + 8);
}
