// The main window under a virtual display: its menu, shortcuts, guards,
// quitting, page clearing and the start of the program.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Item.H>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "condouv.h"
#include "fenetre.h"
#include "gen.h"

namespace fs = std::filesystem;
using Alertes = std::vector<std::string>;

namespace {


// The menu as the user sees it, written from the design rather than taken
// from the code: label, shortcut, and whether the callback gets the window.
struct Attendu {
    const char* label;
    int shortcut;
    bool fenetre;
};
const Attendu menu_attendu[21] = {
    {"D&ralen/&configurer", 0x40000 + 'u', false},
    {"D&ralen/&quitter", 0x40000 + 'q', true},
    {"&Contraintes/&Initialiser", 0x40000 + 'i', true},
    {"&Contraintes/&Montrer", 0x40000 + 'm', true},
    {"&Contraintes/&Enregistrer", 0x40000 + 'e', true},
    {"&Contraintes/&Choisir", 0x40000 + 'c', true},
    {"&Contraintes/Ajouter coco", 0x40000 + 'o', true},
    {"&Contraintes/Ajouter calcul", 0, true},
    {"&Générateur/&Options", 0x40000 + 'o', false},
    {"&Générateur/&Afficher", 0x40000 + 'a', true},
    {"&Générateur/&Crée pdf", 0x40000 + 'p', false},
    {"&DDS/&Analyse", 0x40041, true},
    {"&DDS/Tableau", 0, false},
    {"&Statistiques/&Comparer", 0x80000 + 'c', true},
    {"&Statistiques/&Levées", 0x80000 + 'l', true},
    {"&Statistiques/&Meilleure carte", 0x80000 + 'e', true},
    {"&Statistiques/&Pasapas", 0, true},
    {"&Statistiques/&Calculer", 0, true},
    {"&Probabilités/Calculer", 0x80043, false},
    {"&Probabilités/Distribution", 0, true},
    {"&Evaluation", 0, true},
};

// A group that reports its own destruction.
template <class Base>
struct Sonde : Base {
    bool* detruit;
    // A new group opens itself to children: close it so the next one is
    // the window's child, not this one's.
    Sonde(bool* flag) : Base(0, 30, 100, 100), detruit(flag) { this->end(); }
    ~Sonde() override { *detruit = true; }
};

class FenetreGui : public DansRepertoireTemp {
protected:
    void SetUp() override {
        contr = Contraintes();
        env = Environnement();
        fen = std::make_unique<Fenetre>(1000, 800, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
    }
    const Fl_Menu_Item* item(const char* label) { return fen->menu->find_item(label); }
    void choisit(const char* label) {
        const Fl_Menu_Item* it = item(label);
        ASSERT_NE(it, nullptr) << label;
        fen->menu->picked(it);
        Fl::check();
    }
    // Sends a key press as the X server delivers it: the key's lower-case
    // symbol, the modifiers, and the text it produces.
    void touche(int cle, int etat, const char* texte) {
        fen->menu->value(static_cast<const Fl_Menu_Item*>(nullptr));
        static char tampon[8];
        std::strcpy(tampon, texte);
        Fl::e_keysym = cle;
        Fl::e_state = etat;
        Fl::e_text = tampon;
        Fl::e_length = static_cast<int>(std::strlen(tampon));
        Fl::handle(FL_KEYBOARD, fen.get());
        Fl::check();
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

TEST_F(FenetreGui, MenuHoldsTheTwentyOneEntriesInOrderWithTheirShortcuts) {
    Fl_Menu_Bar* m = fen->menu;
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->x(), 0);
    EXPECT_EQ(m->y(), 0);
    EXPECT_EQ(m->Fl_Widget::w(), 1000);
    EXPECT_EQ(m->Fl_Widget::h(), 28);

    int precedent = -1;
    for (const Attendu& a : menu_attendu) {
        const Fl_Menu_Item* it = m->find_item(a.label);
        ASSERT_NE(it, nullptr) << a.label;
        EXPECT_EQ(it->shortcut(), a.shortcut) << a.label;
        EXPECT_NE(it->callback(), nullptr) << a.label;
        const int index = m->find_index(a.label);
        EXPECT_GT(index, precedent) << a.label << " is out of order";
        precedent = index;
    }

    // Nothing else: count the entries that run something (submenu titles
    // and their terminators do not).
    int entrees = 0;
    for (int i = 0; i < m->size(); ++i) {
        const Fl_Menu_Item& it = m->menu()[i];
        if (it.label() && !it.submenu()) ++entrees;
    }
    EXPECT_EQ(entrees, 21);
}

TEST_F(FenetreGui, EachShortcutRunsItsEntry) {
    // key symbol, modifiers, text the X server gives, entry expected to run.
    struct Cas {
        int cle;
        int etat;
        const char* texte;
        const char* entree;
    };
    const Cas cas[] = {
        {'u', FL_CTRL, "\x15", "D&ralen/&configurer"},
        {'i', FL_CTRL, "\x09", "&Contraintes/&Initialiser"},
        {'m', FL_CTRL, "\x0d", "&Contraintes/&Montrer"},
        {'e', FL_CTRL, "\x05", "&Contraintes/&Enregistrer"},
        {'c', FL_CTRL, "\x03", "&Contraintes/&Choisir"},
        {'o', FL_CTRL, "\x0f", "&Contraintes/Ajouter coco"},
        {'a', FL_CTRL, "\x01", "&Générateur/&Afficher"},
        {'p', FL_CTRL, "\x10", "&Générateur/&Crée pdf"},
        {'a', FL_CTRL | FL_SHIFT, "\x01", "&DDS/&Analyse"},
        {'c', FL_ALT, "c", "&Statistiques/&Comparer"},
        {'l', FL_ALT, "l", "&Statistiques/&Levées"},
        {'e', FL_ALT, "e", "&Statistiques/&Meilleure carte"},
        {'c', FL_ALT | FL_SHIFT, "C", "&Probabilités/Calculer"},
    };
    // A key that opens a menu instead of running an entry would wait for
    // the user for ever: fail loudly instead.
    alarm(20);
    testing::internal::CaptureStdout();
    for (const Cas& c : cas) {
        touche(c.cle, c.etat, c.texte);
        EXPECT_EQ(fen->menu->mvalue(), item(c.entree)) << c.entree;
        EXPECT_TRUE(fen->shown()) << c.entree;
    }
    testing::internal::GetCapturedStdout();
    alarm(0);
}

TEST_F(FenetreGui, CtrlOAddsAConditionNeverTheOptionsForm) {
    testing::internal::CaptureStdout();
    touche('o', FL_CTRL, "\x0f");
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(fen->menu->mvalue(), item("&Contraintes/Ajouter coco"));
    // Without a constraint page the entry says so and shows the page instead.
    EXPECT_EQ(sortie, "pas de gcontr\n");
    EXPECT_TRUE(contr.cocos.empty());
}

TEST_F(FenetreGui, CtrlQQuitsAndWrites) {
    fs::create_directory("contraintes");
    touche('q', FL_CTRL, "\x11");
    EXPECT_FALSE(fen->shown());
    EXPECT_TRUE(fs::exists("contraintes/perso"));
}

TEST_F(FenetreGui, StartShowsOnlyMenuAndTitle) {
    EXPECT_TRUE(fen->shown());
    EXPECT_STREQ(fen->label(), "Dralen v0.36_0");
    EXPECT_EQ(fen->children(), 2);

    Fl_Box* t = fen->btitre;
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->label(), "DRALEN, générateur et calculateur pour le bridge");
    // (w/5, h/4) and (3w/5) × (h/3) for 1000 × 800.
    EXPECT_EQ(t->x(), 200);
    EXPECT_EQ(t->y(), 200);
    EXPECT_EQ(t->Fl_Widget::w(), 600);
    EXPECT_EQ(t->Fl_Widget::h(), 266);
    EXPECT_TRUE(t->align() & FL_ALIGN_WRAP);
    EXPECT_EQ(fen->resizable(), t);
    EXPECT_TRUE(t->visible());

    for (Fl_Widget* page : {static_cast<Fl_Widget*>(fen->gcontr), static_cast<Fl_Widget*>(fen->scroll),
                            static_cast<Fl_Widget*>(fen->gjdds), static_cast<Fl_Widget*>(fen->gcompare),
                            static_cast<Fl_Widget*>(fen->gstats), static_cast<Fl_Widget*>(fen->gres_lev),
                            static_cast<Fl_Widget*>(fen->gmodif), static_cast<Fl_Widget*>(fen->gentames),
                            static_cast<Fl_Widget*>(fen->gpasapas),
                            static_cast<Fl_Widget*>(fen->gdistribution),
                            static_cast<Fl_Widget*>(fen->geval)})
        EXPECT_EQ(page, nullptr);
    EXPECT_TRUE(rec.alertes.empty());
}

// --- guards -------------------------------------------------------------------

TEST_F(FenetreGui, SavingIsRefusedWhileANewConditionIsOpen) {
    env.page = "ajoute";
    contr.cocos.push_back(Condouv{});
    choisit("&Contraintes/&Enregistrer");
    EXPECT_EQ(rec.alertes, Alertes({"Coco ajoutée mais non définie"}));
    EXPECT_EQ(env.page, "ajoute");
    EXPECT_EQ(contr.cocos.size(), 1u);

    // Any other state goes on to the save, which asks for a file name
    // (none here: the chooser is not bound, as if cancelled).
    rec.alertes.clear();
    env.page = "montrer";
    choisit("&Contraintes/&Enregistrer");
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(FenetreGui, ComparingNeedsAFixedBoard) {
    const std::string refus = " Donneur et vulnérabilités doivent être fixés ";
    for (int numero : {0, -1, -4}) {
        rec.alertes.clear();
        contr.numerofixe = numero;
        choisit("&Statistiques/&Comparer");
        EXPECT_EQ(rec.alertes, Alertes({refus})) << numero;
        EXPECT_EQ(contr.numerofixe, numero);
        EXPECT_EQ(fen->gcompare, nullptr);
        EXPECT_TRUE(fen->btitre->visible());
    }
    for (int numero : {1, 16}) {
        rec.alertes.clear();
        contr.numerofixe = numero;
        choisit("&Statistiques/&Comparer");
        EXPECT_TRUE(rec.alertes.empty()) << numero;
        EXPECT_EQ(contr.numerofixe, numero);
        ASSERT_NE(fen->gcompare, nullptr);
        EXPECT_TRUE(fen->gcompare->visible());
    }
}

TEST_F(FenetreGui, TrickStatisticsFixTheBoardToOneWhenItIsNot) {
    const std::string avis = "Attention la vulnérabilité n'est pas fixée, calculs pour donne 1";
    for (int numero : {0, -3}) {
        rec.alertes.clear();
        env.page = "montrer";
        contr.numerofixe = numero;
        choisit("&Statistiques/&Levées");
        // The warning, then the page opens all the same.
        EXPECT_EQ(rec.alertes, Alertes({avis})) << numero;
        EXPECT_TRUE(fen->gstats && fen->gstats->visible()) << numero;
        EXPECT_EQ(contr.numerofixe, 1);
        EXPECT_EQ(env.page, "levees");
    }
    rec.alertes.clear();
    env.page = "ini";
    contr.numerofixe = 7;
    choisit("&Statistiques/&Levées");
    EXPECT_EQ(rec.alertes, Alertes());
    EXPECT_EQ(contr.numerofixe, 7);
    EXPECT_EQ(env.page, "levees");
}

TEST_F(FenetreGui, AddingAConditionWithoutThePageShowsThePageInstead) {
    testing::internal::CaptureStdout();
    choisit("&Contraintes/Ajouter coco");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "pas de gcontr\n");
    EXPECT_TRUE(contr.cocos.empty());

    // Once the page exists the entry adds a condition (no page message).
    fen->begin();
    fen->gcontr = new Fl_Group(0, 30, 100, 100);
    fen->gcontr->end();
    fen->end();
    testing::internal::CaptureStdout();
    choisit("&Contraintes/Ajouter coco");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// --- quitting -------------------------------------------------------------------

TEST_F(FenetreGui, QuitWritesTheSetWithoutTrailingUnchosenConditions) {
    fs::create_directory("contraintes");
    for (int i = 0; i < 52; ++i) contr.cfixees[i] = i < 13 ? 'S' : (i < 15 ? 'N' : 'V');
    contr.numerofixe = -2;
    contr.con = "a & c";
    contr.cocos = {Condouv{3, 0, {0, 0, 5, 12, 14}}, Condouv{kind_non_choisi, 2, {}},
                   Condouv{5, 1, {4333}}, Condouv{kind_non_choisi, 2, {}}};
    contr.calculs = {Calcul{"paires", "a c |", false}};

    choisit("D&ralen/&quitter");

    EXPECT_FALSE(fen->shown());
    EXPECT_TRUE(rec.alertes.empty());
    // The unchosen condition in the middle stays, so that c is still c.
    const std::string attendu = "fichier_de_contraintes\n"
                                "nom contraintes/perso\n"
                                "fixees " + std::string(13, 'S') + "NN" + std::string(37, 'V') + "\n"
                                "numero -2\n"
                                "coco a 0 3 0 0 5 12 14  \n"
                                "coco b 2 -3  \n"
                                "coco c 1 5 4333  \n"
                                "contexte a & c\n"
                                "calcul A paires a c | \n";
    EXPECT_EQ(lit_fichier("contraintes/perso"), attendu);
    // The set in memory keeps its open condition.
    EXPECT_EQ(contr.cocos.size(), 4u);
}

TEST_F(FenetreGui, QuitAsksBeforeLosingASetThatCannotBeWritten) {
    // No "contraintes" directory: the program creates none. "Non" keeps the
    // program and its set; "Oui" leaves without them.
    ReponsesQuestions reponses({false, true});
    for (bool quitte : {false, true}) {
        touche('q', FL_CTRL, "\x11");
        EXPECT_EQ(fen->shown(), !quitte);
    }
    ASSERT_EQ(reponses.questions.size(), 2u);
    EXPECT_EQ(reponses.questions[0], "Quitter sans enregistrer ?");
    ASSERT_EQ(rec.alertes.size(), 2u);
    EXPECT_NE(rec.alertes[0].find("contraintes/perso"), std::string::npos) << rec.alertes[0];
    EXPECT_FALSE(fs::exists("contraintes/perso"));
}

TEST_F(FenetreGui, ClosingByTheFrameDoesNotWriteAndEscapeDoesNotClose) {
    fs::create_directory("contraintes");
    ecrit_fichier("contraintes/perso", "ancien\n");
    contr.numerofixe = 5;

    Fl::handle(FL_CLOSE, fen.get());
    Fl::check();
    EXPECT_FALSE(fen->shown());
    EXPECT_EQ(lit_fichier("contraintes/perso"), "ancien\n");

    // Users press Escape to close a list: the window and the set stay.
    fen->show();
    Fl::check();
    touche(FL_Escape, 0, "\x1b");
    EXPECT_TRUE(fen->shown());
    EXPECT_EQ(lit_fichier("contraintes/perso"), "ancien\n");
    EXPECT_TRUE(rec.alertes.empty());
}

// In the program's own window, Enter and Escape answer "Non" to the
// questions that replace or lose something: the file stays, the program runs.
TEST_F(FenetreGui, QuestionsAnswerNonToEnterAndEscape) {
    // The file saved over (none: quit without "contraintes"), the answer.
    const std::pair<const char*, int> cas[] = {{"autre", FL_Enter}, {"autre", FL_Escape}, {"dralen.ini", FL_Enter},
        {"dralen.ini", FL_Escape}, {nullptr, FL_Enter}, {nullptr, FL_Escape}, {"autre", 0}};
    for (const auto& [fichier, cle] : cas) {
        const std::string f = fichier ? fichier : "contraintes/perso";
        if (fichier) ecrit_fichier(f, "ancien\n");
        ReponsesChoix choix({f});
        RepondDialogues reponse(cle, cle ? nullptr : "Oui");
        touche(fichier ? 'e' : 'q', FL_CTRL, fichier ? "\x05" : "\x11");
        // Quitting first alerts that the set could not be written.
        EXPECT_NE(reponse.vus.at(fichier ? 0 : 1).texte.find(fichier ? f : "Quitter sans enregistrer ?"), std::string::npos);
        EXPECT_EQ(reponse.vus.back().boutons, Alertes({"Non", "Oui"}));
        EXPECT_TRUE(fichier ? (lit_fichier(f) == "ancien\n") == (cle != 0) : fen->shown()) << f;
    }
}

// --- clearing the client area -----------------------------------------------------

TEST_F(FenetreGui, ClearingHidesReusedPagesAndDeletesRebuiltOnes) {
    bool d[11] = {};
    fen->begin();
    fen->gres_lev = new Sonde<Fl_Group>(&d[0]);
    fen->gcontr = new Sonde<Fl_Group>(&d[1]);
    fen->gjdds = new Sonde<Fl_Group>(&d[2]);
    fen->scroll = new Sonde<Fl_Scroll>(&d[3]);
    fen->gstats = new Sonde<Fl_Group>(&d[4]);
    fen->gmodif = new Sonde<Fl_Group>(&d[5]);
    fen->gentames = new Sonde<Fl_Scroll>(&d[6]);
    fen->gcompare = new Sonde<Fl_Group>(&d[7]);
    fen->gpasapas = new Sonde<Fl_Group>(&d[8]);
    fen->gdistribution = new Sonde<Fl_Group>(&d[9]);
    fen->geval = new Sonde<Fl_Group>(&d[10]);
    fen->end();
    Fl_Group* reutilisees[] = {fen->gcontr, fen->gjdds, fen->scroll, fen->gstats,
                               fen->gcompare, fen->gpasapas, fen->gdistribution, fen->geval};

    // The modification form asks for the clearing from one of its own buttons.
    fen->gmodif->begin();
    auto* bouton = new Fl_Button(0, 30, 50, 20, "ok");
    fen->gmodif->end();
    bouton->callback([](Fl_Widget*, void* f) { static_cast<Fenetre*>(f)->detruit_widgets(); },
                     fen.get());
    bouton->do_callback();

    EXPECT_FALSE(fen->btitre->visible());
    EXPECT_EQ(fen->gres_lev, nullptr);
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_EQ(fen->gentames, nullptr);
    for (Fl_Group* g : reutilisees) EXPECT_FALSE(g->visible());
    EXPECT_TRUE(fen->menu->visible());

    Fl::check();
    // Deleted ones are gone once the event loop ran; the others live on.
    EXPECT_TRUE(d[0]);
    EXPECT_TRUE(d[5]);
    EXPECT_TRUE(d[6]);
    for (int i : {1, 2, 3, 4, 7, 8, 9, 10}) EXPECT_FALSE(d[i]) << i;
    EXPECT_EQ(fen->children(), 2 + 8);  // menu, title, the eight reused pages
}

TEST_F(FenetreGui, ClearingAFreshWindowOnlyHidesTheTitle) {
    fen->detruit_widgets();
    Fl::check();
    EXPECT_FALSE(fen->btitre->visible());
    EXPECT_TRUE(fen->menu->visible());
    EXPECT_EQ(fen->children(), 2);
}

TEST_F(FenetreGui, ALaterMenuBarReplacesThePreviousOne) {
    Fl_Menu_Bar* ancien = fen->menu;
    fen->begin();
    fen->gcontr = new Fl_Group(0, 0, 1000, 800);  // a page covering the window
    fen->gcontr->end();
    fen->end();
    fen->ajoute_menu();
    Fl::check();
    ASSERT_NE(fen->menu, ancien);
    EXPECT_EQ(fen->children(), 3);  // title, page, one menu bar
    EXPECT_EQ(fen->child(fen->children() - 1), fen->menu);  // laid over the page
    for (const Attendu& a : menu_attendu) EXPECT_NE(fen->menu->find_item(a.label), nullptr);
}

// --- start ------------------------------------------------------------------------

TEST_F(DansRepertoireTemp, StartWithoutConfigurationGivesOneAlertAndTheDefaults) {
    EnregistreurAlertes rec;
    contr = Contraintes();
    config = Config();
    std::unique_ptr<Fenetre> f = demarre();
    Fl::check();
    EXPECT_EQ(rec.alertes, Alertes({"fichier de configuration dralen.ini introuvable"}));
    EXPECT_EQ(config.cmdpdf, "");
    EXPECT_EQ(config.nomcontr, "");
    EXPECT_EQ(config.nbthreads, 1);
    EXPECT_FALSE(config.debug);
    EXPECT_EQ(contr.nom, "vides");

    EXPECT_TRUE(f->shown());
    EXPECT_STREQ(f->label(), "Dralen v0.36_0");
    EXPECT_EQ(f->w, Fl::w());
    EXPECT_EQ(f->h, Fl::h() - 12);
    EXPECT_EQ(xm, Fl::w());
    EXPECT_EQ(ym, Fl::h());
    EXPECT_EQ(f->children(), 2);
    EXPECT_TRUE(f->btitre->visible());
    f.reset();
    Fl::check();
}

TEST_F(DansRepertoireTemp, StartInTheExampleDirectoryIsClean) {
    const fs::path exemple = fs::path(__FILE__).parent_path().parent_path().parent_path() / "exemple";
    fs::copy(exemple, ".", fs::copy_options::recursive);
    EnregistreurAlertes rec;
    contr = Contraintes();
    config = Config();
    std::unique_ptr<Fenetre> f = demarre();
    Fl::check();
    EXPECT_TRUE(rec.alertes.empty());
    EXPECT_EQ(config.cmdpdf, "xdg-open");
    EXPECT_EQ(config.nbthreads, 2);
    EXPECT_FALSE(config.debug);
    EXPECT_TRUE(fs::is_regular_file(config.nomcontr)) << config.nomcontr;
    EXPECT_EQ(contr.nom, config.nomcontr);
    EXPECT_TRUE(f->shown());

    // Quitting at once writes the default set back unchanged but for its name.
    f->menu->picked(f->menu->find_item("D&ralen/&quitter"));
    EXPECT_FALSE(f->shown());
    std::string lu = lit_fichier(config.nomcontr);
    std::string ecrit = lit_fichier("contraintes/perso");
    lu.replace(lu.find("nom " + config.nomcontr), 4 + config.nomcontr.size(), "nom contraintes/perso");
    EXPECT_EQ(ecrit, lu);
    f.reset();
    Fl::check();
}

}  // namespace
