#include "brute_force.h"
#include "solver/state_space.h"
#include "solver/strategy.h"
#include "solver/strategy_cache.h"
#include "support/whole_table.h"

#include <gtest/gtest.h>

#include <atomic>

namespace daxo::solver {
namespace {

// The whole table takes seconds in an optimised build, minutes under the
// sanitizers, which check the same code on the sub-games instead.
#ifdef DAXO_SANITIZED
#define SKIP_UNDER_SANITIZERS() GTEST_SKIP() << "the whole table is worked out in the optimised build"
#else
#define SKIP_UNDER_SANITIZERS() (void)0
#endif

// The whole table, from one thread or two, and its sub-games are the same
// numbers; and its end games are the brute force's.
TEST(WholeTable, IsTheSameWorkedOutAnyWay)
{
    SKIP_UNDER_SANITIZERS();
    const Strategy& table = daxo::test::wholeTable();
    EXPECT_EQ(table.stateCount(), StateSpace::instance().stateCount());
    const Position endGame{.used = kAllBoxes & ~(bit(Box::Sixes) | bit(Box::Plus) | bit(Box::Full)),
                           .subtotal = 45, .plus = std::nullopt, .moins = 10};
    EXPECT_NEAR(table.expectedToCome(endGame), test::BruteForce().expectedToCome(endGame), 1e-9);

    const Strategy alone = *Strategy::solve({.threads = 1});
    const Position start{};
    EXPECT_EQ(alone.expectedToCome(start), table.expectedToCome(start));
    const Position midGame{.used = bit(Box::Threes) | bit(Box::Daxo) | bit(Box::Moins), .subtotal = 9, .moins = 21};
    const Strategy sub = *Strategy::solve({.within = midGame.used});
    EXPECT_EQ(sub.expectedToCome(midGame), table.expectedToCome(midGame));
    EXPECT_GT(table.expectedToCome(start), table.expectedToCome(midGame));
}

// Worked out once for the test programs, before them (ctest runs this
// first), the whole table is kept beside them and reads back as it is.
TEST(WholeTable, IsKeptForTheTestProgramsAfterIt)
{
    const Strategy& table = daxo::test::wholeTable();
    const std::optional<Strategy> kept = readStrategy(DAXO_TEST_TABLE);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->expectedToCome({}), table.expectedToCome({}));
}

// Asked to stop, the work stops and says so; it tells its progress up to
// the whole as it goes.
TEST(WholeTable, TellsItsProgressAndStopsWhenAsked)
{
    std::vector<double> told;
    const auto endGame = Strategy::solve({.within = kAllBoxes & ~0x7u, .progress = [&](double done) { told.push_back(done); }});
    ASSERT_TRUE(endGame);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_DOUBLE_EQ(told.back(), 1.0);

    std::stop_source stop;
    std::atomic<int> rounds = 0;
    const auto stopped = Strategy::solve({.progress = [&](double) {
                                              if (++rounds == 3)
                                                  stop.request_stop();
                                          },
                                          .stop = stop.get_token()});
    EXPECT_FALSE(stopped);
    EXPECT_EQ(rounds, 3);
}

} // namespace
} // namespace daxo::solver
