// The contract comparison page under a virtual display, driven through the
// menu and its own selectors, with the real solver. DRALEN_CAPTURE=<dir>
// writes screenshots of it (capture.h).
#include <FL/Fl.H>
#include <FL/Fl_Output.H>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aides_gui.h"
#include "capture.h"
#include "condouv.h"
#include "fenetre.h"
#include "gen.h"
#include "page_compare.h"
#include "solveur.h"
#include "statlevees.h"

using Alertes = std::vector<std::string>;

namespace {


class PageCompare : public DansRepertoireTemp {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        contr = Contraintes();
        env = Environnement();
        nb_contrats = 2;
        comparaison = comp_reussite;
        comp_niveau = {3, 3};
        comp_couleur = {4, 4};
        comp_declarant = {2, 2};
        comp_contre = {0, 0};
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
    PageComparaison* page() { return static_cast<PageComparaison*>(fen->gcompare); }
    // The figures of the results panel, in column order.
    std::vector<std::string> chiffres() {
        std::vector<std::string> r;
        if (!page()->resultats) return r;
        for (Fl_Output* o : widgets<Fl_Output>(page()->resultats))
            if (o->textcolor() == 88) r.push_back(o->value());
        return r;
    }
    std::vector<std::string> libelles(int ligne) {
        std::vector<std::string> r;
        for (Fl_Button* b : page()->lignes[static_cast<std::size_t>(ligne)].bouton)
            r.push_back(b->label());
        return r;
    }
    void mode(int m) {
        page()->modes[static_cast<std::size_t>(m)]->setonly();
        clique(page()->modes[static_cast<std::size_t>(m)]);
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

}  // namespace

TEST_F(PageCompare, FromTheMenuThroughTheModesCountsAndRefusals) {
    // The board must be fixed first; the constraint page's own name field
    // must outlive the comparison page.
    menu("&Statistiques/&Comparer");
    EXPECT_EQ(rec.alertes, Alertes({" Donneur et vulnérabilités doivent être fixés "}));
    EXPECT_EQ(fen->gcompare, nullptr);
    menu("&Contraintes/&Montrer");
    Fl_Output* nom_contraintes = fen->input_contr;
    ASSERT_NE(nom_contraintes, nullptr);
    contr.numerofixe = 5;
    rec.alertes.clear();
    menu("&Statistiques/&Comparer");
    ASSERT_NE(fen->gcompare, nullptr);
    EXPECT_TRUE(fen->gcompare->visible());
    EXPECT_FALSE(fen->gcontr->visible());
    ASSERT_EQ(page()->lignes.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(libelles(i), std::vector<std::string>({"3", "SA", "non contré", "sud"}));
    EXPECT_EQ(page()->modes[0]->value(), 1);
    EXPECT_STREQ(page()->nom->value(), contr.nom.c_str());

    // Two identical contracts make on the same deals.
    clique(page()->calculer);
    EXPECT_TRUE(rec.alertes.empty()) << rec.alertes[0];
    std::vector<std::string> c = chiffres();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0], c[1]);
    EXPECT_TRUE(std::regex_match(c[0], std::regex(R"(\d+\.\d{6} %)"))) << c[0];
    EXPECT_DOUBLE_EQ(rep[0], rep[1]);
    EXPECT_NE(par_label<Fl_Widget>(page()->resultats, "par"), nullptr);
    EXPECT_EQ(widgets<Fl_Output>(page()->resultats).size(), 3u);
    bool pied = false;
    for (Fl_Output* o : widgets<Fl_Output>(page()->resultats))
        pied |= std::string(o->value()).find(" tirages, 6 donnes analysées en 0'") != std::string::npos;
    EXPECT_TRUE(pied);
    capture(fen.get(), "comparaison_deux");

    // Deal where each seat holds a whole suit: Sud's diamonds make 7♦
    // (Ouest's clubs are ruffed), 3SA by Sud goes down to Ouest's clubs.
    // Contract 1 becomes 7 carreau by Sud, contré; a click below the
    // last line of a list changes nothing.
    const std::string d = donne_une_couleur_chacun();
    std::copy(d.begin(), d.end(), contr.cfixees);
    contr.eff();
    PageComparaison::Ligne& l0 = page()->lignes[0];
    clique(l0.bouton[sel_niveau]);
    EXPECT_TRUE(l0.liste[sel_niveau]->Fl_Widget::visible());
    capture(fen.get(), "comparaison_liste");
    choisit_ligne(l0.liste[sel_niveau], 0);
    EXPECT_FALSE(l0.liste[sel_niveau]->Fl_Widget::visible());
    EXPECT_EQ(comp_niveau[0], 3);
    choisit_ligne(l0.liste[sel_niveau], 7);
    choisit_ligne(l0.liste[sel_couleur], 4);
    choisit_ligne(l0.liste[sel_contre], 2);
    choisit_ligne(l0.liste[sel_declarant], 1);
    EXPECT_EQ(libelles(0), std::vector<std::string>({"7", "carreau", "contré", "sud"}));
    EXPECT_EQ(comp_niveau[0], 7);
    EXPECT_EQ(comp_couleur[0], 2);
    EXPECT_EQ(comp_contre[0], 1);
    EXPECT_EQ(comp_declarant[0], 2);
    Fl_Group* ancien = page()->resultats;
    clique(page()->calculer);
    EXPECT_TRUE(rec.alertes.empty());
    EXPECT_NE(page()->resultats, ancien);
    int figures = 0;
    for (Fl_Output* o : widgets<Fl_Output>(fen->gcompare)) figures += o->textcolor() == 88;
    EXPECT_EQ(figures, 2) << "one panel, replaced";
    EXPECT_EQ(rep, std::vector<double>({100.0, 0.0}));

