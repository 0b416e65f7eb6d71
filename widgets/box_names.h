#pragma once

#include "game/sheet.h"

#include <QString>
#include <string>

namespace daxo {

// Whether the windows speak English: for the language code "E" only. Their
// captions start French and turn English only when English is applied.
inline bool speaksEnglish(const std::string& languageCode) { return languageCode == "E"; }

// The boxes Command2 to Command13 named as the board's buttons read, so
// that what the windows say of a box is what the player sees on it: "1" to
// "6", "Full", "Suite" (English "Sequence"), "Carré" ("Four"), "Daxo", "+"
// and "-".
QString boxCaption(Button box, bool english);

// A box as a text speaks of it: "la case 4", "the Four box", "la case +".
QString theBox(Button box, bool english);

} // namespace daxo
