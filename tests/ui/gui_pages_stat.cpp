// The trick statistics page and the hand evaluation page under a virtual
// display, driven through the menu and their own widgets, with the real
// solver. DRALEN_CAPTURE=<dir> writes screenshots of both (capture.h).
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Select_Browser.H>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aides_gui.h"
#include "capture.h"
#include "condouv.h"
#include "evaluation.h"
#include "fenetre.h"
#include "gen.h"
#include "page_compare.h"
#include "page_levees.h"
#include "score.h"
#include "solveur.h"
#include "statlevees.h"
// After gtest: the drawing header brings X11's macro None.
#include <FL/fl_draw.H>

using Alertes = std::vector<std::string>;

namespace {

namespace fs = std::filesystem;
constexpr int N = 0, E = 1, S = 2;

// Every widget under g, depth first, that pred accepts.
template <class W>
std::vector<W*> tous(Fl_Group* g, const std::function<bool(W*)>& pred = nullptr) {
    std::vector<W*> r;
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* w = g->child(i);
        if (auto* x = dynamic_cast<W*>(w))
            if (!pred || pred(x)) r.push_back(x);
        if (Fl_Group* sous = w->as_group()) {
            std::vector<W*> s = tous<W>(sous, pred);
            r.insert(r.end(), s.begin(), s.end());
        }
    }
    return r;
}

// The one widget of kind W labelled `label`; null when there is none or
// more than one, so that a test never presses a look-alike.
template <class W>
W* seul_par_label(Fl_Group* g, const std::string& label) {
    std::vector<W*> r = tous<W>(g, [&](W* w) { return w->label() && label == w->label(); });
    return r.size() == 1 ? r[0] : nullptr;
}

// A click on line k (from 1) of an open list, once drawn, where it draws it.
void clic_ligne(Fl_Browser* l, int k) {
    l->window()->wait_for_expose();
    Fl::flush();
    fl_font(l->textfont(), l->textsize());
    const int y = l->y() + Fl::box_dy(FL_DOWN_BOX) + (k - 1) * fl_height() + fl_height() / 2;
    ASSERT_TRUE(dans_fenetre(l->window(), l->x() + 8, y)) << l->text(k);
    clic(l->window(), l->x() + 8, y);
}

class PagesStat : public DansRepertoireTemp {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        contr = Contraintes();
        env = Environnement();
        couleurs.assign(5, false);
        declarants.assign(5, 2);
        contres.assign(5, false);
        nbstat = 6;
        limite = 14;
        config.nbthreads = 2;
        init_solveur(2);
        fen = std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
    }
    void menu(const char* label) { choisit_menu(*fen, label); }
    void fixe(const std::string& donne) {
        std::copy(donne.begin(), donne.end(), contr.cfixees);
        contr.eff();
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

}  // namespace

