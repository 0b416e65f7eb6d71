// How the command line is read as a whole is daxo-coach's transcript's.
#include "tools/coach_arguments.h"
#include "tools/excerpt.h"

#include <gtest/gtest.h>

namespace daxo::tools {
namespace {

TEST(CoachArguments, ReadsWholeNumbersWithinBounds)
{
    struct Row {
        std::string_view value;
        bool clampAbove;
        std::optional<std::uint64_t> read;
    };
    const Row rows[] = {
        {"1", false, 1},     {"8", false, 8},         {"9", false, {}},          {"9", true, 8},
        {"0", true, {}},     {"-3", true, {}},        {"abc", true, {}},         {"", true, {}},
        {"2x", true, {}},    {" 2", true, {}},        {"+2", true, {}},          {"99999999999", true, 8},
        {"99999999999999999999999", true, 8},         {"99999999999999999999999", false, {}},
    };
    for (const Row& row : rows) {
        const auto got = wholeOption("threads", row.value, 1, 8, row.clampAbove);
        if (row.read) {
            ASSERT_TRUE(std::holds_alternative<std::uint64_t>(got)) << row.value;
            EXPECT_EQ(std::get<std::uint64_t>(got), *row.read) << row.value;
        } else {
            ASSERT_TRUE(std::holds_alternative<ArgumentError>(got)) << row.value;
            EXPECT_NE(std::get<ArgumentError>(got).why.find("--threads wants a whole number from 1"),
                      std::string::npos);
        }
    }
}

// Whatever came in, what goes to the terminal is short and carries no
// control byte.
TEST(Excerpt, IsBoundedEscapedAndQuoted)
{
    using namespace std::string_literals;
    const std::pair<std::string, std::string> rows[] = {
        {"Full", "\"Full\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"a\0b"s, "\"a\\x00b\""},
        {"\x1b]0;title\x07", "\"\\x1b]0;title\\x07\""},
        {"Carr\xc3\xa9", "\"Carr\\xc3\\xa9\""},
        {std::string(1000000, 'x'), "\"" + std::string(40, 'x') + "\"... (1000000 bytes)"},
        {"", "\"\""},
    };
    for (const auto& [text, shown] : rows)
        EXPECT_EQ(excerpt(text), shown);
}

} // namespace
} // namespace daxo::tools
