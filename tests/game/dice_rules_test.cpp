#include "game/dice_rules.h"

#include <gtest/gtest.h>

namespace daxo {
namespace {

struct Combinations {
    Dice dice;
    bool full, suite, carre, daxo;
};

void PrintTo(const Combinations& c, std::ostream* os)
{
    for (const std::string& die : c.dice)
        *os << '"' << die << "\" ";
}

class CombinationTests : public ::testing::TestWithParam<Combinations> {};

TEST_P(CombinationTests, RecogniseTheirCombinations)
{
    const Combinations& c = GetParam();
    EXPECT_EQ(isFull(c.dice), c.full);
    EXPECT_EQ(isSuite(c.dice), c.suite);
    EXPECT_EQ(isCarre(c.dice), c.carre);
    EXPECT_EQ(isDaxo(c.dice), c.daxo);
}

INSTANTIATE_TEST_SUITE_P(Dice, CombinationTests, ::testing::Values(
    //                           full   suite  carré  daxo
    Combinations{{"5", "5", "5", "2", "2"}, true, false, false, false},
    Combinations{{"2", "5", "2", "5", "5"}, true, false, false, false},
    Combinations{{"3", "3", "1", "1", "1"}, true, false, false, false},
    Combinations{{"4", "4", "4", "4", "4"}, true, false, true, true},
    Combinations{{"6", "1", "6", "6", "6"}, false, false, true, false},
    Combinations{{"1", "2", "2", "2", "2"}, false, false, true, false},
    Combinations{{"3", "5", "1", "4", "2"}, false, true, false, false},
    Combinations{{"6", "2", "4", "3", "5"}, false, true, false, false},
    Combinations{{"1", "2", "3", "4", "6"}, false, false, false, false},
    Combinations{{"1", "2", "3", "4", "4"}, false, false, false, false},
    Combinations{{"5", "5", "5", "2", "3"}, false, false, false, false},
    // Placeholders and start texts are not numbers and differ pairwise.
    Combinations{{"a", "b", "c", "d", "e"}, false, false, false, false},
    Combinations{{"Dé 1", "Dé 2", "Dé 3", "Dé 4", "Dé 5"}, false, false, false, false},
    // Typed dice take part like faces.
    Combinations{{"3", "4", "5", "6", "7"}, false, true, false, false},
    Combinations{{"10", "11", "12", "13", "14"}, false, true, false, false},
    Combinations{{"x", "x", "x", "y", "y"}, true, false, false, false},
    Combinations{{"", "", "", "", ""}, true, false, true, true}));

TEST(Suite, ANonNumberMatchesNoValue)
{
    // The lowest text is "-1", so the values looked for are 0 to 3; "a" reads
    // as 0 but is no number and must not stand in for the 0.
    EXPECT_FALSE(isSuite({"-1", "a", "1", "2", "3"}));
    EXPECT_TRUE(isSuite({"-1", "0", "1", "2", "3"}));
}

struct NumberBox {
    Dice dice;
    int face;
    int score;
};

class NumberBoxScore : public ::testing::TestWithParam<NumberBox> {};

TEST_P(NumberBoxScore, AddsTheDiceShowingTheFace)
{
    EXPECT_EQ(numberBoxScore(GetParam().dice, GetParam().face), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(Dice, NumberBoxScore, ::testing::Values(
    NumberBox{{"3", "3", "5", "3", "1"}, 3, 9}, NumberBox{{"3", "3", "5", "3", "1"}, 1, 1},
    NumberBox{{"3", "3", "5", "3", "1"}, 5, 5}, NumberBox{{"3", "3", "5", "3", "1"}, 6, 0},
    NumberBox{{"6", "6", "6", "6", "6"}, 6, 30}, NumberBox{{"6", "6", "6", "6", "6"}, 1, 0},
    NumberBox{{"1", "2", "2", "4", "6"}, 1, 1}, NumberBox{{"a", "b", "c", "d", "e"}, 1, 0},
    NumberBox{{"4 ", " 4", "04", "4.0", "4"}, 4, 4}));

TEST(DiceSum, AddsTheNumbersAndCountsOtherTexts0)
{
    EXPECT_EQ(diceSum({"1", "2", "3", "4", "5"}), 15);
    EXPECT_EQ(diceSum({"6", "6", "6", "6", "6"}), 30);
    EXPECT_EQ(diceSum({"a", "b", "c", "d", "e"}), 0);
    EXPECT_EQ(diceSum({"7", "", "4x", "Dé 4", "-2"}), 9);
}

} // namespace
} // namespace daxo