TEST_F(PagesStat, TrickPageFromTheMenuToItsTablesAndBack) {
    fixe(donne_une_couleur_chacun());
    contr.numerofixe = 1;
    menu("&Statistiques/&Levées");
    ASSERT_NE(fen->gstats, nullptr);
    EXPECT_TRUE(fen->gstats->visible());
    std::vector<Choix_Stat*> lignes = tous<Choix_Stat>(fen->gstats);
    ASSERT_EQ(lignes.size(), 5u);
    EXPECT_STREQ(lignes[4]->check->label(), "Sans-atout par");
    for (Choix_Stat* l : lignes) EXPECT_STREQ(l->sel_decl->bouton->label(), "Sud");
    capture(fen.get(), "levees_page");

    Fl_Button* calculer = seul_par_label<Fl_Button>(fen->gstats, "Calculer");
    clique(calculer);
    EXPECT_EQ(rec.alertes, Alertes({"Aucune couleur choisie"}));
    EXPECT_EQ(fen->gres_lev, nullptr);

    // Spades by Nord doubled, sans-atout by Ouest: the list's lines are
    // sud, ouest, nord, est; a click on no line changes nothing.
    lignes[0]->check->value(1);
    clique(lignes[0]->check);
    lignes[0]->check_contre->value(1);
    clique(lignes[0]->check_contre);
    clique(lignes[0]->sel_decl->bouton);
    EXPECT_TRUE(lignes[0]->sel_decl->choix->Fl_Widget::visible());
    choisit_ligne(lignes[0]->sel_decl->choix, 0);
    EXPECT_TRUE(lignes[0]->sel_decl->choix->Fl_Widget::visible());
    EXPECT_EQ(declarants[0], S);
    choisit_ligne(lignes[0]->sel_decl->choix, 3);
    EXPECT_FALSE(lignes[0]->sel_decl->choix->Fl_Widget::visible());
    EXPECT_STREQ(lignes[0]->sel_decl->bouton->label(), "Nord");
    lignes[4]->check->value(1);
    clique(lignes[4]->check);
    choisit_ligne(lignes[4]->sel_decl->choix, 2);
    EXPECT_STREQ(lignes[4]->sel_decl->bouton->label(), "Ouest");
    EXPECT_EQ(couleurs, std::vector<bool>({true, false, false, false, true}));
    EXPECT_EQ(declarants, std::vector<int>({N, S, S, S, 3}));
    EXPECT_EQ(contres, std::vector<bool>({true, false, false, false, false}));

    Fl_Input_* inb = seul_par_label<Fl_Input_>(fen->gstats, "Nombre de donnes : ");
    ASSERT_NE(inb, nullptr);
    inb->value("8");
    clique(inb);
    EXPECT_EQ(nbstat, 8);

    rec.alertes.clear();
    clique(calculer);
    EXPECT_TRUE(rec.alertes.empty()) << rec.alertes[0];
    ASSERT_NE(fen->gres_lev, nullptr);
    EXPECT_FALSE(fen->gstats->visible());
    std::vector<MyTable*> tables = tous<MyTable>(fen->gres_lev);
    ASSERT_EQ(tables.size(), 2u);
    std::vector<Fl_Output*> titres = tous<Fl_Output>(
        fen->gres_lev, [](Fl_Output* o) { return o->textcolor() == 136; });
    ASSERT_EQ(titres.size(), 2u);
    EXPECT_STREQ(titres[0]->value(), "Pique par Nord, contré");
    EXPECT_STREQ(titres[1]->value(), "Sans-atout par Ouest");
    // Nord ruffs the heart lead and takes all 13; Ouest, with Nord on lead
    // and its spades, takes none.
    for (int t = 0; t < 14; ++t) {
        EXPECT_EQ(tables[0]->data[t][0], t);
        EXPECT_DOUBLE_EQ(tables[0]->pourcentage[t], 100.0) << t;
        EXPECT_DOUBLE_EQ(tables[1]->pourcentage[t], t == 0 ? 100.0 : 0.0) << t;
        if (t < 7) continue;
        EXPECT_EQ(tables[0]->data[t][2], fscore(13, t - 6, 0, false, 1)) << t;
        EXPECT_EQ(tables[0]->data[t][3], fscore(13, t - 6, 0, true, 1)) << t;
        EXPECT_EQ(tables[1]->data[t][2], fscore(0, t - 6, 4, false, 0)) << t;
        EXPECT_EQ(tables[1]->data[t][3], fscore(0, t - 6, 4, true, 0)) << t;
    }
    EXPECT_EQ(tables[0]->col_width(0), 96) << "120 - 12 per strain";
    std::vector<Fl_Output*> moyennes = tous<Fl_Output>(
        fen->gres_lev, [](Fl_Output* o) { return o->label() && std::string(o->label()) == "Moyenne : "; });
    ASSERT_EQ(moyennes.size(), 2u);
    EXPECT_STREQ(moyennes[0]->value(), "13");
    EXPECT_STREQ(moyennes[1]->value(), "0");
    EXPECT_EQ(tous<Fl_Output>(fen->gres_lev, [](Fl_Output* o) {
                  return std::string(o->value()).find("8 donnes analysées en 0'") != std::string::npos;
              }).size(),
              1u);
    capture(fen.get(), "levees_resultats");

    // Back to the page: the results go, the choices stay, the inputs show
    // the values of the moment.
    nbstat = 5;
    menu("&Statistiques/&Levées");
    EXPECT_EQ(fen->gres_lev, nullptr);
    EXPECT_TRUE(fen->gstats->visible());
    EXPECT_EQ(lignes[0]->check->value(), 1);
    EXPECT_STREQ(lignes[4]->sel_decl->bouton->label(), "Ouest");
    EXPECT_STREQ(inb->value(), "5");

    // Constraints no deal satisfies: the alert, no results.
    Condouv c;
    c.id_condition = 3;
    c.joueur = N;
    c.params = {0, 0, 5, 20, 36};
    contr = Contraintes();
    contr.cocos = {c, c};
    contr.cocos[1].params = {0, 0, 5, 0, 5};
    contr.numerofixe = 1;
    limite = 6;
    rec.alertes.clear();
    clique(calculer);
    EXPECT_EQ(rec.alertes, Alertes({message_limite_atteinte}));
    EXPECT_EQ(fen->gres_lev, nullptr);
    EXPECT_TRUE(fen->gstats->visible());
}

