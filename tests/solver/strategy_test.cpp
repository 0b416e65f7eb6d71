#include "brute_force.h"
#include "solver/state_space.h"
#include "solver/strategy.h"

#include <gtest/gtest.h>

#include <bit>

namespace daxo::solver {
namespace {

using test::BruteForce;

// A position with only `free` boxes left to score.
Position leaving(std::initializer_list<Box> free, int subtotal, std::optional<int> plus, std::optional<int> moins)
{
    Position position{.used = kAllBoxes, .subtotal = subtotal, .plus = plus, .moins = moins};
    for (const Box box : free)
        position.used &= ~bit(box);
    return position;
}

struct EndGame {
    const char* what;
    Position position;
};

// End games of up to four boxes, between them every kind of box, the bonus
// still to win, and the Plus and the Moins limiting each other.
const EndGame kEndGames[] = {
    {"Plus and Moins", leaving({Box::Plus, Box::Moins}, 63, std::nullopt, std::nullopt)},
    {"Plus under a Moins of 30", leaving({Box::Plus}, 70, std::nullopt, 30)},
    {"the bonus in sight", leaving({Box::Sixes, Box::Fives, Box::Full, Box::Daxo}, 30, 22, 12)},
    {"a Suite, a Carre, the ones and a Plus above a Moins",
     leaving({Box::Ones, Box::Suite, Box::Carre, Box::Plus}, 58, std::nullopt, 18)},
    {"a Moins under a Plus of 12", leaving({Box::Twos, Box::Threes, Box::Moins, Box::Daxo}, 52, 12, std::nullopt)},
    {"a Moins under a Plus of 7", leaving({Box::Moins, Box::Sixes, Box::Carre}, 40, 7, std::nullopt)},
};

TEST(Strategy, EndGamesAgreeWithABruteForceOverOrderedDice)
{
    for (const EndGame& end : kEndGames) {
        SCOPED_TRACE(end.what);
        ASSERT_FALSE(whyImpossible(end.position));
        const std::optional<Strategy> strategy = Strategy::solve({.within = end.position.used});
        BruteForce brute;
        EXPECT_NEAR(strategy->expectedToCome(end.position), brute.expectedToCome(end.position), 1e-9);
    }
}

// The dice `kept` held among `dice`, as a bit for each die.
unsigned holding(const FaceCounts& kept, const BruteForce::Throw& dice)
{
    FaceCounts left = kept;
    unsigned held = 0;
    for (int die = 0; die < 5; ++die) {
        auto& n = left[static_cast<std::size_t>(dice[static_cast<std::size_t>(die)] - 1)];
        if (n > 0) {
            --n;
            held |= 1u << die;
        }
    }
    return held;
}

// Within a turn, every action's value is the brute force's too: each box
// on these dice, and each set of the dice kept with one or two throws left.
TEST(Strategy, EveryActionWithinATurnAgreesWithTheBruteForce)
{
    const struct {
        const EndGame& end;
        BruteForce::Throw dice;
    } turns[] = {
        {kEndGames[2], {6, 5, 6, 2, 6}},
        {kEndGames[3], {3, 4, 1, 5, 4}},
        {kEndGames[5], {2, 1, 6, 6, 1}},
    };
    for (const auto& [end, dice] : turns) {
        SCOPED_TRACE(end.what);
        const std::optional<Strategy> strategy = Strategy::solve({.within = end.position.used});
        BruteForce brute;
        for (const int throwsLeft : {0, 1, 2}) {
            const std::vector<Action> actions = strategy->advise(end.position, countsOf(dice), throwsLeft);
            for (const Action& action : actions) {
                const double expected = action.kind == Action::Kind::Score
                                            ? brute.scoring(end.position, action.box, dice)
                                            : brute.keeping(end.position, dice, holding(action.kept, dice), throwsLeft);
                EXPECT_NEAR(action.value, expected, 1e-9) << describe(action) << " with " << throwsLeft << " left";
                EXPECT_TRUE(action.kind == Action::Kind::Score || action.kept != countsOf(dice))
                    << "keeping all five is scoring them later, no choice";
            }
            EXPECT_EQ(actions.front().loss, 0);
            EXPECT_TRUE(std::is_sorted(actions.begin(), actions.end(),
                                       [](const Action& a, const Action& b) { return a.value > b.value; }));
        }
    }
}

// Before the first throw: throwing, or any box scored for 0.
TEST(Strategy, ActionsBeforeTheFirstThrowAgreeWithTheBruteForce)
{
    for (const EndGame& end : {kEndGames[0], kEndGames[4]}) {
        SCOPED_TRACE(end.what);
        const std::optional<Strategy> strategy = Strategy::solve({.within = end.position.used});
        BruteForce brute;
        const std::vector<Action> actions = strategy->adviseBeforeThrowing(end.position);
        ASSERT_EQ(actions.size(), 1u + static_cast<std::size_t>(12 - std::popcount(end.position.used)));
        for (const Action& action : actions) {
            const double expected = action.kind == Action::Kind::Throw
                                        ? brute.firstThrow(end.position)
                                        : brute.expectedToCome(afterScoring(end.position, action.box, 0).position);
            EXPECT_NEAR(action.value, expected, 1e-9) << describe(action);
        }
        EXPECT_NEAR(actions.front().value, brute.expectedToCome(end.position), 1e-9);
    }
}

} // namespace
} // namespace daxo::solver
