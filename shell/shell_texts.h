#pragma once

#include <QString>
#include <string_view>

namespace daxo {

// The notices the windows give the player themselves, French for the
// language code "F" and English for every other code, as the game's own
// messages are.
struct ShellTexts {
    const char* title;
    const char* addressFailed;   // %1: the address
    const char* sheetFailed;     // %1: the sheet
    const char* blankSheet;
    const char* rulesSheet;
    const char* playerSheet;
};

const ShellTexts& shellTexts(std::string_view languageCode);

} // namespace daxo
