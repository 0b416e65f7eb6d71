#include "shell_texts.h"

namespace daxo {
namespace {

constexpr ShellTexts kFrench{
    .title = "Daxo",
    .addressFailed = "Impossible d'ouvrir l'adresse %1 dans le navigateur.",
    .sheetFailed = "La feuille « %1 » n'a pas pu être imprimée.",
    .blankSheet = "Feuille de points vierge",
    .rulesSheet = "Règles",
    .playerSheet = "Vos points",
};

constexpr ShellTexts kEnglish{
    .title = "Daxo",
    .addressFailed = "The address %1 could not be opened in the browser.",
    .sheetFailed = "The sheet \"%1\" could not be printed.",
    .blankSheet = "Blank score sheet",
    .rulesSheet = "Rules",
    .playerSheet = "Your points",
};

} // namespace

const ShellTexts& shellTexts(std::string_view languageCode)
{
    return languageCode == "F" ? kFrench : kEnglish;
}

} // namespace daxo
