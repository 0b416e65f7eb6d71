#include "game/random_dice_source.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace daxo {
namespace {

// Pearson's chi-square statistic of counts against equal chances.
template <std::size_t N>
double chiSquare(const std::array<int, N>& counts, int total)
{
    const double expected = static_cast<double>(total) / N;
    double sum = 0.0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// The thresholds lie far in the tails (a fair source exceeds them about once
// in a billion runs), so the check catches a broken source, never bad luck.
TEST(RandomDiceSource, FacesAreUniformAndTheDiceOfAThrowIndependent)
{
    RandomDiceSource source;
    source.startGame();
    constexpr int kThrows = 20000;
    std::array<int, 6> faces{};
    std::array<std::array<int, 36>, 4> neighbours{}; // die d and die d + 1 of a throw
    for (int t = 0; t < kThrows; ++t) {
        std::array<int, 5> dice{};
        for (int& die : dice) {
            die = source.nextFace() - 1;
            ASSERT_TRUE(die >= 0 && die < 6);
            ++faces[static_cast<std::size_t>(die)];
        }
        for (std::size_t d = 0; d < 4; ++d)
            ++neighbours[d][static_cast<std::size_t>(dice[d] * 6 + dice[d + 1])];
    }
    EXPECT_LT(chiSquare(faces, 5 * kThrows), 50.0); // 5 degrees of freedom
    for (const auto& counts : neighbours)
        EXPECT_LT(chiSquare(counts, kThrows), 110.0); // 35 degrees of freedom

    // Seeded from the system's entropy: a second source is no replay.
    RandomDiceSource other;
    other.startGame();
    int same = 0;
    for (int i = 0; i < 600; ++i)
        same += source.nextFace() == other.nextFace();
    EXPECT_LT(same, 300);
}

std::vector<int> faces(DiceSource& source, int count)
{
    std::vector<int> thrown;
    for (int i = 0; i < count; ++i)
        thrown.push_back(source.nextFace());
    return thrown;
}

// A seed given plays its games again: the same seed, the same dice; each
// next game the next seed, the largest followed by 0; and rewound, the
// dice of a game come again.
TEST(RandomDiceSource, ASeedPlaysTheSameGamesAgain)
{
    RandomDiceSource first(42), again(42);
    EXPECT_EQ(first.startGame(), 42u);
    EXPECT_EQ(again.startGame(), 42u);
    const std::vector<int> game42 = faces(first, 200);
    EXPECT_EQ(faces(again, 200), game42);
    EXPECT_EQ(first.startGame(), 43u);
    EXPECT_NE(faces(first, 200), game42);

    again.rewind(0);
    EXPECT_EQ(faces(again, 200), game42);
    const std::uint64_t middle = again.position();
    const std::vector<int> later = faces(again, 50);
    again.rewind(middle);
    EXPECT_EQ(faces(again, 50), later);
    // After the largest seed the count goes on from 0: each game of a run
    // keeps a seed of its own.
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
    RandomDiceSource last(kLargest);
    EXPECT_EQ(last.startGame(), kLargest);
    EXPECT_EQ(last.startGame(), 0u);
}

} // namespace
} // namespace daxo
