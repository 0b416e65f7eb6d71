#pragma once

#include <string_view>

namespace daxo {

// What printing tells the player and the names it gives the sheets, French
// for the language code "F" and English for every other code, as the
// game's own messages are.
struct PrintTexts {
    const char* title;
    const char* sheetFailed;     // %1: the sheet
    const char* blankSheet;
    const char* rulesSheet;
    const char* playerSheet;
};

const PrintTexts& printTexts(std::string_view languageCode);

} // namespace daxo
