#include "scores/game_statistics.h"

#include <gtest/gtest.h>

namespace daxo {
namespace {

StoredGame stored(std::array<int, 12> scores, int boxes = 12, bool cheated = false, std::optional<double> meanLoss = {})
{
    std::vector<GameEvent> events{NewGameEvent{1, 1}};
    for (int box = 0; box < boxes; ++box)
        events.push_back(ScoreEvent{button(box + 2), {"1", "1", "1", "1", "1"}, 1, std::to_string(scores[static_cast<std::size_t>(box)])});
    StoredGame game = StoredGame::of(GameRecord(std::move(events), 0));
    game.cheated = cheated;
    game.meanLoss = meanLoss;
    return game;
}

// Three finished games, and two that do not count: one left unfinished,
// one the cheat mode touched.
TEST(GameStatistics, CountOnlyTheFinishedGamesPlayedFairly)
{
    const std::vector<StoredGame> games{
        stored({5, 10, 15, 20, 25, 30, 20, 30, 40, 50, 30, 5}, 12, false, 0.5), // 105 + 30 + 175 = 310
        stored({1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 10, 10}, 12, false),             // 21 + 20 = 41
        stored({3, 6, 9, 12, 15, 18, 20, 30, 0, 0, 24, 6}, 12, false, 1.5),    // 63 + 30 + 80 = 173
        stored({5, 10, 15, 20, 25, 30, 20, 30, 40, 50, 30, 5}, 11),
        stored({5, 10, 15, 20, 25, 30, 20, 30, 40, 50, 30, 5}, 12, true),
    };
    const GameStatistics statistics = statisticsOf(games);
    EXPECT_EQ(statistics.games, 3);
    EXPECT_EQ(statistics.scores, (std::vector<int>{310, 41, 173}));
    EXPECT_EQ(statistics.best, 310);
    EXPECT_DOUBLE_EQ(statistics.mean, 524.0 / 3);
    const double m = 524.0 / 3;
    EXPECT_NEAR(statistics.deviation, std::sqrt(((310 - m) * (310 - m) + (41 - m) * (41 - m) + (173 - m) * (173 - m)) / 2), 1e-9);
    EXPECT_DOUBLE_EQ(statistics.bonusRate, 2.0 / 3);
    EXPECT_DOUBLE_EQ(statistics.boxMeans[0], 3.0);
    EXPECT_DOUBLE_EQ(statistics.boxMeans[8], 40.0 / 3);
    EXPECT_EQ(statistics.meanLosses, (std::vector<double>{0.5, 1.5}));

    EXPECT_EQ(statisticsOf({}).games, 0);
    EXPECT_EQ(statisticsOf({games[3]}).mean, 0);
}

TEST(GameStatistics, HistogramsCountEachScoreInItsBin)
{
    EXPECT_EQ(histogram({0, 19, 20, 39, 40, 500, -3}, 20, 3), (std::vector<int>{3, 2, 2}));
    EXPECT_EQ(histogram({5}, 0, 2), (std::vector<int>{0, 0}));
    EXPECT_TRUE(histogram({5}, 10, 0).empty());
}

} // namespace
} // namespace daxo
