#pragma once

#include "game/sheet.h"

#include <QString>
#include <string>

namespace daxo {

// Whether the windows speak English: for the language code "E" only. Their
// captions start French and turn English only when English is applied.
inline bool speaksEnglish(const std::string& languageCode) { return languageCode == "E"; }

// The boxes Command2 to Command13 as they are spoken of, in words rather
// than their captions' digits and signs: "As", "Moins"; "Ones", "Minus".
QString boxName(Button box, bool english);

} // namespace daxo
