#include "tools/advice_line.h"

#include <gtest/gtest.h>

namespace daxo::solver {
namespace {

TEST(AdviceLine, ReadsAPosition)
{
    const auto read = readAdviceLine("1,6,Full,Moins\t8\t-\t12\t16252\t1\r");
    ASSERT_TRUE(std::holds_alternative<AdviceRequest>(read));
    const AdviceRequest& request = std::get<AdviceRequest>(read);
    EXPECT_EQ(request.position, (Position{.used = bit(Box::Ones) | bit(Box::Sixes) | bit(Box::Full) | bit(Box::Moins),
                                          .subtotal = 8, .plus = std::nullopt, .moins = 12}));
    EXPECT_EQ(request.dice, (FaceCounts{1, 2, 0, 0, 1, 1}));
    EXPECT_EQ(request.throwsLeft, 1);
    EXPECT_TRUE(std::holds_alternative<AdviceRequest>(readAdviceLine("-\t0\t-\t-\t66666\t2")));
}

// What a bad line quotes back is short, whatever the line held (the fields
// and reasons of bad lines are daxo-coach's transcript's).
TEST(AdviceLine, QuotesALongFieldShortly)
{
    const auto longField = readAdviceLine("-\t" + std::string(1000000, '7') + "\t-\t-\t12345\t2");
    EXPECT_LT(std::get<LineError>(longField).why.size(), 100u);
}

} // namespace
} // namespace daxo::solver
