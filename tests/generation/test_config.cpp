#include <algorithm>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "aides.h"
#include "condouv.h"
#include "gen.h"

namespace {

// Each test starts from the start values and leaves the globals as it found them.
class Ini : public DansRepertoireTemp {
protected:
    Contraintes garde_contr_ = contr;
    Config garde_config_ = config;
    Config cfg;  // start values
    EnregistreurAlertes al;
    ~Ini() override {
        contr = garde_contr_;
        config = garde_config_;
    }
    void lit(const std::string& texte) {
        ecrit_fichier("dralen.ini", texte);
        traiteini(cfg);
    }
};

const std::string nnbsp = "\xE2\x80\xAF";

}  // namespace

TEST_F(Ini, MissingFileAlertsOnceAndKeepsDefaults) {
    traiteini(cfg);
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0], "fichier de configuration dralen.ini introuvable");
    EXPECT_EQ(cfg.nbthreads, 1);
    EXPECT_FALSE(cfg.debug);
    EXPECT_EQ(cfg.cmdpdf, "");
}

TEST_F(Ini, AllFourKeysInAnyOrder) {
    ecrit_fichier("s", "fichier_de_contraintes\nnumero 5\n");
    lit("#debug\n1\n#nombre de threads\n2\nune ligne\n#contraintes par défaut\ns\n"
        "#commande du lecteur pdf\nxdg-open\n");
    EXPECT_TRUE(al.alertes.empty());
    EXPECT_TRUE(cfg.debug);
    EXPECT_EQ(cfg.nbthreads, 2);
    EXPECT_EQ(cfg.cmdpdf, "xdg-open");
    EXPECT_EQ(cfg.nomcontr, "s");
    EXPECT_EQ(contr.nom, "s");
    EXPECT_EQ(contr.numerofixe, 5);
}

TEST_F(Ini, OnlyDebugKey) {
    lit("#debug\n1");
    EXPECT_TRUE(cfg.debug);
    lit("#debug\nx1");  // no leading integer: 0
    EXPECT_FALSE(cfg.debug);
    lit("#debug\n-10 ans");
    EXPECT_TRUE(cfg.debug);
    EXPECT_EQ(cfg.nbthreads, 1);
    EXPECT_EQ(cfg.cmdpdf, "");
    EXPECT_EQ(cfg.nomcontr, "");
}

TEST_F(Ini, RepeatedKeysTheLastWins) {
    ecrit_fichier("s1", "fichier_de_contraintes\nnumero 1\n");
    lit("#nombre de threads\n2\n#nombre de threads\n4\n#contraintes par défaut\ns1\n"
        "#contraintes par défaut\nabsent\n");
    EXPECT_EQ(cfg.nbthreads, 4);
    EXPECT_EQ(cfg.nomcontr, "absent");
    // The second set could not be read: the empty set, silently.
    EXPECT_EQ(contr.nom, "vides");
    EXPECT_TRUE(al.alertes.empty());
}

TEST_F(Ini, KeyMustBeExact) {
    // A trailing blank: not a key; the next line is a key and takes its value.
    lit("#debug \n#nombre de threads\n3\n # debug\n1\n#DEBUG\n1\n");
    EXPECT_FALSE(cfg.debug);
    EXPECT_EQ(cfg.nbthreads, 3);
}

TEST_F(Ini, ValueLineEqualToAKeyIsAValue) {
    lit("#commande du lecteur pdf\n#debug\n1\n");
    EXPECT_EQ(cfg.cmdpdf, "#debug");
    EXPECT_FALSE(cfg.debug);
}

TEST_F(Ini, CarriageReturnsAreDropped) {
    lit("#nombre de threads\r\n3\r\n#commande du lecteur pdf\r\nokular --x\r\n#debug\r\n0\r\n");
    EXPECT_EQ(cfg.nbthreads, 3);
    EXPECT_EQ(cfg.cmdpdf, "okular --x");
    EXPECT_FALSE(cfg.debug);
}

