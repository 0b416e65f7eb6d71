#include "tools/coach_arguments.h"
#include "tools/excerpt.h"

#include <gtest/gtest.h>

namespace daxo::tools {
namespace {

const std::vector<CommandSpec> kCommands{
    {"solve", {"threads"}},
    {"simulate", {"level", "games", "seed"}, {"level", "games"}},
};

std::variant<Invocation, ArgumentError> read(std::initializer_list<std::string_view> arguments)
{
    return readArguments(arguments, kCommands);
}

TEST(CoachArguments, ReadsCommandsAndOptionsEitherWay)
{
    struct Row {
        std::initializer_list<std::string_view> arguments;
        std::string command;
        std::map<std::string, std::string, std::less<>> options;
    };
    const Row rows[] = {
        {{"solve"}, "solve", {}},
        {{"solve", "--threads", "2"}, "solve", {{"threads", "2"}}},
        {{"solve", "--threads=2"}, "solve", {{"threads", "2"}}},
        {{"solve", "--threads="}, "solve", {{"threads", ""}}}, // an empty value, refused by its reader
        {{"simulate", "--games=10", "--level", "perfect"}, "simulate", {{"games", "10"}, {"level", "perfect"}}},
        {{"solve", "--version"}, "version", {}},
        {{"--help", "solve"}, "help", {}},
        {{"-h"}, "help", {}},
    };
    for (const Row& row : rows) {
        const auto got = read(row.arguments);
        ASSERT_TRUE(std::holds_alternative<Invocation>(got)) << std::get<ArgumentError>(got).why;
        EXPECT_EQ(std::get<Invocation>(got).command, row.command);
        EXPECT_EQ(std::get<Invocation>(got).options, row.options);
    }
}

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
