// Rewriting one value of "dralen.ini" through "temp", and the commit.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "aides.h"
#include "gen.h"
#include "ini.h"

namespace fs = std::filesystem;
using Alertes = std::vector<std::string>;

namespace {

class ReecritureIni : public DansRepertoireTemp {};

const std::string ini_exemple =
    "#commande du lecteur pdf\n"
    "okular\n"
    "#contraintes par défaut\n"
    "contraintes/libre\n"
    "#nombre de threads\n"
    "2\n"
    "#debug\n"
    "0\n";

TEST_F(ReecritureIni, RemplaceChangesOnlyTheValueLines) {
    struct Cas {
        const char* nom;
        std::string avant;
        const char* cle;
        const char* valeur;
        std::string apres;
    };
    const Cas cas[] = {
        {"reader command", ini_exemple, "#commande du lecteur pdf", "evince --fullscreen",
         "#commande du lecteur pdf\nevince --fullscreen\n#contraintes par défaut\n"
         "contraintes/libre\n#nombre de threads\n2\n#debug\n0\n"},
        // A key on the last line gains its value line after it.
        {"key last", "#debug\n0\n#nombre de threads\n", "#nombre de threads", "4",
         "#debug\n0\n#nombre de threads\n4\n"},
        // Every line ends with a line break, the last one too.
        {"no final newline", "#nombre de threads\n2\n#debug\n0", "#nombre de threads", "3",
         "#nombre de threads\n3\n#debug\n0\n"},
        // Every occurrence of the key has its value replaced.
        {"twice", "#debug\n1\n#debug\n1\n", "#debug", "0", "#debug\n0\n#debug\n0\n"},
        // A key is a whole line: a longer line or a value equal to the key is no key.
        {"whole line", "#debug x\n1\n#nombre de threads\n#debug\n", "#debug", "0",
         "#debug x\n1\n#nombre de threads\n#debug\n0\n"},
        // Lines left alone keep their carriage returns; the key is found with one.
        {"crlf", "#commande du lecteur pdf\r\nokular\r\n#debug\r\n0\r\n", "#debug", "1",
         "#commande du lecteur pdf\r\nokular\r\n#debug\r\n1\n"},
        // A line break in the value cannot make a key of what follows it.
        {"value on one line", "#commande du lecteur pdf\nokular\n", "#commande du lecteur pdf",
         "evince\n#contraintes par défaut\nx", "#commande du lecteur pdf\nevince #contraintes par défaut x\n"},
    };
    for (const Cas& c : cas) {
        EnregistreurAlertes rec;
        ecrit_fichier("dralen.ini", c.avant);
        Config cfg;
        ASSERT_TRUE(cfg.remplace(c.cle, c.valeur)) << c.nom;
        EXPECT_EQ(lit_fichier("temp"), c.apres) << c.nom;
        // Nothing is committed yet.
        EXPECT_EQ(lit_fichier("dralen.ini"), c.avant) << c.nom;
        ASSERT_TRUE(valide_temp()) << c.nom;
        EXPECT_EQ(lit_fichier("dralen.ini"), c.apres) << c.nom;
        EXPECT_FALSE(fs::exists("temp")) << c.nom;
        EXPECT_TRUE(rec.alertes.empty()) << c.nom;
    }
}

TEST_F(ReecritureIni, AMissingFileCreatesNothing) {
    EnregistreurAlertes rec;
    Config cfg;
    EXPECT_FALSE(enregistre_valeur(cfg, "#nombre de threads", "4"));
    EXPECT_FALSE(fs::exists("dralen.ini"));
    EXPECT_FALSE(fs::exists("temp"));
    ASSERT_EQ(rec.alertes.size(), 1u);
    EXPECT_NE(rec.alertes[0].find("dralen.ini"), std::string::npos) << rec.alertes[0];
}

TEST_F(ReecritureIni, AMissingKeyIsReportedAndTheFileStays) {
    EnregistreurAlertes rec;
    const std::string sans_commande = "#nombre de threads\n2\n#debug\n0\n";
    ecrit_fichier("dralen.ini", sans_commande);
    Config cfg;
    EXPECT_FALSE(enregistre_valeur(cfg, "#commande du lecteur pdf", "evince"));
    EXPECT_EQ(lit_fichier("dralen.ini"), sans_commande);
    EXPECT_FALSE(fs::exists("temp"));
    ASSERT_EQ(rec.alertes.size(), 1u);
    EXPECT_NE(rec.alertes[0].find("#commande du lecteur pdf"), std::string::npos) << rec.alertes[0];
}

TEST_F(ReecritureIni, AFailedWriteOrCommitLeavesTheFileWhole) {
    EnregistreurAlertes rec;
    ecrit_fichier("dralen.ini", ini_exemple);
    Config cfg;
    // "temp" cannot be written when a directory holds its name.
    fs::create_directory("temp");
    EXPECT_FALSE(enregistre_valeur(cfg, "#debug", "1"));
    EXPECT_EQ(lit_fichier("dralen.ini"), ini_exemple);
    EXPECT_TRUE(fs::is_directory("temp"));
    EXPECT_EQ(rec.alertes.size(), 1u);

    // A commit without a rewrite before it.
    fs::remove("temp");
    rec.alertes.clear();
    EXPECT_FALSE(valide_temp());
    EXPECT_EQ(lit_fichier("dralen.ini"), ini_exemple);
    EXPECT_EQ(rec.alertes, Alertes({"impossible de remplacer dralen.ini par temp"}));
}

TEST_F(ReecritureIni, ARewrittenFileReadsBackTheNewValue) {
    // No default set: reading it would replace the current one.
    ecrit_fichier("dralen.ini", "#commande du lecteur pdf\nokular\n#nombre de threads\n2\n");
    Config cfg;
    ASSERT_TRUE(enregistre_valeur(cfg, "#nombre de threads", "5"));
    Config lu;
    traiteini(lu);
    EXPECT_EQ(lu.nbthreads, 5);
    EXPECT_EQ(lu.cmdpdf, "okular");
}

}  // namespace