TEST_F(Ini, ThreadCountIsAtLeastOne) {
    const std::vector<std::pair<std::string, int>> cas = {
        {"0", 1}, {"-3", 1}, {"abc", 1}, {"", 1}, {"12abc", 12}, {"  5", 5}, {"+6", 6},
        {"99999999999999999999999", 2147483647}};
    for (const auto& [valeur, attendu] : cas) {
        cfg.nbthreads = 7;
        lit("#nombre de threads\n" + valeur + "\n");
        EXPECT_EQ(cfg.nbthreads, attendu) << "«" << valeur << "»";
    }
}

TEST_F(Ini, KeyOnTheLastLineChangesNothing) {
    cfg.cmdpdf = "evince";
    cfg.nbthreads = 3;
    lit("#commande du lecteur pdf\n");
    EXPECT_EQ(cfg.cmdpdf, "evince");
    lit("#nombre de threads");
    EXPECT_EQ(cfg.nbthreads, 3);
}

TEST_F(Ini, DefaultSetThatIsRefusedAlertsAndGivesTheEmptySet) {
    ecrit_fichier("mauvais", "fichier_de_contraintes\ncoco a 9 -3  \n");
    lit("#contraintes par défaut\nmauvais\n");
    EXPECT_EQ(cfg.nomcontr, "mauvais");
    EXPECT_EQ(contr.nom, "vides");
    ASSERT_EQ(al.alertes.size(), 1u);
    EXPECT_EQ(al.alertes[0].rfind("mauvais : ligne 2 : ", 0), 0u);
}

TEST_F(Ini, DebugOffWritesNothing) {
    config.debug = false;
    ecrit_debug("rien");
    EXPECT_FALSE(std::filesystem::exists("debug"));
    config.debug = true;
    ecrit_debug("un");
    ecrit_debug("");
    ecrit_debug("trois");
    EXPECT_EQ(lit_fichier("debug"), "un\n\ntrois\n");
}

TEST_F(Ini, DebugLinesFromEightThreadsStayWhole) {
    config.debug = true;
    ecrit_fichier("debug", "avant\n");
    constexpr int nt = 8, nl = 300;
    // Long lines, so that an unguarded append would cut them.
    auto texte = [](int t, int i) {
        return "t" + std::to_string(t) + " l" + std::to_string(i) + " " +
               std::string(600, static_cast<char>('a' + t));
    };
    std::vector<std::thread> th;
    for (int t = 0; t < nt; ++t)
        th.emplace_back([t, &texte] {
            for (int i = 0; i < nl; ++i) ecrit_debug(texte(t, i));
        });
    for (auto& x : th) x.join();

    std::map<std::string, int> vus;
    const std::string tout = lit_fichier("debug");
    ASSERT_EQ(tout.back(), '\n');
    std::size_t d = 0;
    int n = 0;
    std::vector<int> dernier(nt, -1);
    while (d < tout.size()) {
        const std::size_t f = tout.find('\n', d);
        const std::string l = tout.substr(d, f - d);
        d = f + 1;
        if (n++ == 0) {
            EXPECT_EQ(l, "avant");  // appended, never truncated
            continue;
        }
        const int t = std::stoi(l.substr(1));
        const int i = std::stoi(l.substr(l.find(" l") + 2));
        ASSERT_GE(t, 0);
        ASSERT_LT(t, nt);
        EXPECT_EQ(l, texte(t, i));
        // Each thread's lines come in the order it wrote them.
        EXPECT_EQ(i, dernier[t] + 1);
        dernier[t] = i;
    }
    EXPECT_EQ(n, 1 + nt * nl);
}

TEST(Istring, ThreeGroupsSeparatedByNarrowSpaces) {
    EXPECT_EQ(istring(0), "0" + nnbsp + "000" + nnbsp + "000");
    EXPECT_EQ(istring(999), "0" + nnbsp + "000" + nnbsp + "999");
    EXPECT_EQ(istring(4005), "0" + nnbsp + "004" + nnbsp + "005");
    EXPECT_EQ(istring(2345006), "2" + nnbsp + "345" + nnbsp + "006");
    // Past 2^31: totals of draws are 64-bit.
    EXPECT_EQ(istring(3000000000LL), "3000" + nnbsp + "000" + nnbsp + "000");
    EXPECT_EQ(istring(1LL << 40), "1099511" + nnbsp + "627" + nnbsp + "776");
    EXPECT_EQ(istring(-1234567), "-1" + nnbsp + "234" + nnbsp + "567");
}
