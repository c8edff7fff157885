// The ready working directory shipped with the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "aides.h"
#include "condouv.h"

namespace fs = std::filesystem;

namespace {

const fs::path exemple = fs::path(__FILE__).parent_path().parent_path().parent_path() / "exemple";

TEST(Exemple, HoldsTheDirectoriesThePagesWriteTo) {
    EXPECT_TRUE(fs::is_regular_file(exemple / "dralen.ini"));
    EXPECT_TRUE(fs::is_directory(exemple / "contraintes"));
    EXPECT_TRUE(fs::is_directory(exemple / "latex"));
    EXPECT_TRUE(fs::is_directory(exemple / "diagrammes"));
}

// Sud opens 1SA: kind 0 (openings) on seat 2, system 0 (SEF), bid 14 (1SA),
// no particularity (0); Sud deals every board (numbering -3), so that no
// other seat opens first.
TEST(Exemple, SudOpeningOneNotrumpReadsAsOneOpeningCondition) {
    RepertoireTemp rep;
    fs::copy(exemple, ".", fs::copy_options::recursive);
    EnregistreurAlertes rec;
    Contraintes c("contraintes/sud_ouvre_1sa");
    EXPECT_TRUE(rec.alertes.empty());
    ASSERT_EQ(c.cocos.size(), 1u);
    EXPECT_EQ(c.cocos[0].joueur, 2);
    EXPECT_EQ(c.cocos[0].id_condition, 0);
    EXPECT_EQ(c.cocos[0].params, (std::vector<int>{0, 14, 0}));
    EXPECT_EQ(c.numerofixe, -3);
    EXPECT_EQ(c.con, "");
    EXPECT_EQ(std::string(c.cfixees, 52), std::string(52, 'V'));
}

}  // namespace
