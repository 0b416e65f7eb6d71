#include "solver/background_strategy.h"
#include "solver/strategy_cache.h"
#include "support/whole_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

namespace daxo::solver {
namespace {

using namespace std::chrono_literals;

class StrategyCache : public ::testing::Test {
protected:
    StrategyCache() { std::filesystem::create_directories(folder); }
    ~StrategyCache() override { std::filesystem::remove_all(folder); }

    std::string bytes(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void put(const std::filesystem::path& file, const std::string& contents)
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << contents;
    }

    // A folder of the test's own, never the folder the tests run from.
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("daxo-cache-" + std::to_string(::getpid()) + "-" +
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::path path = folder / "daxo" / "perfect-play.table";
};

// What was written comes back value for value, no draft left beside it;
// a file that is not the table this program would work out is refused:
// damaged, cut short or grown, from other rules, another engine, another
// byte order or another size of number, or no table at all.
TEST_F(StrategyCache, GivesBackTheTableItKeptAndRefusesEveryOtherFile)
{
    const Strategy& table = daxo::test::wholeTable();
    ASSERT_TRUE(writeStrategy(table, path));
    const std::optional<Strategy> back = readStrategy(path);
    ASSERT_TRUE(back && back->table().size() == table.table().size());
    EXPECT_EQ(std::memcmp(back->table().data(), table.table().data(), table.table().size() * sizeof(double)), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1) << "no draft left";
    const std::string sound = bytes(path);
    auto changed = [&](std::size_t at, char by) {
        std::string other = sound;
        other[at] = static_cast<char>(other[at] ^ by);
        return other;
    };
    const std::pair<const char*, std::string> refused[] = {
        {"a value damaged", changed(sound.size() / 2, 0x10)},
        {"the last bit of the last value", changed(sound.size() - 1, 0x01)},
        {"cut short", sound.substr(0, sound.size() - 8)},
        {"grown", sound + "x"},
        {"the header only", sound.substr(0, 48)},
        {"another format", changed(8, 0x01)},
        {"another byte order", std::string(sound).replace(12, 4, "\x01\x02\x03\x04")},
        {"other rules", changed(16, 0x01)},
        {"another engine", changed(20, 0x01)},
        {"another size of number", changed(24, 0x0c)},
        {"a count asking for too much", changed(39, 0x40)},
        {"no table at all", "not a table"},
        {"nothing", ""},
    };
    for (const auto& [what, contents] : refused) {
        put(path, contents);
        EXPECT_FALSE(readStrategy(path)) << what;
    }
    EXPECT_FALSE(readStrategy(folder / "missing.table"));
}

// The worker takes a sound table at once, and works out again, with no
// fuss, one it cannot use, keeping the new one.
TEST_F(StrategyCache, TheWorkerTakesASoundTableAndWorksOutAnUnusableOne)
{
#ifdef DAXO_SANITIZED
    GTEST_SKIP() << "the whole table is worked out again in the optimised build";
#endif
    auto ready = [](BackgroundStrategy& background) {
        background.start();
        const auto deadline = std::chrono::steady_clock::now() + 120s;
        while (!background.strategy() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        return background.strategy();
    };
    ASSERT_TRUE(writeStrategy(daxo::test::wholeTable(), path));
    {
        const auto start = std::chrono::steady_clock::now();
        BackgroundStrategy background({}, {}, path);
        ASSERT_NE(ready(background), nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms) << "read, not worked out";
    }
    std::string damaged = bytes(path);
    damaged[100] = static_cast<char>(damaged[100] ^ 0x55);
    put(path, damaged);
    BackgroundStrategy background({}, {}, path);
    const Strategy* strategy = ready(background);
    ASSERT_NE(strategy, nullptr);
    EXPECT_EQ(strategy->expectedToCome({}), daxo::test::wholeTable().expectedToCome({}));
    EXPECT_TRUE(readStrategy(path)) << "kept anew";
}

} // namespace
} // namespace daxo::solver
