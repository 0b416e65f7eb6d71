#include "game/dice_rules.h"

#include <gtest/gtest.h>

namespace daxo {
namespace {

struct Combinations {
    Dice dice;
    bool full, suite, carre, daxo;
};

class CombinationTests : public ::testing::TestWithParam<Combinations> {};

TEST_P(CombinationTests, RecogniseTheirCombinations)
{
    const Combinations& c = GetParam();
    EXPECT_EQ((std::array{isFull(c.dice), isSuite(c.dice), isCarre(c.dice), isDaxo(c.dice)}),
              (std::array{c.full, c.suite, c.carre, c.daxo}))
        << c.dice[0] << ' ' << c.dice[1] << ' ' << c.dice[2] << ' ' << c.dice[3] << ' ' << c.dice[4];
}

INSTANTIATE_TEST_SUITE_P(Dice, CombinationTests, ::testing::Values(
    //                                         full   suite  carré  daxo
    Combinations{{"5", "5", "5", "2", "2"}, true, false, false, false},
    Combinations{{"2", "5", "2", "5", "5"}, true, false, false, false},
    Combinations{{"4", "4", "4", "4", "4"}, true, false, true, true},
    Combinations{{"6", "1", "6", "6", "6"}, false, false, true, false},
    Combinations{{"3", "5", "1", "4", "2"}, false, true, false, false},
    Combinations{{"6", "2", "4", "3", "5"}, false, true, false, false},
    Combinations{{"1", "2", "3", "4", "6"}, false, false, false, false},
    Combinations{{"1", "2", "3", "4", "4"}, false, false, false, false},
    Combinations{{"5", "5", "5", "2", "3"}, false, false, false, false},
    // Placeholders and start texts are not numbers and differ pairwise.
    Combinations{{"a", "b", "c", "d", "e"}, false, false, false, false},
    Combinations{{"Dé 1", "Dé 2", "Dé 3", "Dé 4", "Dé 5"}, false, false, false, false},
    // Typed dice take part like faces; a non-number matches no value, not
    // even the 0 it reads as.
    Combinations{{"3", "4", "5", "6", "7"}, false, true, false, false},
    Combinations{{"-1", "a", "1", "2", "3"}, false, false, false, false},
    Combinations{{"-1", "0", "1", "2", "3"}, false, true, false, false}));

TEST(DiceRules, CountAndAddTheDiceByTheirTexts)
{
    EXPECT_EQ(numberBoxScore({"4 ", " 4", "04", "4.0", "4"}, 4), 4) << "only the face's digit counts";
    EXPECT_EQ(numberBoxScore({"2", "2", "1", "2", "2"}, 2), 8);
    EXPECT_EQ(diceSum({"7", "", "4x", "Dé 4", "-2"}), 9);
}

} // namespace
} // namespace daxo
