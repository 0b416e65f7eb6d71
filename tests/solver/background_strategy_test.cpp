#include "solver/background_strategy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace daxo::solver {
namespace {

using namespace std::chrono_literals;

// The work is done on a thread of its own, which tells of its progress and
// of its end; the table is there once it says so.
TEST(BackgroundStrategy, WorksOnAThreadOfItsOwnAndSaysWhenReady)
{
    std::mutex lock;
    std::vector<std::thread::id> tellers;
    const unsigned endGame = kAllBoxes & ~(bit(Box::Twos) | bit(Box::Suite) | bit(Box::Moins));
    BackgroundStrategy background(
        [&] {
            const std::scoped_lock held(lock);
            tellers.push_back(std::this_thread::get_id());
        },
        {.within = endGame});
    EXPECT_FALSE(background.started());
    EXPECT_EQ(background.strategy(), nullptr) << "nothing is worked out before it is asked for";
    background.start();
    background.start();
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!background.strategy() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_NE(background.strategy(), nullptr);
    EXPECT_EQ(background.progress(), 1.0);
    const Position position{.used = endGame, .subtotal = 50, .plus = 30};
    EXPECT_GT(background.strategy()->expectedToCome(position), 0.0);
    const std::scoped_lock held(lock);
    ASSERT_FALSE(tellers.empty());
    for (const std::thread::id teller : tellers)
        EXPECT_NE(teller, std::this_thread::get_id());
}

// The table the game was built with is read, not worked out again, nor
// copied into the cache.
TEST(BackgroundStrategy, ReadsTheTableItWasBuiltWith)
{
    const std::filesystem::path cache = std::filesystem::temp_directory_path() / ("daxo-cache-" + std::to_string(::getpid()));
    std::filesystem::remove(cache);
    BackgroundStrategy background({}, {}, cache, DAXO_TEST_TABLE);
    background.start();
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!background.strategy() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_NE(background.strategy(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(cache));
}

// Going away while the work goes on stops it, and does not wait for the end.
TEST(BackgroundStrategy, StopsWhenItGoes)
{
    const auto start = std::chrono::steady_clock::now();
    {
        BackgroundStrategy background;
        background.start();
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

} // namespace
} // namespace daxo::solver
