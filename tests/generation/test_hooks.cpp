#include "aides.h"
#include "condouv.h"
#include "hooks.h"

TEST(Hooks, RecordersReplaceAndRestoreTheBindings) {
    {
        EnregistreurAlertes a;
        EnregistreurCommandes c(7);
        alerte("première");
        EXPECT_EQ(executer("echo x"), 7);
        ASSERT_EQ(a.alertes.size(), 1u);
        EXPECT_EQ(a.alertes[0], "première");
        ASSERT_EQ(c.commandes.size(), 1u);
        EXPECT_EQ(c.commandes[0], "echo x");
    }
    // Back to the real shell once the recorder is gone.
    EXPECT_EQ(executer("exit 3") >> 8, 3);
}

TEST(Hooks, TemporaryDirectoryIsFreshAndRemoved) {
    std::filesystem::path vu;
    {
        RepertoireTemp r;
        vu = std::filesystem::current_path();
        EXPECT_TRUE(std::filesystem::is_empty(vu));
        ecrit_fichier("x", "y");
    }
    EXPECT_FALSE(std::filesystem::exists(vu));
    EXPECT_NE(std::filesystem::current_path(), vu);
}

TEST(Modele, EmptySetHasAllCardsFree) {
    Contraintes c;
    EXPECT_EQ(c.nom, "vides");
    EXPECT_EQ(c.numrestants.size(), 52u);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(c.nbmarquees[s], 0);
}
