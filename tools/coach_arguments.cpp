#include "coach_arguments.h"

#include "excerpt.h"

#include <algorithm>
#include <charconv>

namespace daxo::tools {
namespace {

const CommandSpec* findCommand(std::string_view name, const std::vector<CommandSpec>& commands)
{
    const auto found = std::ranges::find(commands, name, &CommandSpec::name);
    return found == commands.end() ? nullptr : &*found;
}

bool takes(const CommandSpec& command, std::string_view option)
{
    return std::ranges::find(command.options, option) != command.options.end();
}

} // namespace

std::variant<Invocation, ArgumentError> readArguments(const std::vector<std::string_view>& arguments,
                                                      const std::vector<CommandSpec>& commands)
{
    Invocation invocation;
    const CommandSpec* command = nullptr;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return Invocation{.command = "help"};
        if (argument == "--version")
            return Invocation{.command = "version"};
        if (!argument.starts_with("--")) {
            if (command)
                return ArgumentError{"one command at a time: " + excerpt(command->name) + " was given, then " +
                                     excerpt(argument)};
            command = findCommand(argument, commands);
            if (!command)
                return ArgumentError{"unknown command " + excerpt(argument)};
            invocation.command = std::string(argument);
            continue;
        }
        std::string_view name = argument.substr(2);
        std::string_view value;
        bool hasValue = false;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        if (!command)
            return ArgumentError{"the command comes before its options (" + excerpt(argument) + ")"};
        if (!takes(*command, name))
            return ArgumentError{"'" + invocation.command + "' takes no option " + excerpt(std::string("--") += name)};
        if (!hasValue) {
            if (i + 1 == arguments.size())
                return ArgumentError{"--" + std::string(name) + " wants a value"};
            value = arguments[++i];
        }
        if (!invocation.options.emplace(std::string(name), std::string(value)).second)
            return ArgumentError{"--" + std::string(name) + " is given twice"};
    }
    if (!command)
        return ArgumentError{"a command is needed"};
    for (const std::string_view required : command->required) {
        if (!invocation.options.contains(required))
            return ArgumentError{"'" + invocation.command + "' needs --" + std::string(required)};
    }
    return invocation;
}

std::variant<std::uint64_t, ArgumentError> wholeOption(std::string_view name, std::string_view value,
                                                       std::uint64_t least, std::uint64_t most, bool clampAbove)
{
    const auto refuse = [&] {
        return ArgumentError{"--" + std::string(name) + " wants a whole number from " + std::to_string(least) +
                             (clampAbove ? " up" : " to " + std::to_string(most)) + ", not " + excerpt(value)};
    };
    const bool digits = !value.empty() && std::ranges::all_of(value, [](char c) { return c >= '0' && c <= '9'; });
    if (!digits)
        return refuse();
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error == std::errc::result_out_of_range && clampAbove)
        return most;
    if (error != std::errc() || end != value.data() + value.size() || number < least)
        return refuse();
    if (number > most)
        return clampAbove ? std::variant<std::uint64_t, ArgumentError>(most) : refuse();
    return number;
}

} // namespace daxo::tools
