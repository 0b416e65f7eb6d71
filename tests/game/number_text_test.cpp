#include "game/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace daxo {
namespace {

// Properties over any text (finite, within the limit, reads back as written)
// are the fuzz target's; these are the readings themselves.
struct Reading {
    std::string text;
    double value;
};

class ReadNumber : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadNumber, ReadsTheLeadingNumber)
{
    EXPECT_EQ(readNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumber, ::testing::Values(
    Reading{"3", 3}, Reading{"12", 12}, Reading{"4abc", 4}, Reading{" 5", 5}, Reading{"\t 7 8", 7},
    Reading{"-15", -15}, Reading{"+6", 6}, Reading{"2.5", 2.5}, Reading{".5", 0.5}, Reading{"5.", 5},
    Reading{"007", 7}, Reading{"1,5", 1},
    // Texts without a number: placeholders, captions, empty cells.
    Reading{"", 0}, Reading{"a", 0}, Reading{"Dé 1", 0}, Reading{"Label1", 0}, Reading{"-", 0}, Reading{".", 0},
    Reading{"- 5", 0},
    // What other readers take for numbers is not one here.
    Reading{"inf", 0}, Reading{"nan", 0}, Reading{"0x1A", 0}, Reading{"1e5", 1}, Reading{"\xef\xbc\x93", 0},
    // Out of range: saturates, never overflows.
    Reading{"999999999999999", 999999999999999}, Reading{std::string(400, '9'), 1e15},
    Reading{"-" + std::string(400, '9'), -1e15}, Reading{"0." + std::string(400, '0') + "1", 0}));

struct Writing {
    double value;
    std::string text;
};

class WriteNumber : public ::testing::TestWithParam<Writing> {};

TEST_P(WriteNumber, WritesTheShortestForm)
{
    EXPECT_EQ(writeNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteNumber, ::testing::Values(
    Writing{0, "0"}, Writing{-0.0, "0"}, Writing{17, "17"}, Writing{-15, "-15"}, Writing{2.5, "2.5"},
    Writing{0.1 + 0.2, "0.30000000000000004"}, Writing{8e15, "8000000000000000"}, Writing{INFINITY, "0"},
    Writing{NAN, "0"}));

} // namespace
} // namespace daxo
