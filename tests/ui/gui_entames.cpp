// The opening-lead page under a virtual display, reached through the menu
// with a real set (Ouest's hand fixed against Sud's 1SA) and the real
// solver: the seats, the played cards, the statistic's result window, the
// comparison of two leads, and every failure as an alert, never a table.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "aleatoire.h"
#include "champ_page.h"
#include "cartes.h"
#include "entames.h"
#include "fenetre.h"
#include "gen.h"
#include "page_contraintes.h"
#include "page_entames.h"
#include "solveur.h"

namespace fs = std::filesystem;
using Alertes = std::vector<std::string>;

namespace {

const fs::path ensemble = fs::path(__FILE__).parent_path().parent_path().parent_path() / "bench" /
                          "contraintes" / "entame_ouest";

EtatSolveur echoue(const PositionDds&, int, int, int, ReponseDds&, int) {
    EtatSolveur e;
    e.ok = false;
    e.code = -2;
    e.message = "panne simulée";
    return e;
}

class EntamesGui : public DansRepertoireTemp {
protected:
    void SetUp() override {
        contr = Contraintes();
        env = Environnement();
        deja = Deja();
        nos[0] = nos[1] = -1;
        nbstat = 8;
        limite = 20;
        init_solveur(config.nbthreads);
        graine_aleatoire(11);
        fen = std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, "Dralen v0.36_0");
        Fl::check();
        ReponsesChoix choix({ensemble.string()});
        choisit("&Contraintes/&Choisir");
        ASSERT_EQ(contr.nom, ensemble.string());
        choisit("&Statistiques/&Meilleure carte");
        ASSERT_NE(fen->gentames, nullptr);
    }
    void TearDown() override {
        for (Fl_Window* w : resultats()) delete w;
        resout_entames = resout_position;
        fen.reset();
        Fl::check();
    }
    void choisit(const char* label) { choisit_menu(*fen, label); }
    void appuie(const char* label) {
        auto* b = par_label<Fl_Button>(fen->gentames, label);
        ASSERT_NE(b, nullptr) << label;
        b->do_callback();
        Fl::check();
    }
    // Opens the list of the first selector button labelled `bouton` and
    // picks a line (card buttons carry rank labels too).
    void selectionne(const char* bouton, int ligne) {
        Fl_Button* b = nullptr;
        for (Fl_Button* x : widgets<Fl_Button>(fen->gentames))
            if (!b && x->callback() == Fenetre::cb_bjoueur && std::string(x->label()) == bouton) b = x;
        ASSERT_NE(b, nullptr) << bouton;
        b->do_callback();
        auto* l = static_cast<Fl_Select_Browser*>(b->user_data());
        ASSERT_TRUE(l->Fl_Widget::visible());
        l->deselect();
        l->select(ligne);
        l->do_callback();
        EXPECT_FALSE(l->Fl_Widget::visible());
    }
    // The played-cards button of seat s (0 Nord … 3 Ouest) for card c.
    Fl_Button* carte(int s, int c) {
        const long code = 224 + s + 4 * (3 - c / 13) - 16 * (c % 13);
        for (Fl_Button* b : widgets<Fl_Button>(fen->gentames))
            if (reinterpret_cast<fl_intptr_t>(b->user_data()) == code) return b;
        return nullptr;
    }
    static std::vector<Fl_Window*> resultats() {
        std::vector<Fl_Window*> v;
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
            if (std::string(w->label() ? w->label() : "") == "Résultats entames") v.push_back(w);
        return v;
    }
    void tape(const char* label, const char* texte) {
        auto* i = par_label<Fl_Input>(fen->gentames, label);
        ASSERT_NE(i, nullptr) << label;
        i->value(texte);
        i->do_callback();
    }

    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

TEST_F(EntamesGui, ContractAndSeatsGiveTheLeadersCardsBestFirst) {
    EXPECT_EQ(env.page, "entames");
    selectionne("sud", 1);  // declarer "sud"
    EXPECT_EQ(deja.declarant, 2);
    EXPECT_EQ(deja.premier, 3);
    EXPECT_EQ(deja.joueur, 3);
    EXPECT_NE(par_label<Fl_Button>(fen->gentames, "Ouest"), nullptr);  // "Premier : "

    selectionne("0", 4);  // level 3
    selectionne("SA", 1);
    appuie("Calculer");
    ASSERT_EQ(resultats().size(), 1u);
    EXPECT_EQ(rec.alertes, Alertes{});
    auto* t = widgets<MaTable>(resultats()[0]).at(0);
    ASSERT_GT(t->rows(), 0);
    EXPECT_EQ(t->cartes, cartes_resultats(true));
    for (int i = 0; i < t->rows(); ++i) {
        const int c = t->cartes[i];
        EXPECT_EQ(contr.cfixees[c], 'O') << c;
        EXPECT_EQ(t->data[i][0], nbchutes[c] * 100 / nbstat);
        if (i == 0) continue;
        const int p = t->cartes[i - 1];
        // Most first; equal counts in index order.
        EXPECT_TRUE(nbchutes[p] > nbchutes[c] || (nbchutes[p] == nbchutes[c] && p < c)) << i;
    }
    for (int c = 0; c < 52; ++c)
        EXPECT_EQ(nblistees[c] > 0, std::count(t->cartes.begin(), t->cartes.end(), c) == 1) << c;

    // Without a contract: exactly k and at least k tricks, and the expectation.
    selectionne("3", 1);
    appuie("Calculer");
    ASSERT_EQ(resultats().size(), 2u);
    // The newest window comes first.
    auto* tt = widgets<MaaTable>(resultats()[0]).at(0);
    ASSERT_GT(tt->rows(), 0);
    for (int i = 0; i < tt->rows(); ++i) {
        const int c = tt->cartes[i];
        double somme = 0;
        for (int k = 0; k < 14; ++k) somme += k * tabstat[c][k];
        EXPECT_EQ(tt->ddata[i][0], nblistees[c]);
        EXPECT_EQ(tt->data[i][13], tabstat[c][13]);
        EXPECT_DOUBLE_EQ(tt->esp[i], somme / nbstat);
    }
}

TEST_F(EntamesGui, FailuresAreAlertsNeverATable) {
    selectionne("sud", 1);
    selectionne("0", 4);
    // Two tricks won with none played: a refused position. (The level
    // shows 3: the first "0" is the declarer's tricks.)
    selectionne("0", 3);
    appuie("Calculer");
    ASSERT_EQ(rec.alertes.size(), 1u);
    EXPECT_NE(rec.alertes[0].find("ne correspondent pas"), std::string::npos) << rec.alertes[0];
    selectionne("2", 1);

    // The solver fails: its message, once.
    resout_entames = echoue;
    appuie("Calculer");
    ASSERT_EQ(rec.alertes.size(), 2u);
    EXPECT_NE(rec.alertes[1].find("panne simulée"), std::string::npos) << rec.alertes[1];
    resout_entames = resout_position;

    // The budget spent: two draws for a 1SA opening.
    tape("Limite : ", "1");
    appuie("Calculer");
    ASSERT_EQ(rec.alertes.size(), 3u);
    EXPECT_EQ(rec.alertes[2], "nombre de donne insuffisant, vérifiez vos contraintes");

    // Nord to play after Ouest's lead holds no fixed hand: typed, then
    // Ctrl+Enter over the page from the field, which it takes first.
    tape("Limite : ", "20");
    const auto levee = widgets<ChampPage<Fl_Input>>(fen->gentames);  // suits, ranks
    remplace_texte(levee.at(0), "P");
    remplace_texte(levee.at(1), "A");
    touche(fen.get(), FL_Enter, FL_CTRL, "\r");
    EXPECT_EQ(deja.joueur, 0);
    EXPECT_EQ(rec.alertes.back(), "Le joueur n'a pas 13 cartes");
    EXPECT_EQ(rec.alertes.size(), 4u);
    EXPECT_TRUE(resultats().empty());

    // A text that names no card is refused as the field is taken, with the
    // notation, and the field shows again the text in force.
    const char* const illisibles[2][2] = {
        {"ZZZ", "« ZZZ » : les couleurs de la levée en cours s'écrivent P (pique), C (cœur), K "
                "(carreau) ou T (trèfle), une lettre par carte jouée, trois au plus"},
        {"QQQ", "« QQQ » : les rangs de la levée en cours s'écrivent A, R, D, V, X, 9 à 2 (0 : pas "
                "de carte), un caractère par carte jouée, trois au plus"}};
    for (int i = 0; i < 2; ++i) {
        remplace_texte(levee.at(i), illisibles[i][0]);
        touche(fen.get(), FL_Enter, FL_CTRL, "\r");
        EXPECT_EQ(rec.alertes.back(), illisibles[i][1]);
        EXPECT_STREQ(levee.at(i)->value(), i == 0 ? "P" : "A");
    }
    EXPECT_EQ(rec.alertes.size(), 6u);
    EXPECT_EQ(deja.ctcouleurs[0] * 100 + deja.ctranks[0], 14);
    EXPECT_TRUE(resultats().empty());
    touche(fen.get(), 'c', FL_ALT, "c");  // still the menu's "Comparer"
    EXPECT_EQ(fen->menu->mvalue(), fen->menu->find_item("&Statistiques/&Comparer"));
}

TEST_F(EntamesGui, PlayedCardsComparisonAndComingBack) {
    // Nord's ♠A fixed in the constraint page, then marked from Sud's box.
    const int as_pique = 39;
    choisit("&Contraintes/&Montrer");
    for (Fl_Button* b : widgets<Fl_Button>(fen->gmains))
        if (reinterpret_cast<fl_intptr_t>(b->user_data()) == 224) b->do_callback();
    ASSERT_EQ(contr.cfixees[as_pique], 'N');
    choisit("&Statistiques/&Meilleure carte");
    selectionne("sud", 1);
    carte(2, as_pique)->do_callback();
    EXPECT_EQ(rec.alertes, Alertes({"carte impossible"}));
    EXPECT_EQ(deja.jouees[as_pique], 'V');

    // Ouest plays a card of its own, another seat cannot, Ouest takes it back.
    const int c = numeros(contr.cfixees, 'O').front();
    carte(3, c)->do_callback();
    EXPECT_EQ(deja.jouees[c], 'O');
    EXPECT_NE(deja.dj[3][coulno(c)] & (1u << rang(c)), 0u);
    carte(1, c)->do_callback();
    EXPECT_EQ(rec.alertes.back(), std::string(vl[c % 13]) + " de " + sacouls[coulno(c) + 1] +
                                      " déjà présent en O\n");
    carte(3, c)->do_callback();
    EXPECT_EQ(deja.jouees[c], 'V');
    EXPECT_EQ(deja.fixees[c], 'O');
    EXPECT_EQ(carte(3, c)->selection_color(), couleur_fixee_ailleurs);

    // The two leads: nbstat 0 and one lead alone are refused.
    const std::size_t avant = rec.alertes.size();
    tape("Nombre de donnes : ", "0");
    EXPECT_EQ(nbstat, 8);
    selectionne("carte1", 1);
    appuie("comparer");
    EXPECT_EQ(fen->bres, nullptr);
    nbstat = 0;
    selectionne("carte2", 2);
    appuie("comparer");
    EXPECT_EQ(fen->bres, nullptr);
    ASSERT_EQ(rec.alertes.size(), avant + 3);
    EXPECT_EQ(rec.alertes[avant + 1], "Choisissez les deux entames à comparer");
    EXPECT_EQ(rec.alertes[avant + 2], "Le nombre de donnes doit être au moins 1");
    nbstat = 8;
    appuie("comparer");
    ASSERT_NE(fen->bres, nullptr);

    // Away and back: the result went with the page, the record and the
    // leads stay; two comparisons leave one result.
    choisit("&Contraintes/&Montrer");
    EXPECT_EQ(fen->bres, nullptr);
    choisit("&Statistiques/&Meilleure carte");
    EXPECT_EQ(deja.declarant, 2);
    appuie("comparer");
    appuie("comparer");
    ASSERT_NE(fen->bres, nullptr);
    const std::vector<ResCompE*> r = widgets<ResCompE>(fen->gentames);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->no, nos[0]);
    EXPECT_EQ(r[1]->no, nos[1]);
    EXPECT_LE(r[0]->gagne + r[1]->gagne, 100);
    EXPECT_EQ(rec.alertes.size(), avant + 3);

    // The lead lists open over the result's line of counts: they come
    // after it among the page's children, drawn over it and offered the
    // clicks first.
    for (BoutonSelect* b : widgets<BoutonSelect>(fen->gentames)) {
        auto* l = static_cast<Fl_Select_Browser*>(b->user_data());
        ASSERT_EQ(l->parent(), fen->gentames);
        EXPECT_GT(fen->gentames->find(l), fen->gentames->find(fen->bres));
        // The rank has a column of its own, so the suit after the tab shows.
        EXPECT_GT(l->column_widths()[0], 0);
    }
}

}  // namespace