TEST(TablesLevees, ExpectationsAreTheExactMeanTruncated) {
    // Deals by exact trick count, 0..13; the exact mean of their scores is
    // an integer in the first case (18000 / 100) and not in the second.
    const std::vector<std::vector<int>> cas = {
        {0, 0, 0, 0, 0, 0, 0, 15, 15, 14, 15, 6, 22, 13},
        {0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0},
    };
    for (const std::vector<int>& n : cas) {
        int cumul[14];
        for (int t = 13, s = 0; t >= 0; --t) cumul[t] = s += n[static_cast<std::size_t>(t)];
        for (int niveau = 1; niveau <= 7; ++niveau)
            for (int contre = 0; contre <= 1; ++contre)
                for (bool v : {false, true}) {
                    long long total = 0;
                    for (int t = 0; t < 14; ++t)
                        total += 1LL * n[static_cast<std::size_t>(t)] * fscore(t, niveau, 4, v, contre);
                    EXPECT_EQ(esperance_tronquee(cumul, niveau, 4, v, contre), total / cumul[0])
                        << niveau << " " << contre << " " << v;
                }
    }
}

TEST_F(PagesStat, EvaluationPageRatesAHandWithoutTouchingTheUserSet) {
    // Nord: ♠AKQ2 ♥K32 ♦Q32 ♣V32, the rest free; a condition of the user's
    // own that the evaluation must neither use nor lose.
    std::string d = vide;
    for (int i : {39, 40, 41, 51, 27, 37, 38, 15, 24, 25, 3, 11, 12}) d[static_cast<std::size_t>(i)] = 'N';
    fixe(d);
    Condouv k;
    k.id_condition = 3;
    k.joueur = E;
    k.params = {0, 0, 5, 30, 36};
    contr.cocos = {k};
    contr.numerofixe = 7;
    const std::string nom = contr.nom;

    menu("&Evaluation");
    ASSERT_NE(fen->geval, nullptr);
    Fl_Output* ph = seul_par_label<Fl_Output>(fen->geval, "Points H ");
    Fl_Output* lev = seul_par_label<Fl_Output>(fen->geval, "Levées de jeux ");
    Fl_Output* hl = seul_par_label<Fl_Output>(fen->geval, "Points HL déclarant ");
    Fl_Output* hlm = seul_par_label<Fl_Output>(fen->geval, "Points HL mort ");
    ASSERT_TRUE(ph && lev && hl && hlm);
    for (Fl_Output* o : {ph, lev, hl, hlm}) EXPECT_FALSE(o->visible()) << o->label();
    capture(fen.get(), "evaluation_page");

    clique(seul_par_label<Fl_Button>(fen->geval, "Évaluation statique"));
    EXPECT_TRUE(ph->visible());
    EXPECT_EQ(ph->value(), std::to_string(points(contr.cfixees, N)));
    EXPECT_NEAR(std::stod(lev->value()), ldj(contr.cfixees, N), 0.01);

    Fl_Button* siege = seul_par_label<Fl_Button>(fen->geval, "Nord");
    ASSERT_NE(siege, nullptr);
    std::vector<Fl_Select_Browser*> listes = tous<Fl_Select_Browser>(fen->geval);
    ASSERT_EQ(listes.size(), 1u);
    choisit_ligne(listes[0], 3);
    EXPECT_STREQ(siege->label(), "Sud");
    clique(seul_par_label<Fl_Button>(fen->geval, "Points3SA"));
    EXPECT_EQ(rec.alertes, Alertes({"Il faut fixer les 13 cartes de Sud pour l'évaluer"}));
    EXPECT_EQ(ph->value(), std::string("0")) << "Sud holds no fixed card";
    EXPECT_FALSE(hl->visible());

    choisit_ligne(listes[0], 1);
    rec.alertes.clear();
    for (int fois = 0; fois < 2; ++fois) {
        clique(seul_par_label<Fl_Button>(fen->geval, "Points3SA"));
        EXPECT_TRUE(rec.alertes.empty());
        ASSERT_TRUE(hl->visible() && hlm->visible());
        EXPECT_TRUE(std::isfinite(std::stod(hl->value()))) << hl->value();
        EXPECT_TRUE(std::isfinite(std::stod(hlm->value()))) << hlm->value();
    }
    // One set of fields, however many results.
    EXPECT_EQ(tous<Fl_Output>(fen->geval).size(), 4u);
    ASSERT_EQ(contr.cocos.size(), 1u);
    EXPECT_EQ(contr.cocos[0].params, k.params);
    EXPECT_EQ(contr.numerofixe, 7);
    EXPECT_EQ(contr.nom, nom);
    EXPECT_EQ(std::string(contr.cfixees, 52), d);
    capture(fen.get(), "evaluation_resultats");

    // Est and Ouest hold every other honour: Sud cannot have 10 points.
    for (int i = 0; i < 52; ++i)
        if (d[static_cast<std::size_t>(i)] == 'V' && i % 13 < 4) d[static_cast<std::size_t>(i)] = i % 2 ? 'E' : 'O';
    fixe(d);
    limite = 6;
    clique(seul_par_label<Fl_Button>(fen->geval, "Points3SA"));
    EXPECT_TRUE(rec.alertes.empty());
    EXPECT_STREQ(hl->value(), "limite atteinte");
    EXPECT_STREQ(hlm->value(), "limite atteinte");

    // Coming back shows the current deal count.
    nbstat = 9;
    menu("&Evaluation");
    EXPECT_STREQ(seul_par_label<Fl_Input_>(fen->geval, "Nombre de donnes : ")->value(), "9");

    // A hand whose playing tricks come a hair below a hundredth shows that
    // hundredth, not the one under it.
    d = vide;
    for (int i : {5, 13, 16, 17, 22, 24, 28, 30, 33, 38, 45, 47, 49}) d[static_cast<std::size_t>(i)] = 'N';
    fixe(d);
    const float t = ldj(contr.cfixees, N);
    ASSERT_NE(static_cast<long>(t * 100), std::lround(t * 100.0)) << "not a hand of that kind";
    clique(seul_par_label<Fl_Button>(fen->geval, "Évaluation statique"));
    EXPECT_EQ(std::lround(std::stod(lev->value()) * 1000), 10 * std::lround(t * 100.0))
        << lev->value();

    // The results go once the set's hands change: Nord's ♣9 freed by a click
    // on the constraint page, the set reset, another set loaded.
    ReponsesChoix choix({(fs::path(__FILE__).parent_path().parent_path().parent_path() / "bench" /
                          "contraintes" / "entame_ouest").string()});
    const std::pair<const char*, bool> changes[] = {
        {"&Contraintes/&Montrer", true}, {"&Contraintes/&Initialiser", false}, {"&Contraintes/&Choisir", false}};
    for (const auto& [change, clic_neuf] : changes) {
        fixe(d);
        menu("&Evaluation");
        clique(seul_par_label<Fl_Button>(fen->geval, "Évaluation statique"));
        ASSERT_TRUE(ph->visible() && lev->visible());
        menu(change);
        for (Fl_Button* b : clic_neuf ? tous<Fl_Button>(fen->gmains) : std::vector<Fl_Button*>{})
            if (reinterpret_cast<fl_intptr_t>(b->user_data()) == 156) clic_sur(b);  // Nord's ♣9
        EXPECT_NE(std::string(contr.cfixees, 52), d) << change;
        menu("&Evaluation");
        EXPECT_FALSE(ph->visible() || lev->visible()) << change;
    }
}

