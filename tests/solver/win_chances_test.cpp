// The distributions of the points to come and the chances of winning,
// against reckonings of their own: endgames of one box worked out by hand,
// and what the chances of players must add up to.

#include "solver/future_scores.h"
#include "solver/win_chances.h"
#include "solver/winning_play.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace daxo::solver {
namespace {

constexpr unsigned kAllBut(Box box) { return kAllBoxes & ~bit(box); }

// Perfect play of the turns after `used`.
const Strategy& subGame(unsigned used)
{
    static std::map<unsigned, Strategy> solved;
    if (!solved.contains(used))
        solved.emplace(used, *Strategy::solve({.within = used}));
    return solved.at(used);
}

const Strategy& lastTurnOf(Box box) { return subGame(kAllBut(box)); }

// Only the Daxo left: five equal faces within three throws, the most common
// face kept each time, is 347,897 / 7,558,272 (a chain of the count kept,
// worked out by hand); nothing else scores.
constexpr double kDaxoInThreeThrows = 347897.0 / 7558272.0;

// Binomial chances of `hits` among `n` dice, each 1 in 6.
double binomial(int n, int hits)
{
    double ways = 1;
    for (int i = 0; i < hits; ++i)
        ways = ways * (n - i) / (i + 1);
    return ways * std::pow(1.0 / 6, hits) * std::pow(5.0 / 6, n - hits);
}

TEST(FutureScores, EndgamesOfOneBoxAgreeWithTheirReckoning)
{
    const Strategy& strategy = lastTurnOf(Box::Daxo);
    FutureScores perfect(strategy, {});
    const Position daxoLeft{.used = kAllBut(Box::Daxo), .subtotal = 70, .plus = 25, .moins = 12};
    const PointsDistribution& daxo = perfect.toCome(daxoLeft);
    EXPECT_NEAR(daxo.chance(50), kDaxoInThreeThrows, 1e-12);
    EXPECT_NEAR(daxo.chance(0), 1 - kDaxoInThreeThrows, 1e-12);
    EXPECT_NEAR(daxo.mean(), strategy.expectedToCome(daxoLeft), 1e-9) << "the engine's own expectation";

    // Only the sixes left, 6 6 6 1 2 shown and one throw left: the three
    // sixes kept, two dice thrown. At a temperature every action the engine
    // offers weighs in, each ending its own way: scored at once, or its
    // sixes kept and the others thrown.
    const Position sixesLeft{.used = kAllBut(Box::Sixes), .subtotal = 10, .plus = 25, .moins = 12};
    const FaceCounts shown{1, 1, 0, 0, 0, 3};
    const Strategy& sixes = lastTurnOf(Box::Sixes);
    for (const double temperature : {0.0, 1.555}) {
        FutureScores players(sixes, {temperature});
        std::vector<double> expected(31, 0.0);
        const std::vector<Action> actions = sixes.advise(sixesLeft, shown, 1);
        double total = 0;
        for (const Action& action : actions) {
            const double weight = temperature > 0 ? std::exp(-action.loss / temperature) : &action == &actions.front();
            total += weight;
            if (action.kind == Action::Kind::Score) {
                expected[18] += weight;
                continue;
            }
            const int kept = action.kept[5];
            const int thrown = 5 - (action.kept[0] + action.kept[1] + action.kept[5]);
            for (int hits = 0; hits <= thrown; ++hits)
                expected[static_cast<std::size_t>(6 * (kept + hits))] += weight * binomial(thrown, hits);
        }
        const PointsDistribution got = players.toComeAfterThrow(sixesLeft, shown, 1);
        for (int points = 0; points <= 30; ++points)
            EXPECT_NEAR(got.chance(points), expected[static_cast<std::size_t>(points)] / total, 1e-12)
                << points << " points at " << temperature;
    }
}

// Three turns left, the bonus within reach: under perfect play the
// distribution's mean is the engine's own expectation, and at a level's
// temperature, where every action weighs in, it is whole.
TEST(FutureScores, ArePerfectPlaysExpectationAndWhole)
{
    const Position position{.used = kAllBoxes & ~(bit(Box::Sixes) | bit(Box::Full) | bit(Box::Plus)),
                            .subtotal = 48, .moins = 14};
    const Strategy& strategy = subGame(position.used);
    FutureScores perfect(strategy, {});
    EXPECT_NEAR(perfect.toCome(position).mean(), strategy.expectedToCome(position), 1e-9);
    const std::size_t known = perfect.positionsKnown();
    perfect.workOutTurnFrom(Position{.used = kAllBoxes}, {});
    EXPECT_EQ(perfect.positionsKnown(), known) << "a full sheet has no turn to work out";
    FutureScores beginner(strategy, {2.62});
    const PointsDistribution& played = beginner.toCome(position);
    double whole = 0;
    for (int points = 0; points <= played.most(); ++points)
        whole += played.chance(points);
    EXPECT_NEAR(whole, 1, 1e-12);
    EXPECT_LT(played.mean(), strategy.expectedToCome(position));
}

PointsDistribution finalOf(int scored, const PointsDistribution& toCome)
{
    PointsDistribution final;
    final.addShifted(toCome, scored, 1.0);
    return final;
}

TEST(WinChances, ShareTheWinAndRankByWhatCanStillHappen)
{
    FutureScores perfect(lastTurnOf(Box::Daxo), {});
    const PointsDistribution& daxo =
        perfect.toCome({.used = kAllBut(Box::Daxo), .subtotal = 70, .plus = 25, .moins = 12});
    const double p = kDaxoInThreeThrows;

    // Two equal players: each wins half, and they share the first place when
    // both or neither make the Daxo.
    const PointsDistribution twins[] = {finalOf(100, daxo), finalOf(100, daxo)};
    for (const WinChance& each : winChances(twins)) {
        EXPECT_NEAR(each.win, 0.5, 1e-12);
        EXPECT_NEAR(each.shared, p * p + (1 - p) * (1 - p), 1e-12);
    }

    // Ahead on expected points, behind on chances: 110 with the Daxo to come
    // expects 112.3 against a sure 112, and wins only with the Daxo. A third
    // player on 112 too shares that place.
    const PointsDistribution table[] = {finalOf(110, daxo), PointsDistribution::certainly(112),
                                        PointsDistribution::certainly(112)};
    const std::vector<WinChance> chances = winChances(table);
    EXPECT_GT(table[0].mean(), table[1].mean());
    EXPECT_NEAR(chances[0].win, p, 1e-12);
    EXPECT_NEAR(chances[1].win, (1 - p) / 2, 1e-12);
    EXPECT_NEAR(chances[2].shared, 1 - p, 1e-12);
    EXPECT_NEAR(chances[0].shared, 0, 1e-12);
    EXPECT_NEAR(chances[0].win + chances[1].win + chances[2].win, 1, 1e-12);
}

// Every action at a point of a turn, then perfect play: the final total's
// mean is the engine's own value of the action.
TEST(WinningPlay, WeighsEveryActionAsTheEngineDoes)
{
    const Position position{.used = kAllBoxes & ~(bit(Box::Sixes) | bit(Box::Full) | bit(Box::Plus)),
                            .subtotal = 48, .moins = 14};
    const Strategy& strategy = subGame(position.used);
    FutureScores perfect(strategy, {});
    for (const GamePoint& point : {GamePoint{.position = position, .scored = 150},
                                   GamePoint{.position = position, .scored = 150, .throwsMade = 1, .dice = {0, 0, 2, 0, 1, 2}},
                                   GamePoint{.position = position, .scored = 150, .throwsMade = 2, .dice = {0, 1, 1, 1, 1, 1}}}) {
        const std::vector<Action> actions = actionsAt(point, strategy);
        const std::vector<double> means =
            worthAfter(point, actions, perfect, [](const PointsDistribution& toCome, int banked) {
                return banked + toCome.mean();
            });
        for (std::size_t i = 0; i < actions.size(); ++i)
            EXPECT_NEAR(means[i], point.scored + actions[i].value, 1e-9) << describe(actions[i]);
    }
}

} // namespace
} // namespace daxo::solver
