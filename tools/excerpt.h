#pragma once

#include <string>
#include <string_view>

namespace daxo::tools {

// A bounded excerpt of text read from outside, safe to print on a terminal:
// quoted, printable ASCII as it is, every other byte (a NUL, an escape, a
// byte of binary) as \xNN, and cut after `most` bytes with the length said.
std::string excerpt(std::string_view text, std::size_t most = 40);

} // namespace daxo::tools
