// The openings the build works out, against the futures worked out exactly
// from the same positions, and their file read only when whole.

#include "solver/opening_futures.h"
#include "solver/win_chances.h"
#include "support/whole_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <unistd.h>

namespace daxo::solver {
namespace {

const OpeningFutures* builtOpenings()
{
    static const std::optional<OpeningFutures> read = OpeningFutures::read(DAXO_TEST_OPENINGS);
    return read ? &*read : nullptr;
}

// The largest difference the two futures make to the chance of winning
// against a rival whose future is the second's, ahead, level or behind.
double widestGap(const PointsDistribution& read, const PointsDistribution& exact)
{
    double gap = 0;
    for (const int ahead : {-40, -20, -10, 0, 10, 20, 40}) {
        const auto winning = [&](const PointsDistribution& mine) {
            PointsDistribution moved;
            moved.addShifted(mine, 40 + ahead, 1);
            PointsDistribution rival;
            rival.addShifted(exact, 40, 1);
            return winChances(std::vector{moved, rival})[0].win;
        };
        gap = std::max(gap, std::abs(winning(read) - winning(exact)));
    }
    return gap;
}

TEST(OpeningFutures, AreThoseWorkedOutExactlyWithinAFractionOfAPoint)
{
    if (!builtOpenings())
        GTEST_SKIP() << "no openings built (the sanitizers' build works out none)";
    const auto used = [](std::initializer_list<Box> boxes) {
        unsigned mask = 0;
        for (const Box box : boxes)
            mask |= bit(box);
        return mask;
    };
    const struct {
        double temperature;
        Position position;
    } cases[] = {
        // No bonus left to earn: the lane every subtotal below 5 shares.
        {2.62, {.used = used({Box::Ones, Box::Twos, Box::Threes, Box::Fours}), .subtotal = 0}},
        // A Plus that limits the Moins to come, and one that limits nothing.
        {1.555, {.used = used({Box::Sixes, Box::Daxo, Box::Suite, Box::Plus}), .subtotal = 24, .plus = 8}},
        {1.555, {.used = used({Box::Sixes, Box::Daxo, Box::Suite, Box::Plus}), .subtotal = 24, .plus = 30}},
        {0.81, {.used = used({Box::Fives, Box::Full, Box::Moins}), .subtotal = 15, .moins = 25}},
        {0, {.used = used({Box::Ones, Box::Twos, Box::Threes, Box::Full}), .subtotal = 6}},
    };
    for (const auto& [temperature, position] : cases) {
        SCOPED_TRACE(testing::Message() << "temperature " << temperature << ", boxes " << position.used);
        FutureScores exact(daxo::test::wholeTable(), {temperature});
        const std::optional<PointsDistribution> read = builtOpenings()->toCome({temperature}, position);
        ASSERT_TRUE(read);
        const PointsDistribution& truth = exact.toCome(position);
        EXPECT_NEAR(read->mean(), truth.mean(), 0.2);
        EXPECT_LT(widestGap(*read, truth), 0.006);
        // Read through the futures, the same, and the exact future of a
        // later position untouched.
        FutureScores throughOpenings(daxo::test::wholeTable(), {temperature}, builtOpenings());
        EXPECT_EQ(widestGap(throughOpenings.toCome(position), *read), 0);
    }
    EXPECT_FALSE(builtOpenings()->toCome({0.5}, Position{})) << "a temperature no level has";
    EXPECT_FALSE(builtOpenings()->toCome({0}, {.used = kAllBoxes >> 7})) << "five boxes scored";
}

// Kept in a few dozen bytes and read back: the chance of fewer points
// within a 256th where it is kept, and straight between, for a spread
// future and for one that is nearly certain.
TEST(OpeningFutures, KeepEachFutureWithinAFractionOfAPoint)
{
    PointsDistribution spread, sure = PointsDistribution::certainly(40);
    for (int points = 100; points < 298; ++points)
        spread.addShifted(PointsDistribution::certainly(points), 0, points < 150 ? 0.002 : 0.9 / 148);
    for (const PointsDistribution* future : {&spread, &sure}) {
        const std::vector<std::uint8_t> kept = OpeningFutures::encode(*future);
        EXPECT_LT(kept.size(), 60u);
        const PointsDistribution read = OpeningFutures::decode(kept);
        EXPECT_NEAR(read.below(read.most() + 1), 1.0, 1e-12);
        EXPECT_NEAR(read.mean(), future->mean(), 2.5);
        for (int points = 0; points <= future->most() + 1; points += 5)
            EXPECT_NEAR(read.below(points), future->below(points), 1.0 / 510 + 1.0 / 1024) << points;
    }
}

TEST(OpeningFutures, AreReadOnlyFromAWholeFile)
{
    if (!builtOpenings())
        GTEST_SKIP() << "no openings built";
    std::ifstream in(DAXO_TEST_OPENINGS, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto damaged = std::filesystem::temp_directory_path() / ("openings-" + std::to_string(::getpid()));
    const std::pair<const char*, std::function<std::string(std::string)>> harms[] = {
        {"cut short", [](std::string bytes) { return bytes.substr(0, bytes.size() - 1); }},
        {"longer", [](std::string bytes) { return bytes + '\0'; }},
        {"a distribution's byte changed", [](std::string bytes) { bytes[bytes.size() / 2] ^= 1; return bytes; }},
        {"of another engine", [](std::string bytes) { bytes[20] ^= 1; return bytes; }},
    };
    for (const auto& [harm, apply] : harms) {
        std::ofstream(damaged, std::ios::binary | std::ios::trunc) << apply(whole);
        EXPECT_FALSE(OpeningFutures::read(damaged)) << harm;
    }
    std::filesystem::remove(damaged);
}

} // namespace
} // namespace daxo::solver
