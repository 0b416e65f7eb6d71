#include "scores/histogram.h"

#include <gtest/gtest.h>

namespace daxo {
namespace {

TEST(Histogram, CountsEachScoreInItsBin)
{
    EXPECT_EQ(histogram({0, 19, 20, 39, 40, 500, -3}, 20, 3), (std::vector<int>{3, 2, 2}));
    EXPECT_EQ(histogram({5}, 0, 2), (std::vector<int>{0, 0}));
    EXPECT_TRUE(histogram({5}, 10, 0).empty());
}

} // namespace
} // namespace daxo
