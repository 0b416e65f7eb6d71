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

// A bad line names the field at fault.
TEST(AdviceLine, NamesTheFieldOfABadLine)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1,2\t3", "line"},
        {"1,Yahtzee\t0\t-\t-\t12345\t2", "used boxes"},
        {"1,1\t2\t-\t-\t12345\t2", "used boxes"},
        {"1,2,3,4,5,6,Full,Suite,Carre,Daxo,Plus,Moins\t60\t20\t10\t12345\t0", "used boxes"},
        {"-\tseven\t-\t-\t12345\t2", "subtotal"},
        {"1\t7\t-\t-\t12345\t2", "subtotal"},
        {"-\t0\t12\t-\t12345\t2", "Plus"},
        {"Plus\t0\t3\t-\t12345\t2", "Plus"},
        {"Plus\t0\t-\t-\t12345\t2", "Plus"},
        {"Moins\t0\t-\t31\t12345\t2", "Moins"},
        {"Moins\t0\t-\tx\t12345\t2", "Moins"},
        {"-\t0\t-\t-\t12340\t2", "dice"},
        {"-\t0\t-\t-\t1234\t2", "dice"},
        {"-\t0\t-\t-\t12345\t3", "throws left"},
        {"-\t0\t-\t-\t12345\t", "throws left"},
        {"Plus,Moins\t0\t10\t25\t12345\t2", "Moins"}, // the Moins above the Plus, neither 0
    };
    for (const auto& [line, field] : rows) {
        const auto read = readAdviceLine(line);
        ASSERT_TRUE(std::holds_alternative<LineError>(read)) << line;
        EXPECT_EQ(std::get<LineError>(read).field, field) << line;
        EXPECT_FALSE(std::get<LineError>(read).why.empty());
    }
}

// A Moins above the Plus, neither 0, is refused with the reason.
TEST(AdviceLine, RefusesAMoinsAboveThePlus)
{
    const auto refused = readAdviceLine("Plus,Moins\t0\t10\t25\t12345\t2");
    EXPECT_EQ(std::get<LineError>(refused).why, "Moins 25 is above Plus 10: the second of them scored would have been 0");
}

// What a bad line quotes back is an escaped excerpt, whatever the line held.
TEST(AdviceLine, QuotesABadFieldAsAShortEscapedExcerpt)
{
    using namespace std::string_literals;
    const auto binary = readAdviceLine("1,Fu\0ll\x1b[31m\t0\t-\t-\t12345\t2"s);
    EXPECT_EQ(std::get<LineError>(binary).why,
              "\"Fu\\x00ll\\x1b[31m\" is no box (1 to 6, Full, Suite, Carre, Daxo, Plus, Moins)");
    const auto longField = readAdviceLine("-\t" + std::string(1000000, '7') + "\t-\t-\t12345\t2");
    EXPECT_LT(std::get<LineError>(longField).why.size(), 100u);
}

} // namespace
} // namespace daxo::solver
