#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formule.h"

namespace {
const std::vector<bool> ab = {true, false};  // a = 1, b = 0
}

TEST(Traite, OperatorsOverTwoConditions) {
    EXPECT_FALSE(traite(ab, "ab&"));
    EXPECT_TRUE(traite(ab, "ab|"));
    EXPECT_FALSE(traite(ab, "a!"));
    EXPECT_TRUE(traite(ab, "b!a&"));
    EXPECT_TRUE(traite(ab, "a b !&"));
    EXPECT_TRUE(traite(ab, " a\tb ! & "));  // a tab is an ignored character
    EXPECT_TRUE(traite(ab, "a!!"));
}

TEST(Traite, PostfixOrderWithoutPrecedence) {
    EXPECT_TRUE(traite({true, false, true}, "ab&c|"));
    EXPECT_FALSE(traite({true, false, false}, "ab&c|"));
    // a or (b and c) differs from (a or b) and c when a = 1, c = 0.
    EXPECT_TRUE(traite({true, true, false}, "abc&|"));
    EXPECT_FALSE(traite({true, true, false}, "ab|c&"));
    // (not a) and b
    EXPECT_TRUE(traite({false, true}, "a!b&"));
    EXPECT_FALSE(traite({true, true}, "a!b&"));
}

TEST(Traite, UnknownLettersAndCharactersAreSkipped) {
    const std::vector<bool> trois = {false, true, true};
    EXPECT_FALSE(traite(trois, "da"));
    EXPECT_TRUE(traite({true, false, false}, "da"));
    EXPECT_TRUE(traite(trois, "b1(c)&"));
    // Bytes of a non-ASCII character, including ones negative as char.
    EXPECT_TRUE(traite(trois, "\xC3\xA9" "b\xE1\xFF" "c&"));
    // Upper-case letters are skipped by the first form.
    EXPECT_TRUE(traite({true}, "Aa"));
    EXPECT_FALSE(traite({true}, "A"));
}

TEST(Traite, CalculationLettersInTheSecondForm) {
    const std::vector<bool> k = {true};
    EXPECT_TRUE(traite({false}, "A", k));
    EXPECT_TRUE(traite({true}, "aA&", k));
    EXPECT_FALSE(traite({false}, "aA&", k));
    EXPECT_FALSE(traite({true}, "aB&", k));  // B names no calculation: a& lacks an operand
    EXPECT_TRUE(traite({false}, "aBA|", k));
    EXPECT_TRUE(traite({false, true}, "AB!|b&", {false, false}));
}

TEST(Traite, TheBottomValueDecides) {
    const std::vector<bool> r = {true, true, true, true, false};
    EXPECT_FALSE(traite(r, "abcde&&&&"));
    EXPECT_TRUE(traite(r, "abcde"));
    EXPECT_FALSE(traite({false, true}, "a b"));
    EXPECT_TRUE(traite({true, false}, "a b"));
}

TEST(Traite, MissingOperandsOrEmptyResultGiveFalse) {
    const std::vector<bool> un = {true, true};
    for (const char* f : {"", "   ", "xyz", "&", "|", "!", "a&", "a|", "ab&&", "&a", "!a", "ab&|b",
                          "ab||", "a&b"}) {
        EXPECT_FALSE(traite(un, f)) << "«" << f << "»";
        EXPECT_FALSE(traite(un, f, {true})) << "«" << f << "»";
    }
}

TEST(Traite, DepthUpToTheLimitIsEvaluated) {
    const std::size_t n = profondeur_max_formule;
    // n true operands and n − 1 "and": true, each operand read.
    std::string f(n, 'a');
    f += std::string(n - 1, '&');
    EXPECT_TRUE(traite({true}, f));
    // The same with the deepest operand false: the last "and" brings it down.
    std::string g(n - 1, 'a');
    g += 'b';
    g += std::string(n - 1, '&');
    EXPECT_FALSE(traite({true, false}, g));
    EXPECT_TRUE(traite({true, false}, g.substr(0, n - 1) + "b!" + std::string(n - 1, '&')));
    // One operand more than the stack holds: refused, nothing read outside it.
    EXPECT_FALSE(traite({true}, std::string(n + 1, 'a') + std::string(n, '&')));
    EXPECT_FALSE(traite({true}, std::string(10 * n, 'a')));
    // A long formula that stays shallow is fine.
    std::string h = "a";
    for (int i = 0; i < 100000; ++i) h += "a&";
    EXPECT_TRUE(traite({true}, h));
}
