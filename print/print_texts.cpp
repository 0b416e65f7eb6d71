#include "print_texts.h"

namespace daxo {
namespace {

constexpr PrintTexts kFrench{
    .title = "Daxo",
    .sheetFailed = "La feuille « %1 » n'a pas pu être imprimée.",
    .blankSheet = "Feuille de points vierge",
    .rulesSheet = "Règles",
    .playerSheet = "Vos points",
};

constexpr PrintTexts kEnglish{
    .title = "Daxo",
    .sheetFailed = "The sheet \"%1\" could not be printed.",
    .blankSheet = "Blank score sheet",
    .rulesSheet = "Rules",
    .playerSheet = "Your points",
};

} // namespace

const PrintTexts& printTexts(std::string_view languageCode)
{
    return languageCode == "F" ? kFrench : kEnglish;
}

} // namespace daxo
