#pragma once

#include <string_view>

namespace daxo {

// The notices the board gives the player itself, French for the language
// code "F" and English for every other code, as the game's own messages
// are.
struct ShellTexts {
    const char* title;
    const char* addressFailed;   // %1: the address
};

const ShellTexts& shellTexts(std::string_view languageCode);

} // namespace daxo
