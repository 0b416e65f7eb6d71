#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace daxo::tools {

// What `daxo-coach` was asked to do: a command and its options, each option
// given as `--name value` or `--name=value`.
struct Invocation {
    std::string command; // "solve", "advise", "simulate", or "help" / "version"
    std::map<std::string, std::string, std::less<>> options = {};
};

// What is wrong with the command line, in a sentence for the terminal.
struct ArgumentError {
    std::string why;
};

// The commands and the options each takes.
struct CommandSpec {
    std::string_view name;
    std::vector<std::string_view> options;
    std::vector<std::string_view> required = {};
};

std::variant<Invocation, ArgumentError> readArguments(const std::vector<std::string_view>& arguments,
                                                      const std::vector<CommandSpec>& commands);

// A whole number from `least` to `most`, as an option's value; a number
// above `most` is taken as `most` when `clampAbove` is set (more threads than
// help do no harm but waste memory).
std::variant<std::uint64_t, ArgumentError> wholeOption(std::string_view name, std::string_view value,
                                                       std::uint64_t least, std::uint64_t most,
                                                       bool clampAbove = false);

} // namespace daxo::tools