TEST_F(PagesStat, AUserTypesAndClicksOnTheStatisticsPagesOfA1366x768Screen) {
    EcranSimule ecran(1366, 768);
    fen = std::make_unique<Fenetre>(1366, 756, "Dralen v0.36_0");
    fixe(donne_une_couleur_chacun());
    contr.numerofixe = 1;
    couleurs[4] = true;
    nb_contrats = 2, comparaison = comp_reussite;
    comp_niveau.assign(2, 3), comp_couleur.assign(2, 4), comp_declarant.assign(2, S), comp_contre.assign(2, 0);
    // Per page: the deal count typed then Enter, the limit typed alone, then
    // Ctrl+Entrée; what the page shows of the run.
    const char* const cas[3][4] = {{"&Statistiques/&Levées", "03", "12", "3 donnes analysées"},
                                   {"&Statistiques/&Comparer", "2", "11", "2 donnes analysées"},
                                   {"&Evaluation", "5", "13", "limite atteinte"}};
    Fl_Group** pages[3] = {&fen->gstats, &fen->gcompare, &fen->geval};
    for (int i = 0; i < 3; ++i) {
        // Points3SA simulates Nord's partner: Sud's cards go free.
        if (i == 2) std::replace(contr.cfixees, contr.cfixees + 52, 'S', 'V');
        menu(cas[i][0]);
        Fl_Group* g = *pages[i];
        remplace_texte(par_label(g, "Nombre de donnes : "), cas[i][1]);
        touche(fen.get(), FL_Enter);
        EXPECT_EQ(nbstat, std::stoi(cas[i][1])) << i;
        remplace_texte(par_label(g, "Limite : "), cas[i][2]);
        EXPECT_EQ(limite, 14) << i;
        touche(fen.get(), FL_Enter, FL_CTRL);
        EXPECT_EQ(limite, std::stoi(cas[i][2])) << i;
        EXPECT_EQ(par_label<Fl_Input_>(g, "Nombre de donnes : ")->value(), std::to_string(nbstat));
        EXPECT_EQ(tous<Fl_Output>(fen->gres_lev ? fen->gres_lev : g, [&](Fl_Output* o) {
                      return o->visible_r() && std::string(o->value()).find(cas[i][3]) != std::string::npos;
                  }).size(), i == 2 ? 2u : 1u) << i;
        nbstat = 6, limite = 14;
    }
    // The evaluation's seat list lies over "Évaluation statique".
    auto* liste = tous<Fl_Select_Browser>(fen->geval).at(0);
    auto* siege = static_cast<Fl_Button*>(liste->user_data());
    for (int k = 1; k <= 4; ++k) {
        clic_sur(siege);
        clic_ligne(liste, k);
        EXPECT_STREQ(siege->label(), nomjoueur[k - 1]);
    }
    // Contract 4's lists lie over the inputs below its row. Per selector,
    // the value each line stores.
    menu("&Statistiques/&Comparer");
    auto* page = static_cast<PageComparaison*>(fen->gcompare);
    clic_sur(page->bnombre);
    clic_ligne(page->lnombre, 4);
    page = static_cast<PageComparaison*>(fen->gcompare);
    ASSERT_EQ(page->lignes.size(), 4u);
    const std::vector<std::pair<std::vector<int>*, std::vector<int>>> table = {
        {&comp_niveau, {1, 2, 3, 4, 5, 6, 7}}, {&comp_couleur, {4, 0, 1, 2, 3}},
        {&comp_contre, {0, 1}}, {&comp_declarant, {2, 3, 0, 1}}};
    PageComparaison::Ligne& l = page->lignes[3];
    for (std::size_t s = 0; s < table.size(); ++s)
        for (int k = static_cast<int>(table[s].second.size()); k >= 1; --k) {
            clic_sur(l.bouton[s]);
            EXPECT_FALSE(l.liste[s]->scrollbar.visible() || l.liste[s]->hscrollbar.visible());
            clic_ligne(l.liste[s], k);
            EXPECT_EQ((*table[s].first)[3], table[s].second[static_cast<std::size_t>(k - 1)]) << k;
            EXPECT_STREQ(l.bouton[s]->label(), l.liste[s]->text(k));
        }
}
