// The constraint editor page under a virtual display, driven through the
// menu and the page's own widgets: the card chooser, the numbering, the
// context, the calculations, loading, saving and resetting a set.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "condouv.h"
#include "contraintes.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "garde_etat.h"
#include "gen.h"
#include "page_cocos.h"
// After gtest: the toolkit's text display brings X11's macro None.
#include <FL/Fl_Text_Display.H>

namespace fs = std::filesystem;
using Alertes = std::vector<std::string>;

namespace {

const char* const OUVERTE = "Supprimer ou définir la contrainte ouverte";

// Card index of suit block b (0 ♣ … 3 ♠) and rank column k (0 ace … 12 deuce).
int index_carte(int bloc, int k) { return 13 * bloc + k; }

// A set with something in every part: two cards each to Sud and Nord, two
// conditions, a context, two calculations and a fixed dealer.
Contraintes ensemble_complet() {
    Contraintes c;
    c.cfixees[index_carte(3, 0)] = 'S';   // ♠A
    c.cfixees[index_carte(2, 1)] = 'S';   // ♥R
    c.cfixees[index_carte(0, 12)] = 'N';  // ♣2
    c.cfixees[index_carte(1, 4)] = 'N';   // ♦X
    c.numerofixe = -3;
    c.cocos = {Condouv{0, 2, {0, 14, 0}}, Condouv{0, 0, {0, 14, 0}}};
    c.con = "a ! b &";
    c.calculs = {Calcul{"nb_piques", "a b |", false}, Calcul{"deux", "a b &", false}};
    c.eff();
    return c;
}

class ContraintesGui : public DansRepertoireTemp {
protected:
    void SetUp() override {
        fs::create_directory("contraintes");
        contr = Contraintes();
        env = Environnement();
        config = Config();
        nbstat = 100;
        fen = std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
    }
    void choisit(const char* label) { choisit_menu(*fen, label); }
    // The card button of seat s (0 Nord … 3 Ouest), suit row r (0 ♠ … 3 ♣)
    // and rank column k on the page: the one whose data packs them.
    Fl_Button* carte(int s, int r, int k) {
        const long code = 224 + s + 4 * r - 16 * k;
        for (Fl_Button* b : widgets<Fl_Button>(fen->gmains))
            if (reinterpret_cast<fl_intptr_t>(b->user_data()) == code) return b;
        return nullptr;
    }
    // The board list (16 lines) and the dealer list (4 lines) of the page.
    Fl_Select_Browser* liste(int lignes) {
        for (Fl_Select_Browser* l : widgets<Fl_Select_Browser>(fen->gcontr))
            if (l->size() == lignes) return l;
        return nullptr;
    }
    static Fl_Button* bouton_de(Fl_Select_Browser* l) {
        return static_cast<Fl_Button*>(l->user_data());
    }
    void pique(Fl_Select_Browser* l, int ligne) {
        l->deselect();
        if (ligne > 0) l->select(ligne);
        l->do_callback();
    }
    void radio(const char* label) {
        auto* r = par_label<Fl_Round_Button>(fen->gcontr, label);
        ASSERT_NE(r, nullptr) << label;
        r->setonly();
        r->do_callback();
    }
    // Types into a field and leaves it.
    static void tape(Fl_Input* champ, const char* texte) {
        champ->value(texte);
        champ->do_callback();
    }
    Fl_Input* champ_calcul(int i, const char* label) {
        std::vector<Fl_Input*> v;
        for (Fl_Input* c : widgets<Fl_Input>(fen->gcalculs))
            if (std::string(c->label()) == label) v.push_back(c);
        return i < static_cast<int>(v.size()) ? v[i] : nullptr;
    }
    std::string fixees() const { return std::string(contr.cfixees, 52); }
    bool page_visible() const { return fen->gcontr && fen->gcontr->visible(); }

    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

TEST_F(ContraintesGui, CardsAreFixedFreedAndRefusedFromTheChooser) {
    const int roi_coeur = index_carte(2, 1);
    contr.cfixees[roi_coeur] = 'S';
    for (int k = 0; k < 13; ++k) contr.cfixees[index_carte(3, k)] = 'E';  // Est: 13 spades
    choisit("&Contraintes/&Montrer");
    const std::string avant = fixees();

    // Nord presses the king of hearts that Sud holds; Est a 14th card.
    Fl_Button* nord = carte(0, 1, 1);
    ASSERT_NE(nord, nullptr);
    nord->do_callback();
    carte(1, 3, 0)->do_callback();
    EXPECT_EQ(rec.alertes, Alertes({"R de cœur déjà présent en S\n", "Est a déjà 13 cartes fixées"}));
    EXPECT_EQ(fixees(), avant);
    EXPECT_EQ(nord->value(), 1);

    // Sud frees it, then Nord takes it.
    carte(2, 1, 1)->do_callback();
    EXPECT_EQ(contr.cfixees[roi_coeur], 'V');
    EXPECT_EQ(carte(2, 1, 1)->value(), 1);
    nord->do_callback();
    EXPECT_EQ(contr.cfixees[roi_coeur], 'N');
    EXPECT_EQ(nord->value(), 0);
    EXPECT_EQ(contr.nbmarquees[2], 1);  // Nord's count (order Sud, Ouest, Nord, Est)
    EXPECT_EQ(rec.alertes.size(), 2u);
}

TEST_F(ContraintesGui, ThreeFullHandsGiveTheFourthTheRestWhenThePageIsBuilt) {
    std::string d = donne_une_couleur_chacun();  // Ouest the clubs
    std::replace(d.begin(), d.end(), 'O', 'V');
    std::copy(d.begin(), d.end(), contr.cfixees);
    choisit("&Contraintes/&Montrer");
    EXPECT_EQ(fixees(), donne_une_couleur_chacun());
    for (int k = 0; k < 13; ++k) EXPECT_EQ(carte(3, 3, k)->value(), 0) << k;  // held by Ouest
}

TEST_F(ContraintesGui, NumberingFollowsTheRadioButtonsAndTheLists) {
    choisit("&Contraintes/&Montrer");
    Fl_Select_Browser* planches = liste(16);
    Fl_Select_Browser* donneurs = liste(4);
    ASSERT_TRUE(planches && donneurs);
    EXPECT_STREQ(planches->text(12), "12 O/NS");

    radio("numéro fixe");
    EXPECT_EQ(contr.numerofixe, 0);  // no board picked yet
    bouton_de(planches)->do_callback();
    pique(planches, 0);  // a click that selects no line
    EXPECT_EQ(contr.numerofixe, 0);
    EXPECT_TRUE(planches->Fl_Widget::visible());
    pique(planches, 12);
    EXPECT_EQ(contr.numerofixe, 12);
    EXPECT_STREQ(bouton_de(planches)->label(), "12");
    EXPECT_FALSE(planches->Fl_Widget::visible());

    // A dealer picked in another mode only relabels its button.
    pique(donneurs, 3);
    EXPECT_STREQ(bouton_de(donneurs)->label(), "sud");
    EXPECT_EQ(contr.numerofixe, 12);
    radio("donneur");
    pique(donneurs, 3);
    EXPECT_EQ(contr.numerofixe, -3);
    radio("numérotées à partir de 1");
    EXPECT_EQ(contr.numerofixe, 0);
}

TEST_F(ContraintesGui, ThePageShowsTheSetsNumbering) {
    struct Cas {
        int numerofixe;
        const char *radio, *planche, *donneur;
    };
    // 20 and -7 cannot come from a file (the reader refuses them) but can
    // from a set built in memory: no button names a board that is not one.
    const Cas cas[] = {{0, "numérotées à partir de 1", "", ""}, {12, "numéro fixe", "12", ""},
                       {-2, "donneur", "", "est"},              {20, "numéro fixe", "", ""},
                       {-7, "donneur", "", ""}};
    for (const Cas& c : cas) {
        contr.numerofixe = c.numerofixe;
        choisit("&Contraintes/&Montrer");
        for (Fl_Round_Button* r : widgets<Fl_Round_Button>(fen->gcontr))
            EXPECT_EQ(r->value(), std::string(r->label()) == c.radio) << c.numerofixe << r->label();
        EXPECT_STREQ(bouton_de(liste(16))->label(), c.planche) << c.numerofixe;
        EXPECT_STREQ(bouton_de(liste(4))->label(), c.donneur) << c.numerofixe;
    }
}

// A context whose operators find their operands, every letter counting, is
// stored, with one warning naming the letters that name no condition; any
// other (null) is refused and the previous one kept.
TEST_F(ContraintesGui, ContextLettersThatNameNoConditionAreReported) {
    contr.cocos = {Condouv{0, 2, {0, 14, 0}}, Condouv{0, 0, {0, 14, 0}}};
    choisit("&Contraintes/&Montrer");
    const std::pair<const char*, const char*> cas[] = {
        {"ab&", ""}, {"ab&z", "Coco inexistante : z"}, {"a b ! &", ""}, {"a{b}~", "Coco inexistante : {, }, ~"},
        {"é a", ""}, {"a&b", nullptr}, {"!A", nullptr}, {"", ""}, {"abc&|", "Coco inexistante : c"}, {"Non", ""}};
    for (const auto& [texte, avertit] : cas) {
        rec.alertes.clear();
        const std::string avant = contr.con;
        tape(fen->ialg, texte);
        EXPECT_EQ(rec.alertes, !avertit ? Alertes{alerte_formule_postfixe(texte)} : *avertit ? Alertes{avertit} : Alertes{});
        EXPECT_EQ(contr.con, avertit ? texte : avant);
        EXPECT_EQ(fen->ialg->value(), contr.con);
    }
}

TEST_F(ContraintesGui, CalculationsAreAddedNamedAndDeleted) {
    contr.cocos.assign(3, Condouv{0, 2, {0, 14, 0}});
    // Before any page: the entry builds it.
    choisit("&Contraintes/Ajouter calcul");
    ASSERT_TRUE(page_visible());
    ASSERT_EQ(contr.calculs.size(), 1u);
    EXPECT_EQ(fen->gcalculs->y(), 370 + 33 * 3);
    EXPECT_EQ(fen->gcalculs->h(), 41);
    EXPECT_STREQ(champ_calcul(0, "algèbre")->value(), "");

    tape(champ_calcul(0, "nom"), "nb piques");
    EXPECT_EQ(contr.calculs[0].nom, "nb_piques");
    EXPECT_STREQ(champ_calcul(0, "nom")->value(), "nb piques");
    tape(champ_calcul(0, "algèbre"), "a dB|&");
    EXPECT_EQ(rec.alertes, Alertes({"Coco inexistante : d, B"}));
    tape(champ_calcul(0, "algèbre"), "a !b &");
    EXPECT_EQ(contr.calculs[0].alg, "a !b &");
    rec.alertes.clear();
    choisit("&Contraintes/Ajouter calcul");
    tape(champ_calcul(1, "nom"), "deux");

    // Refused while a condition is open.
    env.page = "ajoute";
    par_label<Fl_Button>(fen->gcalculs, "X")->do_callback();
    EXPECT_EQ(rec.alertes, Alertes({OUVERTE}));
    EXPECT_EQ(contr.calculs.size(), 2u);

    // Deleting A: the former B is shown as A.
    env.page = "montrer";
    par_label<Fl_Button>(fen->gcalculs, "X")->do_callback();
    Fl::check();
    ASSERT_EQ(contr.calculs.size(), 1u);
    EXPECT_STREQ(champ_calcul(0, "nom")->value(), "deux");
    EXPECT_EQ(par_label<Fl_Box>(fen->gcalculs, "B"), nullptr);

    // A 27th is refused.
    contr.calculs.assign(26, Calcul{});
    choisit("&Contraintes/Ajouter calcul");
    EXPECT_EQ(contr.calculs.size(), 26u);
    EXPECT_EQ(rec.alertes.size(), 2u);
}

TEST_F(ContraintesGui, DeletingACalculationWarnsWhenLaterFormulasNameShiftedLetters) {
    struct Cas {
        int supprime;
        const char* formule_c;
        bool avertit;
    };
    const Cas cas[] = {
        {0, "a b &", false},  // lower-case letters only
        {0, "B !", true},     // names B, which becomes A
        {1, "A !", false},    // A keeps its letter
        {2, "A B &", false},  // nothing after C
    };
    for (const Cas& c : cas) {
        contr.calculs = {Calcul{"x", "a", false}, Calcul{"y", "b", false},
                         Calcul{"z", c.formule_c, false}};
        choisit("&Contraintes/&Montrer");
        rec.alertes.clear();
        std::vector<Fl_Button*> x;
        for (Fl_Button* b : widgets<Fl_Button>(fen->gcalculs))
            if (std::string(b->label()) == "X") x.push_back(b);
        ASSERT_EQ(x.size(), 3u);
        x[c.supprime]->do_callback();
        EXPECT_EQ(rec.alertes.size(), c.avertit ? 1u : 0u) << c.formule_c;
        EXPECT_EQ(contr.calculs.size(), 2u);
    }
}

TEST_F(ContraintesGui, ASetSavedResetAndLoadedComesBackWhole) {
    contr = ensemble_complet();
    const std::string attendu = texte_contraintes(contr, "contraintes/essai");
    ReponsesChoix choix({"contraintes/essai", "contraintes/essai"});
    choisit("&Contraintes/&Montrer");
    // The context is still being typed when the entry is chosen.
    contr.con = "";
    fen->ialg->value("a ! b &");
    fen->ialg->set_changed();
    ASSERT_TRUE(fen->ialg->take_focus());
    choisit("&Contraintes/&Enregistrer");
    EXPECT_EQ(choix.titres.back(), "Choisissez un nom de fichier");
    EXPECT_EQ(choix.initiaux.back(), "vides");
    EXPECT_STREQ(fen->input_contr->value(), "contraintes/essai");
    EXPECT_EQ(lit_fichier("contraintes/essai"), attendu);

    choisit("&Contraintes/&Initialiser");
    EXPECT_TRUE(page_visible());
    EXPECT_EQ(texte_contraintes(contr, "x"), texte_contraintes(Contraintes(), "x"));
    EXPECT_STREQ(fen->ialg->value(), "");

    choisit("&Contraintes/&Choisir");
    EXPECT_EQ(choix.titres.back(), "donnes_dds");
    EXPECT_EQ(texte_contraintes(contr, "contraintes/essai"), attendu);
    EXPECT_EQ(contr.nom, "contraintes/essai");
    EXPECT_TRUE(page_visible());
    EXPECT_STREQ(fen->ialg->value(), "a ! b &");
    EXPECT_EQ(fen->gcocos->h(), 33 * 2 + 8);
    EXPECT_STREQ(champ_calcul(1, "nom")->value(), "deux");
    EXPECT_STREQ(bouton_de(liste(4))->label(), "sud");
    EXPECT_EQ(carte(2, 0, 0)->value(), 0);  // ♠A held by Sud
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(ContraintesGui, FailedLoadsAndSavesKeepTheSetAndItsName) {
    ecrit_fichier("contraintes/faux", "fichier_de_contraintes\nnumero 40\n");
    contr = ensemble_complet();
    const std::string avant = texte_contraintes(contr, "x");
    choisit("&Contraintes/&Montrer");
    ReponsesChoix choix({"contraintes/faux", "contraintes/absent", "pas/de/dossier/essai"});
    for (const char* chemin : {"contraintes/faux", "contraintes/absent"}) {
        rec.alertes.clear();
        choisit("&Contraintes/&Choisir");
        ASSERT_EQ(rec.alertes.size(), 1u) << chemin;
        EXPECT_EQ(rec.alertes[0].rfind(std::string(chemin) + " : ", 0), 0u) << rec.alertes[0];
        EXPECT_NE(rec.alertes[0].find("conservées"), std::string::npos) << rec.alertes[0];
        EXPECT_EQ(texte_contraintes(contr, "x"), avant) << chemin;
        EXPECT_TRUE(page_visible()) << chemin;
    }
    rec.alertes.clear();
    choisit("&Contraintes/&Enregistrer");
    EXPECT_EQ(rec.alertes.size(), 1u);
    EXPECT_EQ(contr.nom, "vides");
    EXPECT_STREQ(fen->input_contr->value(), "vides");

    // A cancelled choice leaves the window empty.
    choisit("&Contraintes/&Choisir");
    EXPECT_FALSE(page_visible());
    EXPECT_FALSE(fen->btitre->visible());
}

TEST_F(ContraintesGui, AnOpenConditionBlocksTheRebuildButNotALoadOrAReset) {
    ecrit_fichier("contraintes/un", "fichier_de_contraintes\nnumero 5\n");
    choisit("&Contraintes/&Montrer");
    contr.cocos.push_back(Condouv{});
    env.page = "ajoute";
    Fl_Group* page = fen->gcontr;
    choisit("&Contraintes/&Montrer");
    EXPECT_EQ(rec.alertes, Alertes({OUVERTE}));
    EXPECT_EQ(fen->gcontr, page);

    // Loading replaces the set and its open row: the page is rebuilt.
    ReponsesChoix choix({"contraintes/un"});
    choisit("&Contraintes/&Choisir");
    EXPECT_EQ(env.page, "montrer");
    EXPECT_TRUE(contr.cocos.empty());
    EXPECT_EQ(contr.numerofixe, 5);
    EXPECT_NE(fen->gcontr, page);
    EXPECT_TRUE(page_visible());

    contr.cocos.push_back(Condouv{});
    env.page = "ajoute";
    choisit("&Contraintes/&Initialiser");
    EXPECT_EQ(env.page, "montrer");
    EXPECT_TRUE(contr.cocos.empty());
    EXPECT_TRUE(page_visible());
    EXPECT_EQ(rec.alertes.size(), 1u);
}

TEST_F(ContraintesGui, ARebuiltPageReplacesTheOldOneWhole) {
    choisit("&Contraintes/&Montrer");
    const int enfants = fen->children();
    for (int i = 0; i < 3; ++i) choisit("&Contraintes/&Montrer");
    Fl::check();
    EXPECT_EQ(fen->children(), enfants);
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(fen->gmains), static_cast<Fl_Widget*>(fen->gcocos),
                         static_cast<Fl_Widget*>(fen->gcalculs), static_cast<Fl_Widget*>(fen->input_contr),
                         static_cast<Fl_Widget*>(fen->ialg), static_cast<Fl_Widget*>(fen->inbstat)})
        EXPECT_TRUE(w && fen->gcontr->contains(w));
    EXPECT_EQ(fen->child(fen->children() - 1), fen->menu);  // the bar over the page

