// The series display, the options form and the configuration form under a
// virtual display.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "affichage.h"
#include "aides.h"
#include "aides_gui.h"
#include "echec_allocation.h"
#include "edition_cocos.h"
#include "condouv.h"
#include "configuration.h"
#include "fenetre.h"
#include "gen.h"
#include "serie.h"
#include "solveur.h"
#include "tableaux.h"

using Alertes = std::vector<std::string>;

namespace {

// The layout of a 1500 × 1000 screen, worked out by hand from the metrics:
// waff = 2·1500/3 + 30, daff = (2·1500/3 + 24)/3, maff = (daff − 6)/3,
// x0 = (1500 − waff)/2; cells 8 pixels apart, rows 16 apart from y 38.
constexpr int XM = 1500, YM = 1000;
constexpr int DAFF = 341, MAFF = 111, X0 = 235;
constexpr int COL_X[3] = {243, 592, 941};

// Vulnerability of the 16-board cycle: 0 none, 1 N-S, 2 E-O, 3 both.
int cote_vulnerable(int b) {
    switch (b % 16) {
    case 4: case 7: case 10: case 13: return 3;
    case 2: case 5: case 12: case 15: return 1;
    case 3: case 6: case 9: case 0: return 2;
    default: return 0;
    }
}

// What one cell of the display shows, read from the scroll area's widgets.
struct Cellule {
    Fl_Box* cadre = nullptr;
    int numero = -1;
    std::string labels[4];      // centre boxes of N, E, S, O
    Fl_Color couleurs[4] = {};
    Fl_Color couleurs_labels[4] = {};
    std::string mains[4][4];    // [seat N E S O][suit ♠ ♥ ♦ ♣]
    bool mains_vues[4] = {};
    TabDDT* table = nullptr;
    BoitePar* par = nullptr;
};

struct Affichage {
    std::vector<Cellule> cellules;
    Fl_Output* pied = nullptr;
};

Affichage lit(Fl_Scroll* s) {
    Affichage a;
    const int n = s->children();
    for (int i = 0; i < n; ++i) {
        Fl_Widget* w = s->child(i);
        if (auto* m = dynamic_cast<Boite_Main*>(w)) {
            Cellule& c = a.cellules.back();
            // Hand grid cells: Nord (1, 0), Est (2, 1), Sud (1, 2), Ouest (0, 1).
            const int gx = (m->x() - c.cadre->x() - 3) / MAFF, gy = (m->y() - c.cadre->y() - 3) / MAFF;
            const int seat = gy == 0 ? 0 : gy == 2 ? 2 : gx == 2 ? 1 : 3;
            EXPECT_EQ(m->x(), c.cadre->x() + 3 + gx * MAFF);
            EXPECT_EQ(m->y(), c.cadre->y() + 3 + gy * MAFF);
            EXPECT_EQ(m->w(), MAFF);
            c.mains_vues[seat] = true;
            for (int k = 0; k < 4; ++k)
                c.mains[seat][k] = static_cast<Fl_Output*>(s->child(i + 2 + 2 * k))->value();
            i += 8;
        } else if (auto* centre = dynamic_cast<Centre*>(w)) {
            Cellule& c = a.cellules.back();
            EXPECT_EQ(centre->x(), c.cadre->x() + 3 + MAFF);
            EXPECT_EQ(centre->y(), c.cadre->y() + 3 + MAFF);
            // The boxes come in seat order N, E, S, O, then the number.
            for (int j = 0; j < 4; ++j) {
                Fl_Widget* b = s->child(i + 1 + j);
                c.labels[j] = b->label();
                c.couleurs[j] = b->color();
                c.couleurs_labels[j] = b->labelcolor();
            }
            c.numero = std::atoi(static_cast<Fl_Output*>(s->child(i + 5))->value());
            i += 5;
        } else if (auto* t = dynamic_cast<TabDDT*>(w)) {
            a.cellules.back().table = t;
        } else if (auto* p = dynamic_cast<BoitePar*>(w)) {
            a.cellules.back().par = p;
        } else if (auto* o = dynamic_cast<Fl_Output*>(w)) {
            a.pied = o;
        } else if (w->box() == FL_UP_BOX && w->color() == couleur_affichage) {
            a.cellules.emplace_back();
            a.cellules.back().cadre = static_cast<Fl_Box*>(w);
        }
    }
    return a;
}

class AffichageGui : public DansRepertoireTemp {
protected:
    void SetUp() override {
        calcule_metriques(XM, YM);
        contr = Contraintes();
        const std::string d = donne_une_couleur_chacun();
        std::memcpy(contr.cfixees, d.data(), 52);
        contr.eff();
        config = Config();
        limite = 29;
        nb_d = 7;
        odds = false;
        serie = Serie();
        donnes.clear();
        nums.clear();
        fen = std::make_unique<Fenetre>(XM, YM - 12, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        // The forms opened by a test are closed with it.
        while (Fl_Window* w = Fl::first_window()) {
            w->hide();
            Fl::delete_widget(w);
        }
        Fl::check();
    }
    Affichage affiche() {
        fen->affiche();
        Fl::check();
        return fen->scroll ? lit(fen->scroll) : Affichage{};
    }
    void choisit(const char* label) { choisit_menu(*fen, label); }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

TEST_F(AffichageGui, SevenDealsInRowsOfThreeThreeAndOne) {
    const Affichage a = affiche();
    EXPECT_TRUE(rec.alertes.empty());
    ASSERT_NE(fen->scroll, nullptr);
    EXPECT_EQ(fen->scroll->x(), X0);
    EXPECT_EQ(fen->scroll->y(), 26);
    // Three cells of 341 with 8 pixels before, between and after them, and
    // the 16-pixel scroll bar: waff + 32 (1062) is one pixel short.
    EXPECT_EQ(fen->scroll->w(), 3 * 341 + 4 * 8 + 16);
    EXPECT_EQ(fen->scroll->h(), YM - 40);

    ASSERT_EQ(a.cellules.size(), 7u);
    const int ligne_y[3] = {38, 38 + DAFF + 16, 38 + 2 * (DAFF + 16)};
    for (int i = 0; i < 7; ++i) {
        const Cellule& c = a.cellules[i];
        EXPECT_EQ(c.cadre->x(), COL_X[i % 3]) << i;
        EXPECT_EQ(c.cadre->y(), ligne_y[i / 3]) << i;
        EXPECT_EQ(c.cadre->w(), DAFF);
        EXPECT_EQ(c.cadre->h(), DAFF + 6);
        EXPECT_EQ(c.table, nullptr);
        EXPECT_EQ(c.par, nullptr);
        for (int j = 0; j < 4; ++j) EXPECT_TRUE(c.mains_vues[j]) << i << " " << j;
        // Nord holds the spades, Est the hearts, Sud the diamonds, Ouest the clubs.
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(c.mains[j][k], j == k ? "ARDVX98765432" : "") << i << " " << j << " " << k;
    }
    ASSERT_NE(a.pied, nullptr);
    EXPECT_EQ(a.pied->x(), X0);
    EXPECT_EQ(a.pied->y(), 38 + 3 * (DAFF + 16));
    EXPECT_EQ(a.pied->w(), 500);
    EXPECT_EQ(a.pied->h(), 25);
    // Every draw of a fully fixed template is accepted: one try per deal.
    EXPECT_TRUE(std::regex_match(std::string(a.pied->value()),
                                 std::regex("7 tirages pour 7 donnes en [0-9]+s\\. Temps CPU :[0-9.e+-]+")))
        << a.pied->value();

    ASSERT_EQ(donnes.size(), 7u);
    for (const std::string& d : donnes) EXPECT_EQ(d, donne_une_couleur_chacun());
    EXPECT_EQ(serie.vtable.size(), 7u);
    EXPECT_EQ(serie.vresupar.size(), 7u);
    EXPECT_FALSE(serie.avec_tables);
}

TEST_F(AffichageGui, BoardNumbersDealerAndVulnerabilityFollowTheNumbering) {
    struct Cas {
        int numerofixe;
        int numeros[7];
    };
    const Cas cas[] = {
        {0, {1, 2, 3, 4, 5, 6, 7}},
        {7, {7, 7, 7, 7, 7, 7, 7}},
        {-1, {1, 5, 9, 13, 17, 21, 25}},
        {-4, {4, 8, 12, 16, 20, 24, 28}},
    };
    for (const Cas& k : cas) {
        contr.numerofixe = k.numerofixe;
        const Affichage a = affiche();
        ASSERT_EQ(a.cellules.size(), 7u) << k.numerofixe;
        EXPECT_EQ(serie.numerofixe, k.numerofixe);
        for (int i = 0; i < 7; ++i) {
            const Cellule& c = a.cellules[i];
            const int b = k.numeros[i];
            EXPECT_EQ(c.numero, b) << k.numerofixe << " " << i;
            const int donneur = (b - 1) % 4;
            const int v = cote_vulnerable(b);
            for (int j = 0; j < 4; ++j) {
                EXPECT_EQ(c.labels[j], j == donneur ? "D" : std::string(1, "NESO"[j]))
                    << k.numerofixe << " " << i << " " << j;
                if (j == donneur) {
                    EXPECT_EQ(c.couleurs_labels[j], 255u);
                }
                const bool vul = (j % 2 == 0) ? (v & 1) : (v & 2);
                EXPECT_EQ(c.couleurs[j], vul ? 88u : 63u) << k.numerofixe << " " << i << " " << j;
            }
        }
    }
    // The dealers the numbering fixes: Sud on board 7, Nord for -1, Ouest for -4.
    contr.numerofixe = -4;
    EXPECT_EQ(affiche().cellules[6].labels[3], "D");
}

TEST_F(AffichageGui, TablesAndParOfTheDealOfWholeSuits) {
    odds = true;
    const Affichage a = affiche();
    EXPECT_EQ(rec.alertes, Alertes{});
    ASSERT_EQ(a.cellules.size(), 7u);
    const int rh = DAFF + 150;
    // Each side makes all thirteen tricks in its own two suits and none in
    // the others' or in sans-atout, whoever of the side declares.
    // Columns ♠ ♥ ♦ ♣ SA; rows N E S O.
    const int attendu[4][5] = {
        {13, 0, 13, 0, 0}, {0, 13, 0, 13, 0}, {13, 0, 13, 0, 0}, {0, 13, 0, 13, 0}};
    for (int i = 0; i < 7; ++i) {
        const Cellule& c = a.cellules[i];
        const int x = COL_X[i % 3], y = 38 + (i / 3) * (rh + 16);
        EXPECT_EQ(c.cadre->y(), y) << i;
        EXPECT_EQ(c.cadre->h(), rh + 6) << i;
        ASSERT_NE(c.table, nullptr) << i;
        EXPECT_EQ(c.table->x(), x + 3);
        EXPECT_EQ(c.table->y(), y + DAFF + 25);
        EXPECT_EQ(c.table->w(), DAFF - 6);
        EXPECT_EQ(c.table->h(), 125);
        for (int j = 0; j < 4; ++j)
            for (int s = 0; s < 5; ++s) EXPECT_EQ(c.table->data[j][s], attendu[j][s]) << i << j << s;
        for (int s = 0; s < 5; ++s)
            for (int j = 0; j < 4; ++j) EXPECT_EQ(serie.vtable[i].res[s][j], attendu[j][s]);
        ASSERT_NE(c.par, nullptr) << i;
        EXPECT_EQ(c.par->x(), x + 8);
        EXPECT_EQ(c.par->y(), y + DAFF);
        // 7 ♠ is the top: hearts cannot outbid it and 7 SA doubled goes 13 down.
        EXPECT_EQ(c.par->resupar.contrat, 73) << i;
        EXPECT_EQ(c.par->resupar.joueur, 0) << i;
    }
    // Board 1, nobody vulnerable: 7 ♠ = 210 + 300 + 1000; board 4, both
    // vulnerable: 210 + 500 + 1500.
    EXPECT_EQ(texte_par(a.cellules[0].par->resupar), "Par: 7♠ par nord 1510");
    EXPECT_EQ(texte_par(a.cellules[3].par->resupar), "Par: 7♠ par nord 2210");
    EXPECT_EQ(serie.vresupar[3].score, 2210);
    EXPECT_TRUE(serie.avec_tables);
    ASSERT_NE(a.pied, nullptr);
    EXPECT_EQ(a.pied->y(), 38 + 3 * (rh + 16));
}

TEST_F(AffichageGui, RefusedOptionsLeaveThePreviousSeries) {
    affiche();
    Fl_Scroll* avant = fen->scroll;
    ASSERT_NE(avant, nullptr);
    struct Cas {
        int nb;
        int lim;
        const char* alerte;
    };
    const Cas cas[] = {
        {7, 32, "limite ne doit pas dépasser 31"},
        {7, -1, "limite ne doit pas être négative"},
        {0, 29, "le nombre de donnes doit être au moins 1"},
        {-2, 29, "le nombre de donnes doit être au moins 1"},
        {10001, 29, "le nombre de donnes ne doit pas dépasser 10000"},
        {1000000, 29, "le nombre de donnes ne doit pas dépasser 10000"},
    };
    for (const Cas& c : cas) {
        rec.alertes.clear();
        nb_d = c.nb;
        limite = c.lim;
        fen->affiche();
        Fl::check();
        EXPECT_EQ(rec.alertes, Alertes({c.alerte}));
        EXPECT_EQ(fen->scroll, avant);
        EXPECT_TRUE(avant->visible());
        EXPECT_EQ(donnes.size(), 7u);
    }
    // A set the generator refuses replaces nothing either: the series stays,
    // and so does the constraint page the user is working on.
    nb_d = 7;
    limite = 29;
    const Contraintes bon = contr;
    const std::vector<std::pair<std::function<void()>, std::string>> ensembles = {
        {[] { contr.cocos.push_back(Condouv{kind_non_choisi, 2, {}}); },
         alerte_coco_non_definie(0)},
        {[] { std::fill(contr.cfixees, contr.cfixees + 14, 'S'); },
         "les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée"},
    };
    for (const auto& [prepare, alerte] : ensembles) {
        contr = bon;
        prepare();
        fen->changer_contraintes();
        rec.alertes.clear();
        fen->affiche();
        Fl::check();
        EXPECT_EQ(rec.alertes, Alertes({alerte}));
        EXPECT_EQ(fen->scroll, avant);
        EXPECT_TRUE(fen->gcontr->visible_r()) << alerte;
        EXPECT_EQ(donnes.size(), 7u);
    }
    contr = bon;
    EXPECT_EQ(refus_affichage(10000, 31), "");
    // 31 is the largest budget allowed.
    rec.alertes.clear();
    nb_d = 2;
    limite = 31;
    EXPECT_EQ(affiche().cellules.size(), 2u);
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(AffichageGui, MemoryRunningOutKeepsThePreviousSeries) {
    odds = true;
    affiche();
    Fl_Scroll* avant = fen->scroll;
    const std::vector<TableDds> tables = serie.vtable;
    ASSERT_TRUE(serie.avec_tables);
    config.nbthreads = 8;
    init_solveur(8);
    struct Cas {
        int nb;
        bool tables;
        std::size_t seuil;
    };
    // Large blocks fail: while the workers draw the deals, or, with the
    // deals drawn on many threads in small blocks, when the display sizes
    // its tables.
    const Cas cas[] = {{5000, false, 64 * 1024}, {2000, true, 100 * 1024}};
    for (const Cas& c : cas) {
        rec.alertes.clear();
        nb_d = c.nb;
        odds = c.tables;
        echoue_allocations(c.seuil);
        fen->affiche();
        echoue_allocations(0);
        Fl::check();
        EXPECT_EQ(rec.alertes, Alertes({"Mémoire insuffisante pour " + std::to_string(c.nb) +
                                        " donnes : la série précédente est gardée"}));
        EXPECT_EQ(fen->scroll, avant);
        EXPECT_TRUE(avant->visible());
        EXPECT_EQ(lit(avant).cellules.size(), 7u);
        EXPECT_EQ(donnes.size(), 7u);
        ASSERT_EQ(serie.vtable.size(), tables.size());
        EXPECT_EQ(std::memcmp(serie.vtable.data(), tables.data(), tables.size() * sizeof(TableDds)), 0);
        EXPECT_TRUE(serie.avec_tables);
    }
    init_solveur(1);
}

TEST_F(AffichageGui, TwelveDealsWithTablesScrollOnlyDownwards) {
    nb_d = 12;
    odds = true;
    const Affichage a = affiche();
    ASSERT_EQ(a.cellules.size(), 12u);
    // The scroll area places its bars when it is drawn.
    fen->wait_for_expose();
    fen->redraw();
    Fl::flush();
    // Four rows of tables are higher than the screen, three cells fit its width.
    EXPECT_TRUE(fen->scroll->scrollbar.visible());
    EXPECT_FALSE(fen->scroll->hscrollbar.visible());
    const int droite = a.cellules[2].cadre->x() + a.cellules[2].cadre->w();
    EXPECT_LE(droite + 8, fen->scroll->scrollbar.x());
}

TEST_F(AffichageGui, NoDealGivesTheFooterAlone) {
    // A condition that holds for no deal (at least 36 points and at most 0):
    // the whole budget of 2^4 tries is spent and nothing is shown but the footer.
    contr.cocos.push_back(Condouv{3, 2, {0, 0, 5, 36, 0}});
    limite = 4;
    const Affichage a = affiche();
    EXPECT_TRUE(a.cellules.empty());
    ASSERT_NE(a.pied, nullptr);
    EXPECT_EQ(a.pied->y(), 38);
    EXPECT_EQ(std::string(a.pied->value()).rfind("16 tirages pour 0 donnes en ", 0), 0u)
        << a.pied->value();
    EXPECT_EQ(rec.alertes, Alertes({"0 donne tirée sur 7 demandées en 16 tirages : la limite est "
                                    "atteinte. Vérifiez les contraintes ou augmentez la limite "
                                    "(Générateur > Options)."}));
}

TEST_F(AffichageGui, TheDisplayClearsTheOpenPageFirst) {
    fen->begin();
    fen->gcontr = new Fl_Group(0, 30, 1500, 900);
    fen->gcontr->end();
    fen->gmodif = new Fl_Group(100, 100, 300, 300);
    fen->gmodif->end();
    fen->end();
    affiche();
    EXPECT_FALSE(fen->gcontr->visible());
    EXPECT_EQ(fen->gmodif, nullptr);
    EXPECT_FALSE(fen->btitre->visible());
    // The menu bar stays over the scroll area.
    EXPECT_GT(fen->find(fen->menu), fen->find(fen->scroll));

    // A second run replaces the scroll area.
    affiche();
    EXPECT_EQ(fen->children(), 4);  // title, page, scroll area, menu bar
}

// --- forms ---------------------------------------------------------------------------

// Types texte into the field as the user would, then presses Enter.
void tape_puis_entree(Fl_Input* champ, const char* texte) {
    Fl::focus(champ);
    champ->value("");
    for (const char* c = texte; *c; ++c) {
        char lettre[2] = {*c, '\0'};
        Fl::e_keysym = static_cast<unsigned char>(*c);
        Fl::e_text = lettre;
        Fl::e_length = 1;
        champ->handle(FL_KEYBOARD);
    }
    static char retour[] = "\r";
    Fl::e_keysym = FL_Enter;
    Fl::e_text = retour;
    Fl::e_length = 1;
    champ->handle(FL_KEYBOARD);
}

template <class T>
T* champ(Fl_Window* f, const char* label) {
    for (int i = 0; i < f->children(); ++i) {
        Fl_Widget* w = f->child(i);
        if (w->label() && std::strcmp(w->label(), label) == 0) return dynamic_cast<T*>(w);
    }
    return nullptr;
}

TEST_F(AffichageGui, OptionsFormSetsTheGeneratorOptions) {
    choisit("&Générateur/&Options");
    Fl_Window* f = Fl::first_window();
    ASSERT_NE(f, nullptr);
    ASSERT_STREQ(f->label(), "Options");
    EXPECT_EQ(f->w(), 700);
    EXPECT_EQ(f->h(), 600);
    EXPECT_TRUE(rec.alertes.empty());

    auto* nom = champ<Fl_Input>(f, "Nom de la série : ");
    auto* nombre = champ<Fl_Input>(f, "Nombre de donnes : ");
    auto* lim = champ<Fl_Input>(f, "Limite : ");
    auto* dds = champ<Fl_Check_Button>(f, " Tableau DDS");
    ASSERT_TRUE(nom && nombre && lim && dds);
    EXPECT_STREQ(nom->value(), "Sans nom");
    EXPECT_STREQ(nombre->value(), "7");
    EXPECT_STREQ(lim->value(), "29");
    EXPECT_EQ(dds->value(), 0);
    EXPECT_EQ(nom->y(), 40 + 15 + 8);
    EXPECT_EQ(nombre->y(), nom->y() + 33);
    EXPECT_EQ(lim->x(), 15 + 67);
    EXPECT_EQ(dds->x(), 15 + 11);
    EXPECT_EQ(dds->y(), lim->y() + 33);
    // Fields stand right of their labels.
    EXPECT_GT(nom->x(), 15 + 20 + 50);

    nom->value("Série & 100% _test_");
    nom->do_callback();
    nombre->value("12");
    nombre->do_callback();
    lim->value("-3");
    lim->do_callback();
    dds->value(1);
    dds->do_callback();
    EXPECT_EQ(serie.nom, "Série & 100% _test_");
    EXPECT_EQ(nb_d, 12);
    EXPECT_EQ(limite, 29);  // refused where it is typed
    EXPECT_TRUE(odds);
    tape_puis_entree(nombre, "24");
    tape_puis_entree(lim, "20");
    EXPECT_EQ(nb_d, 24);
    EXPECT_EQ(limite, 20);
    // Typed then Enter: an alert, and the field shows the value in force.
    for (const auto& [c, t] : {std::pair{nombre, "-5"}, {nombre, "10001"}, {nombre, "4294967296"},
                               {lim, "-1"}, {lim, "0"}, {lim, "40"}, {lim, ""}}) {
        rec.alertes.clear();
        remplace_texte(c, t);
        touche(f, FL_Enter, 0, "\r");
        EXPECT_EQ(rec.alertes, Alertes({c == lim ? "La limite doit être comprise entre 1 et 31"
                                                 : "Le nombre de donnes doit être compris entre 1 et 10000"}));
        EXPECT_STREQ(c->value(), c == lim ? "20" : "24") << t;
    }
}

TEST_F(AffichageGui, ConfigurationFormWritesTheFile) {
    ecrit_fichier("dralen.ini",
                  "#commande du lecteur pdf\nokular\n#nombre de threads\n2\n#debug\n0\n");
    config.cmdpdf = "okular";
    config.nbthreads = 2;
    ASSERT_EQ(init_solveur(1), 1);
    choisit("D&ralen/&configurer");
    Fl_Window* f = Fl::first_window();
    ASSERT_NE(f, nullptr);
    ASSERT_STREQ(f->label(), "Configuration");
    auto* cmd = champ<Fl_Input>(f, "Commande lecteur pdf : ");
    auto* thr = champ<Fl_Input>(f, "Nombre de threads : ");
    ASSERT_TRUE(cmd && thr);
    EXPECT_STREQ(cmd->value(), "okular");
    EXPECT_STREQ(thr->value(), "2");
    EXPECT_EQ(thr->y(), cmd->y() + 50);

    cmd->value("evince --page-label=1");
    cmd->do_callback();
    EXPECT_EQ(config.cmdpdf, "evince --page-label=1");
    EXPECT_EQ(lit_fichier("dralen.ini"),
              "#commande du lecteur pdf\nevince --page-label=1\n#nombre de threads\n2\n#debug\n0\n");

    // Below 1, above 1024, or no number at all: refused, the count in force
    // stays everywhere.
    for (const char* refuse : {"0", "-4", "abc", "1025", "4294967296", "4x", "2e3"}) {
        rec.alertes.clear();
        thr->value(refuse);
        thr->do_callback();
        EXPECT_EQ(rec.alertes, Alertes({"le nombre de threads doit être compris entre 1 et 1024"})) << refuse;
        EXPECT_EQ(config.nbthreads, 2);
        EXPECT_STREQ(thr->value(), "2");
        EXPECT_EQ(threads_solveur(), 1);
    }
    EXPECT_NE(lit_fichier("dralen.ini").find("threads\n2\n"), std::string::npos);

    rec.alertes.clear();
    thr->value("3");
    thr->do_callback();
    EXPECT_TRUE(rec.alertes.empty());
    EXPECT_EQ(config.nbthreads, 3);
    // The solver was asked again; it grants at most what was asked.
    EXPECT_LE(threads_solveur(), 3);
    if (std::thread::hardware_concurrency() >= 3) {
        EXPECT_GT(threads_solveur(), 1);
    }
    EXPECT_EQ(lit_fichier("dralen.ini"),
              "#commande du lecteur pdf\nevince --page-label=1\n#nombre de threads\n3\n#debug\n0\n");
    EXPECT_FALSE(std::filesystem::exists("temp"));

    // Enter in the field takes the number, as leaving it does.
    tape_puis_entree(thr, "4");
    EXPECT_EQ(config.nbthreads, 4);
    EXPECT_NE(lit_fichier("dralen.ini").find("threads\n4\n"), std::string::npos);

    // Closing the form with a field still being edited keeps what was typed.
    cmd->value("zathura");
    cmd->set_changed();
    f->do_callback();
    Fl::check();
    EXPECT_EQ(config.cmdpdf, "zathura");
    EXPECT_NE(lit_fichier("dralen.ini").find("pdf\nzathura\n"), std::string::npos);
    init_solveur(1);
}

TEST_F(AffichageGui, CreatingAPdfBeforeAnySeriesSaysSo) {
    choisit("&Générateur/&Crée pdf");
    EXPECT_EQ(rec.alertes, Alertes({"Pas de diagramme à afficher"}));
}

}  // namespace