    // The fine comparison: 7♦ alone, 3SA alone, both; a column for each.
    mode(comp_fine);
    EXPECT_EQ(comparaison, comp_fine);
    clique(page()->calculer);
    EXPECT_EQ(rep, std::vector<double>({100.0, 0.0, 0.0}));
    EXPECT_EQ(chiffres().size(), 3u);
    EXPECT_NE(par_label<Fl_Widget>(page()->resultats, "Les deux"), nullptr);
    EXPECT_NE(par_label<Fl_Widget>(page()->resultats, "seul"), nullptr);
    capture(fen.get(), "comparaison_fine");

    // Three contracts: the first two rows stay, the third starts at 3SA by
    // Sud; the mode chosen before still applies, and wants two contracts.
    choisit_ligne(page()->lnombre, 3);
    ASSERT_NE(fen->gcompare, nullptr);
    ASSERT_EQ(page()->lignes.size(), 3u);
    EXPECT_EQ(page()->resultats, nullptr);
    EXPECT_STREQ(page()->bnombre->label(), "3");
    EXPECT_EQ(libelles(0), std::vector<std::string>({"7", "carreau", "contré", "sud"}));
    EXPECT_EQ(libelles(1), std::vector<std::string>({"3", "SA", "non contré", "sud"}));
    EXPECT_EQ(libelles(2), std::vector<std::string>({"3", "SA", "non contré", "sud"}));
    EXPECT_EQ(page()->modes[comp_fine]->value(), 1);
    for (std::uintptr_t m : {comp_fine, comp_meilleur_strict}) {
        mode(static_cast<int>(m));
        rec.alertes.clear();
        clique(page()->calculer);
        EXPECT_EQ(rec.alertes, Alertes({"Uniquement pour 2 contrats"})) << m;
        EXPECT_EQ(page()->resultats, nullptr) << m;
    }

    // One of the three makes on every deal: one column.
    mode(comp_un_des);
    rec.alertes.clear();
    clique(page()->calculer);
    EXPECT_TRUE(rec.alertes.empty());
    EXPECT_EQ(chiffres().size(), 1u);
    EXPECT_EQ(rep, std::vector<double>({100.0}));
    capture(fen.get(), "comparaison_trois");

    // A level 0 never reaches the solver; a spent budget shows no figure.
    Fl_Group* dernier = page()->resultats;
    comp_niveau[2] = 0;
    clique(page()->calculer);
    EXPECT_EQ(rec.alertes, Alertes({"Contrat hors limites"}));
    EXPECT_EQ(page()->resultats, dernier);
    comp_niveau[2] = 3;
    Condouv k;
    k.id_condition = 3;
    k.joueur = 0;
    k.params = {0, 0, 5, 20, 36};
    contr = Contraintes();
    contr.cocos = {k, k};
    contr.cocos[1].params = {0, 0, 5, 0, 5};  // and at most 5: no deal
    contr.numerofixe = 5;
    limite = 4;
    rec.alertes.clear();
    clique(page()->calculer);
    EXPECT_EQ(rec.alertes, Alertes({"Limite atteinte avant terme. Augmentez la limite ou "
                                    "diminuez le nombre de donnes"}));
    EXPECT_EQ(page()->resultats, dernier);

    // Another page and back: the settings and the results stay; the name
    // field is this page's own, the constraint page's is untouched.
    menu("&Statistiques/&Levées");
    EXPECT_FALSE(fen->gcompare->visible());
    nbstat = 9;
    menu("&Statistiques/&Comparer");
    EXPECT_TRUE(fen->gcompare->visible());
    EXPECT_EQ(page()->resultats, dernier);
    EXPECT_STREQ(page()->champs.nbstat->value(), "9");
    EXPECT_NE(page()->nom, nom_contraintes);
    EXPECT_EQ(fen->input_contr, nom_contraintes);
    EXPECT_STREQ(nom_contraintes->value(), "vides");
}