    // The statistics input is the shared one: 0 is refused, the old value shown again.
    EXPECT_STREQ(fen->inbstat->value(), "100");
    tape(fen->inbstat, "0");
    EXPECT_EQ(nbstat, 100);
    EXPECT_STREQ(fen->inbstat->value(), "100");
    EXPECT_EQ(rec.alertes.size(), 1u);
    tape(fen->inbstat, "250");
    EXPECT_EQ(nbstat, 250);
}

// What is typed in a field and not yet confirmed by leaving it is kept when
// a menu entry rebuilds the page or a list.
TEST_F(ContraintesGui, AFieldBeingEditedKeepsItsTextWhenThePageChanges) {
    contr.calculs = {Calcul{}};
    choisit("&Contraintes/&Montrer");
    struct Cas {
        Fl_Input* champ;
        const char* entree;
        std::string (*stocke)();
    };
    const Cas cas[] = {
        {champ_calcul(0, "nom"), "&Contraintes/Ajouter calcul", [] { return contr.calculs[0].nom; }},
        {fen->ialg, "&Contraintes/&Montrer", [] { return contr.con; }},
    };
    for (const Cas& c : cas) {
        c.champ->value("abc");
        c.champ->set_changed();
        ASSERT_TRUE(c.champ->take_focus());
        choisit(c.entree);
        EXPECT_EQ(c.stocke(), "abc") << c.entree;
    }
}

TEST_F(ContraintesGui, CheckingTheDefaultBoxRewritesTheConfiguration) {
    const std::string ini = "#contraintes par défaut\ncontraintes/libre\n#nombre de threads\n2\n";
    ecrit_fichier("dralen.ini", ini);
    config.nomcontr = "contraintes/libre";
    contr.nom = "contraintes/essai";
    choisit("&Contraintes/&Montrer");
    auto* bdef = par_label<Fl_Check_Button>(fen->gcontr, "Contraintes par défaut");
    ASSERT_NE(bdef, nullptr);
    EXPECT_EQ(bdef->value(), 0);
    bdef->value(1);
    bdef->do_callback();
    EXPECT_EQ(config.nomcontr, "contraintes/essai");
    const std::string attendu = "#contraintes par défaut\ncontraintes/essai\n#nombre de threads\n2\n";
    EXPECT_EQ(lit_fichier("dralen.ini"), attendu);
    EXPECT_FALSE(fs::exists("temp"));

    // Unchecking keeps the default; the page of the default set shows it checked.
    bdef->value(0);
    bdef->do_callback();
    EXPECT_EQ(lit_fichier("dralen.ini"), attendu);
    choisit("&Contraintes/&Montrer");
    EXPECT_EQ(par_label<Fl_Check_Button>(fen->gcontr, "Contraintes par défaut")->value(), 1);
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(ContraintesGui, TheExampleFixedDealIsAnalysedAfterChoisir) {
    const fs::path exemple = fs::path(__FILE__).parent_path().parent_path().parent_path() / "exemple";
    fs::copy(exemple, ".", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ReponsesChoix choix({"contraintes/donne_fixee"});
    choisit("&Contraintes/&Choisir");
    for (char s : std::string("NESO")) EXPECT_EQ(std::count(contr.cfixees, contr.cfixees + 52, s), 13);

    choisit("&DDS/Tableau");
    Fl_Window* tableau = nullptr;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w->label() && std::string(w->label()) == "Tableau DDS") tableau = w;
    ASSERT_NE(tableau, nullptr);
    tableau->hide();
    Fl::delete_widget(tableau);

    choisit("&DDS/&Analyse");
    ASSERT_NE(fen->gjdds, nullptr);
    EXPECT_TRUE(fen->gjdds->visible());
    EXPECT_TRUE(rec.alertes.empty());
}

// What runs is what the page shows: Enter takes a field (a refused formula
// gives the previous one back), the menu the field still being edited.
TEST_F(ContraintesGui, TheStatisticsCountWhatWasTyped) {
    GardeEtat garde;
    std::memcpy(contr.cfixees, donne_une_couleur_chacun().data(), 52);
    contr.cocos = {Condouv{9, 0, {0, 2, 14, 13, 13}}};  // Nord holds the spades: always true
    contr.con = "a !";
    contr.calculs = {Calcul{"toujours", "a !", false}};
    limite = 10;
    choisit("&Contraintes/&Montrer");
    remplace_texte(champ_calcul(0, "algèbre"), "a|");
    touche(fen.get(), FL_Enter);
    EXPECT_EQ(rec.alertes, Alertes({alerte_formule_postfixe("a|")}));
    touche(fen.get(), FL_BackSpace, 0, "\b");  // "a !" is back: "a " now
    touche(fen.get(), FL_Enter);
    EXPECT_EQ(contr.calculs[0].alg, "a ");
    remplace_texte(fen->ialg, "a");
    remplace_texte(fen->inbstat, "6");
    choisit("&Statistiques/&Calculer");
    Fl_Window* res = Fl::first_window();
    ASSERT_STREQ(res->label(), "Résultats statistique");
    auto* affichage = dynamic_cast<Fl_Text_Display*>(res->child(0));
    ASSERT_NE(affichage, nullptr);
    char* brut = affichage->buffer()->text();
    const std::string texte = brut;
    std::free(brut);
    EXPECT_EQ(texte.rfind("Nombre de mains : 6\nMains contexte : 6\ntoujours : 6 ", 0), 0u) << texte;
    res->do_callback();
    // The next entry runs after a warning, and refuses a context that can
    // never hold.
    remplace_texte(fen->ialg, "aa!&z");
    choisit("&Statistiques/&Calculer");
    EXPECT_EQ(rec.alertes, Alertes({alerte_formule_postfixe("a|"), "Coco inexistante : z",
                                    "Contexte « aa!&z » jamais vrai : il est faux quelles que soient "
                                    "les valeurs de ses conditions ; aucune donne tirée"}));
}

// Keys pressed inside a field, its text selected: a key the menu shows runs
// its entry, the field taken first; Ctrl+V stays the field's; no control
// character gets in, typed or pasted.
TEST_F(ContraintesGui, KeysPressedInsideAField) {
    // No results yet: the distribution page's inputs are its bounds.
    const auto borne = [&] { return widgets<Fl_Input>(fen->gdistribution).at(1); };
    // The field's page, the field, what it gives once "07" is taken.
    const std::tuple<const char*, std::function<Fl_Input*()>, std::function<std::string()>, const char*> champs[] = {
        {"&Contraintes/&Montrer", [&] { return champ_calcul(0, "algèbre"); }, [] { return contr.calculs[0].alg; }, "07"},
        {"&Contraintes/&Montrer", [&] { return fen->inbstat; }, [] { return std::to_string(nbstat); }, "7"},
        {"&Probabilités/Distribution", borne, [&] { return std::string(borne()->value()); }, " 7"}};
    const std::tuple<int, const char*, const char*> cles[] = {{'m', "\r", "&Contraintes/&Montrer"},
        {'a', "\x01", "&Générateur/&Afficher"}, {'c', "\x03", "&Contraintes/&Choisir"}, {'v', "\x16", nullptr}};
    for (const auto& [page, champ, pris, attendu] : champs)
        for (const auto& [cle, texte, entree] : cles) {
            contr.calculs = {Calcul{"x", "a !", false}};
            nbstat = 100;
            choisit(page);
            remplace_texte(champ(), "07");
            touche(fen.get(), FL_Home, FL_SHIFT);
            Fl::copy("\r07\n", 4, 1);
            fen->menu->value(static_cast<const Fl_Menu_Item*>(nullptr));
            touche(fen.get(), cle, FL_CTRL, texte);
            EXPECT_EQ(fen->menu->mvalue(), entree ? fen->menu->find_item(entree) : nullptr) << page << cle;
            if (!entree) touche(fen.get(), FL_Enter, 0, "\r");
            EXPECT_EQ(pris(), attendu) << page << cle;
        }
    // A read-only text and the lead page's help take the keyboard when
    // clicked, the help and a field also when an alert closed with the mouse
    // gives it back: the menu's keys still work from them. A field's alert
    // shows once, and fits a 1366-pixel screen.
    const std::tuple<const char*, std::function<void()>, std::size_t, int, const char*, const char*> textes[] = {
        {"&Contraintes/&Montrer", [&] { clic_sur(fen->input_contr); }, 0, 'a', "\x01", "&Générateur/&Afficher"},
        {"&Statistiques/&Meilleure carte", [&] { clic_sur(widgets<Fl_Text_Display>(fen->gentames).at(0)); }, 0,
         'a', "\x01", "&Générateur/&Afficher"},
        {"&Statistiques/&Meilleure carte", [&] { clic_sur(par_label<Fl_Button>(fen->gentames, "Calculer")); }, 1,
         'c', "\x03", "&Contraintes/&Choisir"},
        {"&Contraintes/&Montrer", [&] { remplace_texte(fen->ialg, "ab&&"); touche(fen.get(), FL_Enter, 0, "\r"); },
         1, 'c', "\x03", "&Contraintes/&Choisir"}};
    for (const auto& [page, prend, alertes, cle, texte, entree] : textes) {
        choisit(page);
        RepondDialogues fermer(0, "Fermer");
        prend();
        ASSERT_EQ(fermer.vus.size(), alertes) << page;
        for (const auto& vu : fermer.vus) EXPECT_TRUE(vu.largeur <= 1366 && vu.droite <= Fl::w()) << vu.texte;
        fen->menu->value(static_cast<const Fl_Menu_Item*>(nullptr));
        touche(fen.get(), cle, FL_CTRL, texte);
        EXPECT_EQ(fen->menu->mvalue(), fen->menu->find_item(entree)) << page << cle;
    }
}

// "Enregistrer" replaces the set's own file at once, asks before replacing
// any other, and never replaces a file without write permission.
TEST_F(ContraintesGui, SavingOverAFileAsksOrRefuses) {
    for (const char* f : {"contraintes/siennes", "contraintes/autre", "contraintes/protege", "dralen.ini"})
        ecrit_fichier(f, "ancien\n");
    fs::permissions("contraintes/protege", fs::perms::owner_read);
    contr.nom = "contraintes/siennes";
    choisit("&Contraintes/&Montrer");
    struct Cas {
        const char* chemin;
        bool oui, question, alerte, remplace;
    } const cas[] = {{"contraintes/siennes", false, false, false, true},
                     {"contraintes/autre", false, true, false, false},
                     {"contraintes/autre", true, true, false, true},
                     {"contraintes/protege", true, false, true, false},
                     {"dralen.ini", false, true, false, false}};
    for (const Cas& c : cas) {
        ReponsesChoix choix({c.chemin});
        ReponsesQuestions reponses({c.oui});
        rec.alertes.clear();
        const std::string avant = lit_fichier(c.chemin);
        choisit("&Contraintes/&Enregistrer");
        ASSERT_EQ(reponses.questions.size(), c.question ? 1u : 0u) << c.chemin;
        if (c.question) {
            EXPECT_NE(reponses.questions[0].find(c.chemin), std::string::npos);
        }
        EXPECT_EQ(rec.alertes.size(), c.alerte ? 1u : 0u) << c.chemin;
        EXPECT_EQ(lit_fichier(c.chemin), c.remplace ? texte_contraintes(contr, c.chemin) : avant);
    }
}

// A full set on a 1366 × 768 screen: the last calculation and the last
// condition are reached with the mouse wheel, and the lists open whole.
TEST_F(ContraintesGui, EveryRowIsReachedByScrollingOnASmallScreen) {
    EcranSimule ecran(1366, 768);
    fen = std::make_unique<Fenetre>(1366, 756, "Dralen v0.36_0");
    Fl_Window* w = fen.get();
    w->wait_for_expose();  // a list's scrollbar is settled when it is drawn
    contr.cocos.assign(26, Condouv{0, 2, {0, 14, 0}});
    contr.calculs.assign(26, Calcul{"x", "a", false});
    choisit("&Contraintes/&Montrer");
    const auto vu = [&](Fl_Widget* x) { return x->y() >= fen->gcontr->y() && x->y() + x->h() <= w->h(); };
    clic_sur(bouton_de(liste(4)));
    EXPECT_TRUE(liste(4)->Fl_Widget::visible() && !liste(4)->scrollbar.visible());  // 4 dealers fit

    Fl_Input* derniere = champ_calcul(25, "algèbre");
    for (int i = 0; i < 200 && !vu(derniere); ++i) molette(w, 700, 400, 1);
    ASSERT_TRUE(vu(derniere));
    remplace_texte(derniere, "a!");
    touche(w, FL_Enter);
    EXPECT_EQ(contr.calculs[25].alg, "a!");
    Fl_Button* z = par_label<Fl_Button>(fen->gcocos, "z");
    for (int i = 0; i < 200 && !vu(z); ++i) molette(w, 700, 400, -1);
    ASSERT_TRUE(vu(z));
    clic_sur(z);
    EXPECT_STREQ(widgets<Fl_Output>(fen->gmodif).at(0)->value(), "Modification de la coco z");

    // A 7th row added on the page scrolled down: the list rebuilt stays
    // under the hands, and the row's kind list comes into view whole, over
    // the calculations, and takes a click.
    contr.cocos.resize(6);
    choisit("&Contraintes/&Montrer");
    const int sous_les_mains = fen->gcocos->y() - fen->gmains->y();
    molette(w, 700, 400, 100);
    touche(w, 'o', FL_CTRL);
    EXPECT_EQ(fen->gcocos->y() - fen->gmains->y(), sous_les_mains);
    clic_sur(widgets<SortieChoix>(fen->gcocos).at(0));
    Fl_Select_Browser* kinds = widgets<Fl_Select_Browser>(fen->gcocos).back();
    ASSERT_TRUE(kinds->Fl_Widget::visible() && vu(kinds));
    clic(w, kinds->x() + 20, kinds->y() + 8);
    EXPECT_EQ(contr.cocos[6].id_condition, 0);
    EXPECT_TRUE(rec.alertes.empty());
}

}  // namespace
