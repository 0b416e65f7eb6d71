#pragma once

#include <cstdint>
#include <optional>

namespace daxo {

// What the command line asks for.
struct CommandLine {
    // Set when the program is to stop there: 0 after the help or the
    // version, 2 for an option it does not know or a bad value.
    std::optional<int> exitStatus = {};
    // --seed N: the dice of the first game come from N, the next games'
    // from N + 1, N + 2 and so on.
    std::optional<std::uint64_t> seed = {};
};

// Reads the command line before any window or display is needed, so that
// --help and --version answer on a terminal. Qt's own options (-platform,
// -style, ...) pass.
CommandLine readCommandLine(int argc, char* argv[]);

} // namespace daxo
