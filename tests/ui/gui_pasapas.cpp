// The step-by-step page on a 1366×768 screen with the real solver: from
// the menu entry to "Quitter", on the deal where each seat holds one suit.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Select_Browser.H>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aides_gui.h"
#include "capture.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "page_pasapas.h"
#include "pasapas.h"
#include "solveur.h"
#include "tableaux.h"

namespace {

class PagePasAPas : public DansRepertoireTemp {
protected:
    GardeEtat garde_etat_;
    EcranSimule ecran_{1366, 768};
    void SetUp() override {
        std::filesystem::create_directory("contraintes");
        nbstat = 3;
        limite = 14;
        init_solveur(1);
        contr = Contraintes();
        pap = PasAPas();
        env = Environnement();
        fen = std::make_unique<Fenetre>(1366, 756, "Dralen v0.36_0");
        fen->wait_for_expose();  // the scroll bars are laid out when first drawn
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
        pap = PasAPas();
        contr = Contraintes();
    }
    void choisit(const char* label) {
        fen->menu->picked(fen->menu->find_item(label));
        Fl::check();
    }
    void presse(const char* label) {
        auto* b = par_label<Fl_Button>(fen->gpasapas, label);
        ASSERT_NE(b, nullptr) << label;
        b->do_callback();
        Fl::check();
    }
    // Line `ligne` of the hidden list of kind L, as a click would choose it.
    template <class L>
    void selectionne(int ligne) {
        auto l = widgets<L>(fen->gpasapas);
        ASSERT_EQ(l.size(), 1u);
        l[0]->select(ligne);
        l[0]->do_callback();
        Fl::check();
    }
    template <class L>
    std::string label_selecteur() {
        auto l = widgets<L>(fen->gpasapas);
        auto* b = static_cast<Fl_Button*>(l.at(0)->user_data());
        return b->label();
    }
    std::vector<BoutonCarte*> armees() {
        std::vector<BoutonCarte*> v;
        for (BoutonCarte* b : widgets<BoutonCarte>(fen->gpasapas))
            if (b->callback() == cb_suivante) v.push_back(b);
        return v;
    }
    // The value texts of the results column, in order.
    std::vector<std::string> valeurs() {
        std::vector<std::string> v;
        for (Fl_Output* o : widgets<Fl_Output>(fen->gpasapas))
            if (o->textsize() == 18 && o->visible()) v.push_back(o->value());
        return v;
    }

    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

}  // namespace

// An incomplete deal, or a condition without a kind, sends back to the set.
TEST_F(PagePasAPas, EntreeRefusee) {
    contr.cfixees[0] = 'S';
    choisit("&Statistiques/&Pasapas");
    EXPECT_EQ(rec.alertes, std::vector<std::string>({message_incomplete}));

    const std::string deal = donne_une_couleur_chacun();
    std::memcpy(contr.cfixees, deal.data(), 52);
    contr.cocos.push_back(Condouv{});
    choisit("&Statistiques/&Pasapas");
    EXPECT_EQ(rec.alertes,
              std::vector<std::string>({message_incomplete, alerte_coco_non_definie(0)}));
    EXPECT_EQ(fen->gpasapas, nullptr);
    ASSERT_NE(fen->gcontr, nullptr);
    EXPECT_TRUE(fen->gcontr->visible());
    EXPECT_FALSE(env.pasapas);
    EXPECT_FALSE(std::filesystem::exists(fichier_pasapas));
}

// A declarer chosen after "Évaluer": the former leader's candidates and
// values go, and the new leader is the one to play.
TEST_F(PagePasAPas, NouveauDeclarantApresEvaluation) {
    const std::string deal = donne_une_couleur_chacun();
    std::memcpy(contr.cfixees, deal.data(), 52);
    contr.eff();
    choisit("&Statistiques/&Pasapas");
    ASSERT_NE(fen->gpasapas, nullptr);
    presse("Évaluer");
    ASSERT_EQ(armees().size(), 1u);
    EXPECT_EQ(valeurs().size(), 1u);

    selectionne<SelectJoueur>(3);
    EXPECT_EQ(label_selecteur<SelectJoueur>(), "nord");
    EXPECT_TRUE(armees().empty());
    EXPECT_TRUE(valeurs().empty());
    EXPECT_STREQ(par_label<Fl_Output>(fen->gpasapas, "À jouer :")->value(), "Est");
    presse("Évaluer");
    ASSERT_EQ(armees().size(), 1u);
    EXPECT_EQ(armees()[0]->pcarte->joueur(), 1);
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(PagePasAPas, AnalyseDUnBoutALAutre) {
    const std::string deal = donne_une_couleur_chacun();
    std::memcpy(contr.cfixees, deal.data(), 52);
    contr.eff();
    contr.nom = "contraintes/mien";

    choisit("&Statistiques/&Pasapas");
    ASSERT_NE(fen->gpasapas, nullptr);
    EXPECT_TRUE(fen->gpasapas->visible());
    EXPECT_TRUE(env.pasapas);
    EXPECT_TRUE(std::filesystem::exists(fichier_pasapas));
    EXPECT_EQ(widgets<BoutonCarte>(fen->gpasapas).size(), 52u);
    EXPECT_TRUE(armees().empty());

    // 1SA by Sud, then "Évaluer": Ouest's one candidate is armed.
    selectionne<SelectNombre>(2);
    selectionne<SelectCouleur>(1);
    selectionne<SelectJoueur>(1);
    // At 1366×768 the form lies below the window: the wheel brings it up.
    for (int k = 0; k < 20; ++k) molette(fen.get(), 600, 400, 1);
    clic_sur(par_label<Fl_Button>(fen->gpasapas, "Évaluer"));
    ASSERT_EQ(armees().size(), 1u);
    // The results beside the longest hands and the rebuilt form stay in view.
    for (BoiteCarte* c : widgets<BoiteCarte>(fen->gpasapas))
        EXPECT_LE(c->x() + c->w(), fen->w - Fl::scrollbar_size());
    Fl_Button* evaluer = par_label<Fl_Button>(fen->gpasapas, "Évaluer");
    EXPECT_TRUE(dans_fenetre(fen.get(), evaluer->x(), evaluer->y() + evaluer->h()));
    EXPECT_EQ(armees()[0]->pcarte->joueur(), 3);
    EXPECT_EQ(armees()[0]->labelcolor(), 216u);
    EXPECT_EQ(valeurs(), std::vector<std::string>({"100.0 %"}));
    capture(fen.get(), "pasapas_entame");

    // Three cards: the strain and declarer are settled, the cards played grey.
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(armees().size(), 1u) << k;
        armees()[0]->do_callback();
        Fl::check();
    }
    EXPECT_TRUE(widgets<SelectCouleur>(fen->gpasapas).empty());
    EXPECT_TRUE(widgets<SelectJoueur>(fen->gpasapas).empty());
    EXPECT_STREQ(par_label<Fl_Output>(fen->gpasapas, "À jouer :")->value(), "Sud");
    for (BoutonCarte* b : widgets<BoutonCarte>(fen->gpasapas)) {
        const bool jouee = pap.dpap.jouees[b->pcarte->nofixees] != 'V';
        EXPECT_EQ(b->labelcolor(), jouee ? 25u : (b->callback() == cb_suivante ? 216u : 32u));
    }
    capture(fen.get(), "pasapas_levee");

    // "Initialiser" from its own page: the same contract, no card played.
    presse("Initialiser");
    ASSERT_NE(fen->gpasapas, nullptr);
    EXPECT_EQ(label_selecteur<SelectNombre>(), "1");
    EXPECT_TRUE(armees().empty());
    presse("Évaluer");

    // Seven tricks to the defence: the contract is down, announced once.
    for (int k = 0; k < 30; ++k) {
        ASSERT_EQ(armees().size(), 1u) << k;
        armees()[0]->do_callback();
        Fl::check();
    }
    EXPECT_EQ(rec.alertes, std::vector<std::string>({message_chute}));
    EXPECT_EQ(label_selecteur<SelectNombre>(), "0");
    EXPECT_STREQ(par_label<Fl_Output>(fen->gpasapas, "Déclarant :")->value(), "0");
    EXPECT_STREQ(par_label<Fl_Output>(fen->gpasapas, "Défense :")->value(), "7");
    // Est, in the middle of the eighth trick, is rated in expected tricks of
    // the defence: the seven won and some of the six to come.
    ASSERT_EQ(pap.vesp.size(), 1u);
    EXPECT_GE(pap.vesp[0], 7.0f);
    EXPECT_LE(pap.vesp[0], 13.0f);
    char attendu[16];
    std::snprintf(attendu, sizeof attendu, "%5.2f", static_cast<double>(pap.vesp[0]));
    EXPECT_EQ(valeurs(), std::vector<std::string>({attendu}));
    capture(fen.get(), "pasapas_esperance");

    // "Quitter": the user's set back, then a fresh analysis.
    presse("Quitter");
    EXPECT_EQ(fen->gpasapas, nullptr);
    EXPECT_FALSE(env.pasapas);
    EXPECT_EQ(contr.nom, "contraintes/mien");
    EXPECT_EQ(std::string(contr.cfixees, 52), deal);
    ASSERT_NE(fen->gcontr, nullptr);
    EXPECT_TRUE(fen->gcontr->visible());
    choisit("&Statistiques/&Pasapas");
    ASSERT_NE(fen->gpasapas, nullptr);
    EXPECT_EQ(label_selecteur<SelectNombre>(), "0");
    EXPECT_EQ(label_selecteur<SelectCouleur>(), "SA");
    EXPECT_EQ(label_selecteur<SelectJoueur>(), "sud");
    EXPECT_EQ(rec.alertes.size(), 1u);
}
