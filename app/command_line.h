#pragma once

#include <optional>

namespace daxo {

// Reads the command line before any window or display is needed, so that
// --help and --version answer on a terminal. Returns the exit status when
// the program is to stop there: 0 after the help or the version, 2 for an
// option it does not know. Qt's own options (-platform, -style, ...) pass.
std::optional<int> handleCommandLine(int argc, char* argv[]);

} // namespace daxo
