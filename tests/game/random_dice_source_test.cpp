#include "game/random_dice_source.h"

#include <gtest/gtest.h>

#include <array>

namespace daxo {
namespace {

// Pearson's chi-square statistic of observed counts against equal chances.
template <std::size_t N>
double chiSquare(const std::array<int, N>& counts, int total)
{
    const double expected = static_cast<double>(total) / N;
    double sum = 0.0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// The thresholds lie far in the tails (a fair source exceeds them about
// once in a billion runs), so the checks catch a broken source, never luck.
TEST(RandomDiceSource, FacesAreUniform)
{
    RandomDiceSource source;
    constexpr int kThrows = 60000;
    std::array<int, 6> counts{};
    for (int i = 0; i < kThrows; ++i) {
        const int face = source.nextFace();
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++counts[static_cast<std::size_t>(face - 1)];
    }
    EXPECT_LT(chiSquare(counts, kThrows), 50.0); // 5 degrees of freedom
}

TEST(RandomDiceSource, DiceOfOneThrowAreIndependent)
{
    RandomDiceSource source;
    constexpr int kThrows = 20000;
    // Each pair of neighbouring dice of a throw, as 36 combined outcomes.
    std::array<std::array<int, 36>, 4> pairs{};
    for (int t = 0; t < kThrows; ++t) {
        std::array<int, 5> dice{};
        for (int& die : dice)
            die = source.nextFace() - 1;
        for (std::size_t d = 0; d < 4; ++d)
            ++pairs[d][static_cast<std::size_t>(dice[d] * 6 + dice[d + 1])];
    }
    for (const auto& counts : pairs)
        EXPECT_LT(chiSquare(counts, kThrows), 110.0); // 35 degrees of freedom
}

TEST(RandomDiceSource, TwoSourcesDoNotRepeatEachOther)
{
    RandomDiceSource first;
    RandomDiceSource second;
    int same = 0;
    constexpr int kThrows = 600;
    for (int i = 0; i < kThrows; ++i)
        same += first.nextFace() == second.nextFace();
    EXPECT_LT(same, kThrows / 2);
}

} // namespace
} // namespace daxo
