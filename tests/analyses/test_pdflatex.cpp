// The LaTeX masters of exemple/latex compiled by the real pdflatex on the
// data file the export writes, and the PDF read back with pdftotext.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "aides.h"
#include "serie_sauvee.h"
#include "cartes.h"
#include "export_latex.h"
#include "gen.h"
#include "score.h"
#include "solveur.h"

namespace {

namespace fs = std::filesystem;

// The masters, found from this file's place in the source tree.
const fs::path maitres = fs::path(__FILE__).parent_path().parent_path().parent_path() / "exemple" / "latex";

std::string donne_aleatoire(unsigned graine) {
    std::string d(52, 'V');
    std::vector<int> paquet(52);
    std::iota(paquet.begin(), paquet.end(), 0);
    std::shuffle(paquet.begin(), paquet.end(), std::mt19937(graine));
    for (int i = 0; i < 52; ++i) d[paquet[i]] = "NESO"[i / 13];
    return d;
}

// What a hand must read as in the PDF, blanks left out: per suit ♠ ♥ ♦ ♣
// its symbol then its ranks from the ace down, a dash for a void. Card index
// = 13 × (3 − suit) + k, k 0 for the ace.
std::string main_attendue(const std::string& d, char siege) {
    static const char* const symboles[4] = {"♠", "♥", "♦", "♣"};
    std::string t;
    for (int c = 0; c < 4; ++c) {
        t += symboles[c];
        std::string rangs;
        for (int k = 0; k < 13; ++k)
            if (d[13 * (3 - c) + k] == siege) rangs += "ARDVX98765432"[k];
        t += rangs.empty() ? "–" : rangs;
    }
    return t;
}

const char* const donneurs[4] = {"Nord", "Est", "Sud", "Ouest"};
// Vulnerability on board b mod 16.
const char* vulnerabilite(int b) {
    switch (b % 16) {
        case 4: case 7: case 10: case 13: return "Tous";
        case 2: case 5: case 12: case 15: return "N-S";
        case 3: case 6: case 9: case 0: return "E-O";
        default: return "Personne";
    }
}

std::string sans_blancs(const std::string& s) {
    std::string t;
    for (unsigned char c : s)
        if (!std::isspace(c)) t += static_cast<char>(c);
    return t;
}

// Runs pdflatex for real (its output kept in a file of the test directory)
// and records the reader command instead of starting a reader.
class Pdflatex : public DansRepertoireTemp {
protected:
    void SetUp() override {
        fs::create_directory("latex");
        fs::create_directory("diagrammes");
        for (const char* m : {"diagrammes.tex", "diagrammesdds.tex"})
            fs::copy_file(maitres / m, fs::path("latex") / m);
        ancien_ = lie_executer([this](const std::string& c) {
            if (c.rfind("pdflatex ", 0) == 0)
                return std::system((c + " > sortie-pdflatex 2>&1").c_str());
            lecteurs.push_back(c);
            return 0;
        });
    }
    void TearDown() override {
        lie_executer(ancien_);
    }
    // The text of the PDF in the order it was typeset, blanks left out.
    std::string texte_pdf(const std::string& pdf) {
        const std::string cmd = "pdftotext -raw " + quote_shell(pdf) + " texte.txt";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
        return sans_blancs(lit_fichier("texte.txt"));
    }
    // Checks the deals of `donnes` in order: board, dealer, vulnerability and
    // the four hands (N, O, E, S: the order a diagram is typeset in).
    void attend_donnes(const std::string& texte, const std::vector<std::string>& suites = {}) {
        std::size_t pos = 0;
        for (std::size_t i = 0; i < donnes.size(); ++i) {
            const int b = nums[i];
            std::vector<std::string> attendus = {
                "Donne" + std::to_string(b), std::string("Donneur:") + donneurs[(b - 1) % 4],
                std::string("Vulnérabilité:") + vulnerabilite(b)};
            for (char s : std::string("NOES")) attendus.push_back(main_attendue(donnes[i], s));
            if (i < suites.size()) attendus.push_back(suites[i]);
            for (const std::string& a : attendus) {
                const std::size_t p = texte.find(a, pos);
                ASSERT_NE(p, std::string::npos) << "donne " << i << " : " << a;
                pos = p + a.size();
            }
        }
    }
    std::vector<std::string> lecteurs;

private:
    FnExecuter ancien_;
    SerieSauvee sauve_;
};

TEST_F(Pdflatex, MaitreSimpleLesMainsEtLeCycleDesDonnes) {
    // Boards 1 to 16: every dealer and every vulnerability of the cycle; an
    // empty series name.
    for (unsigned g = 0; g < 16; ++g) donnes.push_back(donne_aleatoire(100 + g));
    nb_d = 16;
    serie.nom = "";
    EnregistreurAlertes a;
    ASSERT_TRUE(cree_pdf()) << lit_fichier("sortie-pdflatex");
    EXPECT_TRUE(a.alertes.empty());
    ASSERT_EQ(lecteurs.size(), 1u);
    attend_donnes(texte_pdf("diagrammes/diagrammes.pdf"));
}

TEST_F(Pdflatex, MaitreAvecTablesParEtLeveesDuSolveur) {
    // Twelve deals with the dealer fixed to Est: boards 2, 6 … 46.
    serie.numerofixe = -2;
    std::vector<std::string> suites;
    for (unsigned g = 0; g < 12; ++g) {
        donnes.push_back(donne_aleatoire(500 + g));
        unsigned mains[4][4];
        listetoremain(donnes.back().c_str(), mains);
        TableDds t;
        ASSERT_TRUE(calcule_table(mains, t).ok);
        structpar p;
        par(t.res, 2 + 4 * static_cast<int>(g), p);
        serie.vtable.push_back(t);
        serie.vresupar.push_back(p);
        // The table: seats N E S O, strains ♣ ♦ ♥ ♠ SA; then the par line.
        std::string s = "♣♦♥♠SA";
        for (int j = 0; j < 4; ++j) {
            s += "NESO"[j];
            for (int c : {3, 2, 1, 0, 4}) s += std::to_string(t.res[c][j]);
        }
        static const char* const symboles[5] = {"♣", "♦", "♥", "♠", "SA"};
        s += "Par:";
        if (p.contrat / 10 == 0) {
            s += "passe";
        } else {
            s += std::to_string(p.contrat / 10) + symboles[p.contrat % 5];
            if (p.contrat % 10 >= 5) s += "X";
            s += std::string("par") + joueurs[p.joueur] + std::to_string(p.score);
        }
        suites.push_back(s);
    }
    serie.avec_tables = true;
    odds = true;
    EnregistreurAlertes a;
    ASSERT_TRUE(cree_pdf()) << lit_fichier("sortie-pdflatex");
    EXPECT_TRUE(a.alertes.empty());
    ASSERT_EQ(lecteurs.size(), 1u);
    EXPECT_NE(lecteurs[0].find("'diagrammes/diagrammesdds.pdf'"), std::string::npos);
    attend_donnes(texte_pdf("diagrammes/diagrammesdds.pdf"), suites);
}

TEST_F(Pdflatex, NomPleinDeCaracteresSpeciauxEtMoinsDeDonnesQueLAnnonce) {
    serie.nom = "Série 100 % # & _ $ ^ ~ \\ { } {{ \\end{document} àéèçœ ♠♥ 😀 fin";
    // Line 1 announces 12 deals, three follow; the first is four 13-card suits.
    donnes = {std::string(13, 'S') + std::string(13, 'E') + std::string(13, 'O') +
                  std::string(13, 'N'),
              donne_aleatoire(7), donne_aleatoire(8)};
    nb_d = 12;
    EnregistreurAlertes a;
    ASSERT_TRUE(cree_pdf()) << lit_fichier("sortie-pdflatex");
    EXPECT_TRUE(a.alertes.empty());
    const std::string texte = texte_pdf("diagrammes/diagrammes.pdf");
    // A character the fonts lack prints as "?".
    EXPECT_EQ(texte.rfind("Série100%#&_$^~\\{}{{\\end{document}àéèçœ♠♥?fin", 0), 0u) << texte;
    attend_donnes(texte);
    EXPECT_EQ(texte.find("Donne4"), std::string::npos);
}

TEST_F(Pdflatex, MaitreEnErreurAlerteEtPasDeLecteur) {
    donnes = {donne_aleatoire(1)};
    ecrit_fichier("latex/diagrammes.tex", "\\documentclass{article}\\begin{document}\\nimporte\n");
    EnregistreurAlertes a;
    EXPECT_FALSE(cree_pdf());
    EXPECT_EQ(a.alertes,
              std::vector<std::string>{"pdflatex a échoué, voir le fichier diagrammes/diagrammes.log"});
    EXPECT_TRUE(lecteurs.empty());
    EXPECT_TRUE(fs::exists("diagrammes/diagrammes.log"));
}

}  // namespace
