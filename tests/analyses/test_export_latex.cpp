// The LaTeX data file, byte for byte, and the commands of the PDF export,
// recorded (nothing here runs pdflatex).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "aides.h"
#include "serie_sauvee.h"
#include "condouv.h"
#include "export_latex.h"
#include "gen.h"

namespace {

namespace fs = std::filesystem;

// A deal from its hands written as a player reads them: per seat N E S O
// the ranks of ♠ ♥ ♦ ♣. Card index = 13 × (3 − suit) + position of the rank
// in "ARDVX98765432".
std::string donne_de(const std::map<char, std::vector<std::string>>& mains) {
    std::string d(52, 'V');
    const std::string rangs = "ARDVX98765432";
    for (const auto& [siege, couleurs] : mains)
        for (int c = 0; c < 4; ++c)
            for (char r : couleurs[c]) d[13 * (3 - c) + rangs.find(r)] = siege;
    return d;
}

const std::string treize = "ARDVX98765432";

// Nord the spades, Ouest the hearts, Est the diamonds, Sud the clubs.
std::string une_couleur_chacun() {
    return donne_de({{'N', {treize, "", "", ""}},
                     {'O', {"", treize, "", ""}},
                     {'E', {"", "", treize, ""}},
                     {'S', {"", "", "", treize}}});
}

// Nord void in hearts.
std::string donne_melee() {
    return donne_de({{'N', {"AR2", "", "DV98765", "X43"}},
                     {'E', {"DV3", "ARDV", "A43", "AR2"}},
                     {'S', {"654", "765432", "X2", "65"}},
                     {'O', {"X987", "X98", "R", "DV987"}}});
}

// The 17 lines of a block, hands in the order N O E S, suits ♠ ♥ ♦ ♣.
const std::string bloc_une_couleur =
    "ARDVX98765432\n\n\n\n"    // Nord
    "\nARDVX98765432\n\n\n"    // Ouest
    "\n\nARDVX98765432\n\n"    // Est
    "\n\n\nARDVX98765432\n";   // Sud
const std::string bloc_melee =
    "AR2\n\nDV98765\nX43\n"     // Nord, the heart void an empty line
    "X987\nX98\nR\nDV987\n"     // Ouest
    "DV3\nARDV\nA43\nAR2\n"     // Est
    "654\n765432\nX2\n65\n";    // Sud

// A table whose 20 numbers all differ, res[strain][seat] = 4·strain + seat,
// so that any strain or seat written in the wrong place shows.
TableDds table_distincte() {
    TableDds t;
    for (int s = 0; s < 5; ++s)
        for (int j = 0; j < 4; ++j) t.res[s][j] = 4 * s + j;
    return t;
}
// Its four lines: seats N E S O, strains ♣ ♦ ♥ ♠ SA (suit index 3 2 1 0 4).
const std::string lignes_table_distincte =
    "N&12&8&4&0&16\n"
    "E&13&9&5&1&17\n"
    "S&14&10&6&2&18\n"
    "O&15&11&7&3&19\n";

// Saves the series and the options, and restores them after each test.
class Export : public DansRepertoireTemp {
protected:
    void SetUp() override {
        fs::create_directory("latex");
        fs::create_directory("diagrammes");
    }
    // A series of two deals generated with their tables.
    void serie_avec_tables() {
        donnes = {une_couleur_chacun(), donne_melee()};
        serie.vresupar = {{300, 3, 48}, {600, 2, 34}};
        serie.vtable = {table_distincte(), table_distincte()};
        serie.avec_tables = true;
    }

private:
    SerieSauvee sauve_;
};

TEST(LignePar, ContratNiveauCouleurContreDeclarantScore) {
    // 4♠ doubled (43 + 5) by Ouest, 300 to North-South.
    EXPECT_EQ(ligne_par({300, 3, 48}), "4\\pp{}X{  }par ouest  300");
    EXPECT_EQ(ligne_par({600, 2, 34}), "3SA{  }par sud  600");
    EXPECT_EQ(ligne_par({-70, 1, 10}), "1\\tp{  }par est  -70");
    EXPECT_EQ(ligne_par({-1430, 0, 62}), "6\\cp{  }par nord  -1430");
    EXPECT_EQ(ligne_par({-500, 1, 56}), "5\\kp{}X{  }par est  -500");
    EXPECT_EQ(ligne_par({0, 0, 0}), "0\\tp{  }par nord  0");
}

TEST(Numerotation, SelonLeNumeroFixe) {
    EXPECT_EQ(numerote(0, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(numerote(7, 3), (std::vector<int>{7, 7, 7}));
    EXPECT_EQ(numerote(-1, 3), (std::vector<int>{1, 5, 9}));
    EXPECT_EQ(numerote(-4, 3), (std::vector<int>{4, 8, 12}));
    const std::vector<int> n = numerote(-2, 12);
    ASSERT_EQ(n.size(), 12u);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(n[i], 2 + 4 * i);
    EXPECT_EQ(n.back(), 46);
    EXPECT_TRUE(numerote(0, 0).empty());
}

TEST(TexteDiagrammes, BlocsDeDixSeptLignes) {
    Serie s;
    s.nom = "Entame";
    const std::string t =
        texte_diagrammes(12, {une_couleur_chacun(), donne_melee()}, {2, 6}, s, false);
    EXPECT_EQ(t, "12\nEntame\n2\n" + bloc_une_couleur + "6\n" + bloc_melee);
}

TEST(TexteDiagrammes, BlocsDeVingtDeuxLignesAvecParEtTable) {
    Serie s;
    s.nom = "";
    s.vresupar = {{300, 3, 48}, {600, 2, 34}};
    s.vtable = {table_distincte(), table_distincte()};
    const std::string t =
        texte_diagrammes(2, {une_couleur_chacun(), donne_melee()}, {1, 2}, s, true);
    EXPECT_EQ(t, "2\n\n1\n" + bloc_une_couleur + "4\\pp{}X{  }par ouest  300\n" +
                     lignes_table_distincte + "2\n" + bloc_melee + "3SA{  }par sud  600\n" +
                     lignes_table_distincte);
}

TEST(TexteDiagrammes, TablesManquantesAucunBlocDeTable) {
    // One table for two deals: writing it would give blocks of unequal length.
    Serie s;
    s.vresupar = {{300, 3, 48}};
    s.vtable = {table_distincte()};
    const std::string t =
        texte_diagrammes(2, {une_couleur_chacun(), donne_melee()}, {1, 2}, s, true);
    EXPECT_EQ(t, "2\nSans nom\n1\n" + bloc_une_couleur + "2\n" + bloc_melee);
}

TEST(TexteDiagrammes, SautDeLigneDuNomRemplace) {
    Serie s;
    s.nom = "a\nb\r\nc";
    const std::string t = texte_diagrammes(1, {une_couleur_chacun()}, {1}, s, false);
    EXPECT_EQ(t, "1\na b  c\n1\n" + bloc_une_couleur);
}

TEST_F(Export, EcritDiagLigneUnEstNbdMemeAvecMoinsDeBlocs) {
    // The budget ran out after one deal of 12; the series was generated with
    // the dealer fixed to Est.
    donnes = {donne_melee()};
    serie.numerofixe = -2;
    contr.numerofixe = 5;  // a set loaded since does not renumber the series
    ASSERT_TRUE(ecrit_diag());
    EXPECT_EQ(lit_fichier("latex/diagrammes.tmp"), "12\nSans nom\n2\n" + bloc_melee);
    EXPECT_EQ(nums, std::vector<int>{2});
}

TEST_F(Export, EcritDiagSansDonne) {
    EnregistreurAlertes a;
    EXPECT_FALSE(ecrit_diag());
    EXPECT_EQ(a.alertes, std::vector<std::string>{"Pas de diagramme à afficher"});
    EXPECT_FALSE(fs::exists("latex/diagrammes.tmp"));
}

TEST_F(Export, EcritDiagFichierImpossibleAEcrire) {
    donnes = {donne_melee()};
    fs::remove("latex");
    EnregistreurAlertes a;
    EXPECT_FALSE(ecrit_diag());
    EXPECT_EQ(a.alertes,
              std::vector<std::string>{"impossible d'écrire le fichier latex/diagrammes.tmp"});
}

TEST_F(Export, CreePdfSansTablesCommandes) {
    donnes = {une_couleur_chacun(), donne_melee()};
    EnregistreurAlertes a;
    EnregistreurCommandes c;
    EXPECT_TRUE(cree_pdf());
    EXPECT_TRUE(a.alertes.empty());
    ASSERT_EQ(c.commandes.size(), 2u);
    EXPECT_EQ(c.commandes[0],
              "pdflatex -interaction=nonstopmode --output-directory='diagrammes' "
              "'latex/diagrammes'");
    // An empty reader command opens the PDF with the desktop's reader.
    EXPECT_EQ(c.commandes[1],
              "(xdg-open 'diagrammes/diagrammes.pdf') </dev/null >/dev/null 2>&1 &");
    EXPECT_EQ(lit_fichier("latex/diagrammes.tmp"),
              "12\nSans nom\n1\n" + bloc_une_couleur + "2\n" + bloc_melee);
}

TEST_F(Export, CreePdfAvecTables) {
    serie_avec_tables();
    odds = true;
    config.cmdpdf = "evince --fullscreen";
    EnregistreurCommandes c;
    EXPECT_TRUE(cree_pdf());
    ASSERT_EQ(c.commandes.size(), 2u);
    EXPECT_EQ(c.commandes[0],
              "pdflatex -interaction=nonstopmode --output-directory='diagrammes' "
              "'latex/diagrammesdds'");
    EXPECT_EQ(c.commandes[1],
              "(evince --fullscreen 'diagrammes/diagrammesdds.pdf') </dev/null >/dev/null 2>&1 &");
    // Two lines, then two blocks of 22.
    const std::string f = lit_fichier("latex/diagrammes.tmp");
    EXPECT_EQ(std::count(f.begin(), f.end(), '\n'), 2 + 2 * 22);
}

TEST_F(Export, TablesSeulementSiOptionEtSerieLesOnt) {
    const std::string sans = "12\nSans nom\n1\n" + bloc_une_couleur + "2\n" + bloc_melee;
    struct Cas {
        bool odds_export;
        bool serie_tables;
        bool attendu;
    } cas[] = {{true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}};
    for (const Cas& k : cas) {
        serie_avec_tables();
        serie.avec_tables = k.serie_tables;
        odds = k.odds_export;
        EnregistreurCommandes c;
        ASSERT_TRUE(cree_pdf());
        ASSERT_EQ(c.commandes.size(), 2u);
        const bool dds = c.commandes[0].find("'latex/diagrammesdds'") != std::string::npos;
        EXPECT_EQ(dds, k.attendu) << k.odds_export << k.serie_tables;
        EXPECT_EQ(c.commandes[1].find("diagrammesdds.pdf") != std::string::npos, k.attendu);
        if (!k.attendu) {
            EXPECT_EQ(lit_fichier("latex/diagrammes.tmp"), sans);
        }
    }
}

TEST_F(Export, NumerosDimensionnesParLaSerie) {
    // The count was lowered to 1 after a series of 2, then raised to 20.
    donnes = {une_couleur_chacun(), donne_melee()};
    serie.numerofixe = -3;
    EnregistreurCommandes c;
    nb_d = 1;
    ASSERT_TRUE(cree_pdf());
    EXPECT_EQ(nums, (std::vector<int>{3, 7}));
    EXPECT_EQ(lit_fichier("latex/diagrammes.tmp"),
              "1\nSans nom\n3\n" + bloc_une_couleur + "7\n" + bloc_melee);
    nb_d = 20;
    ASSERT_TRUE(cree_pdf());
    EXPECT_EQ(nums, (std::vector<int>{3, 7}));
}

TEST_F(Export, CreePdfRefus) {
    EnregistreurAlertes a;
    EnregistreurCommandes c;
    // No series yet.
    EXPECT_FALSE(cree_pdf());
    // No deal asked.
    donnes = {donne_melee()};
    nb_d = 0;
    EXPECT_FALSE(cree_pdf());
    nb_d = -3;
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(a.alertes, (std::vector<std::string>{"Pas de diagramme à afficher",
                                                   "Pas de donne en cours",
                                                   "Pas de donne en cours"}));
    EXPECT_FALSE(fs::exists("latex/diagrammes.tmp"));
    // The data file cannot be written: nothing runs.
    nb_d = 12;
    fs::remove("latex");
    EXPECT_FALSE(cree_pdf());
    // No directory for pdflatex's output: nothing runs either.
    fs::create_directory("latex");
    fs::remove("diagrammes");
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(a.alertes.size(), 5u);
    EXPECT_EQ(a.alertes[4], "répertoire diagrammes introuvable");
    EXPECT_TRUE(c.commandes.empty());
}

TEST_F(Export, EchecDePdflatexNommeLeJournalSansLecteur) {
    donnes = {donne_melee()};
    EnregistreurAlertes a;
    EnregistreurCommandes c(1 << 8);  // as system() reports exit status 1
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(c.commandes.size(), 1u);
    serie_avec_tables();
    odds = true;
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(c.commandes.size(), 2u);
    c.statut(127 << 8);  // the shell did not find the program
    EXPECT_FALSE(cree_pdf());
    c.statut(-1);  // no shell could be started
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(c.commandes.size(), 4u);
    EXPECT_EQ(a.alertes,
              (std::vector<std::string>{"pdflatex a échoué, voir le fichier diagrammes/diagrammes.log",
                                        "pdflatex a échoué, voir le fichier diagrammes/diagrammesdds.log",
                                        "pdflatex introuvable",
                                        "impossible de lancer pdflatex"}));
}

TEST_F(Export, LongueCommandeDeLecteurEnEntier) {
    donnes = {donne_melee()};
    config.cmdpdf = "lecteur" + std::string(600, 'x') + " --page=1";
    EnregistreurCommandes c;
    ASSERT_TRUE(cree_pdf());
    ASSERT_EQ(c.commandes.size(), 2u);
    EXPECT_EQ(c.commandes[1], "(" + config.cmdpdf +
                                  " 'diagrammes/diagrammes.pdf') </dev/null >/dev/null 2>&1 &");
}

TEST_F(Export, GuillemetsDuShellRendentLeTexteIntact) {
    const std::string textes[] = {"simple", "deux mots", "l'apostrophe", "$HOME `id` \"x\" \\n",
                                  "a;b|c&d>e<f*?[g] ~h #i", "''", ""};
    for (const std::string& t : textes) {
        fs::remove("sortie");
        ASSERT_EQ(executer("printf %s " + quote_shell(t) + " > sortie"), 0) << t;
        EXPECT_EQ(lit_fichier("sortie"), t);
    }
}

TEST_F(Export, LecteurDetacheLeProgrammeNAttendPas) {
    // A reader that waits for a sign the test gives only after the command
    // has returned: a command that waited for the reader would return only
    // when the reader gives up, having written "attente trop longue".
    ecrit_fichier("lecteur.sh",
                  "#!/bin/sh\n"
                  "n=0\n"
                  "while [ ! -e signal ] && [ $n -lt 200 ]; do sleep 0.05; n=$((n+1)); done\n"
                  "if [ -e signal ]; then echo \"$1\" > ouvert; "
                  "else echo 'attente trop longue' > ouvert; fi\n");
    fs::permissions("lecteur.sh", fs::perms::owner_all);
    const std::string cmd = commande_lecteur(" ./lecteur.sh", false);
    ASSERT_EQ(executer(cmd), 0);
    EXPECT_FALSE(fs::exists("ouvert"));
    ecrit_fichier("signal", "");
    for (int i = 0; i < 400 && lit_fichier("ouvert").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    EXPECT_EQ(lit_fichier("ouvert"), "diagrammes/diagrammes.pdf\n");
}

TEST(CommandeLecteur, BlancsSeulsDonnentXdgOpen) {
    EXPECT_EQ(commande_lecteur("  ", true),
              "(xdg-open 'diagrammes/diagrammesdds.pdf') </dev/null >/dev/null 2>&1 &");
}

}  // namespace
