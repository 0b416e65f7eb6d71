#include "solver/game_analysis.h"
#include "support/game_fixture.h"
#include "support/whole_table.h"

namespace daxo::solver {
namespace {

using daxo::test::GameFixture;

// A short game, judged: every throw after a turn's first and every box is a
// decision, in order, and each loss is what the engine's own advice says
// that choice loses. A box scored blind is judged; a first throw is not.
TEST_F(GameFixture, EveryDecisionIsJudgedInOrder)
{
    const Strategy& strategy = daxo::test::wholeTable();
    throwDice({1, 2, 1, 3, 4});                // turn 1: throw
    game.setHeld(1, true);
    game.setHeld(3, true);
    throwDice({6, 6, 6});                      // keep 1 1
    game.Command7_Click();                     // score the sixes: 18
    throwDice({5, 5, 5, 5, 2});                // turn 2
    for (int die = 1; die <= 5; ++die)
        game.setHeld(die, true);
    throwDice({});                             // keep all five
    answers.queue({Answer::Yes});
    game.Command9_Click();                     // no Suite: 0
    game.Command2_Click();                     // turn 3: the ones, blind

    const Judgement judged = judge(game.record(), strategy);
    ASSERT_TRUE(judged.judged);
    ASSERT_EQ(judged.decisions.size(), 5u);
    const Position start{};
    const Position afterSixes{.used = bit(Box::Sixes), .subtotal = 18};
    const Position afterSuite{.used = bit(Box::Sixes) | bit(Box::Suite), .subtotal = 18};
    const Position afterOnes{.used = afterSuite.used | bit(Box::Ones), .subtotal = 18};
    const struct {
        int turn, throwsMade;
        std::string chosen;
        std::vector<Action> advice;
    } expected[] = {
        {1, 1, "keep:11", strategy.advise(start, {2, 1, 1, 1, 0, 0}, 2)},
        {1, 2, "score:6", strategy.advise(start, {2, 0, 0, 0, 0, 3}, 1)},
        {2, 1, "keep:25555", {}},
        {2, 2, "score:Suite", strategy.advise(afterSixes, {0, 1, 0, 0, 4, 0}, 1)},
        {3, 0, "score:1", strategy.adviseBeforeThrowing(afterSuite)},
    };
    double total = 0;
    for (std::size_t i = 0; i < judged.decisions.size(); ++i) {
        const JudgedDecision& decision = judged.decisions[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(std::pair(decision.before.turn, decision.before.throwsMade),
                  std::pair(expected[i].turn, expected[i].throwsMade));
        EXPECT_EQ(describe(decision.chosen), expected[i].chosen);
        if (!expected[i].advice.empty()) {
            const auto taken = std::find_if(expected[i].advice.begin(), expected[i].advice.end(),
                                            [&](const Action& a) { return describe(a) == expected[i].chosen; });
            ASSERT_NE(taken, expected[i].advice.end());
            EXPECT_DOUBLE_EQ(decision.chosen.loss, taken->loss);
            EXPECT_EQ(describe(decision.best), describe(expected[i].advice.front()));
        }
        total += decision.chosen.loss;
    }
    // Throwing all five held is worth the same dice with a throw fewer.
    const double heldValue = strategy.advise(afterSixes, {0, 1, 0, 0, 4, 0}, 1).front().value;
    EXPECT_DOUBLE_EQ(judged.decisions[2].chosen.value, heldValue);
    EXPECT_GT(judged.decisions[4].chosen.loss, 0.0);
    EXPECT_DOUBLE_EQ(judged.totalLoss, total);
    EXPECT_EQ(judged.now.scored, 18);
    EXPECT_EQ(judged.now.turn, 4);
    EXPECT_DOUBLE_EQ(judged.expectedAtStart, strategy.expectedToCome(start));
    EXPECT_DOUBLE_EQ(judged.decisions[1].expectedFinal, 18 + strategy.expectedToCome(afterSixes));
    EXPECT_DOUBLE_EQ(judged.decisions[4].expectedFinal, 18 + strategy.expectedToCome(afterOnes));
    EXPECT_DOUBLE_EQ(expectedFinal(judged.now, strategy), 18 + strategy.expectedToCome(afterOnes));
}

// The cheat mode puts a game beyond judgement; a hint makes it assisted.
TEST_F(GameFixture, CheatingAndHintsMarkTheJudgement)
{
    game.noteHint();
    throwDice({1, 1, 1, 1, 1});
    Judgement judged = judge(game.record(), daxo::test::wholeTable());
    EXPECT_TRUE(judged.judged && judged.assisted);
    game.setCellsLocked(false);
    game.typeText(Cell::Text2, "6");
    judged = judge(game.record(), daxo::test::wholeTable());
    EXPECT_FALSE(judged.judged);
    EXPECT_TRUE(judged.decisions.empty());
}

} // namespace
} // namespace daxo::solver
