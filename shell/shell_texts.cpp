#include "shell_texts.h"

namespace daxo {
namespace {

constexpr ShellTexts kFrench{
    .title = "Daxo",
    .addressFailed = "Impossible d'ouvrir l'adresse %1 dans le navigateur.",
};

constexpr ShellTexts kEnglish{
    .title = "Daxo",
    .addressFailed = "The address %1 could not be opened in the browser.",
};

} // namespace

const ShellTexts& shellTexts(std::string_view languageCode)
{
    return languageCode == "F" ? kFrench : kEnglish;
}

} // namespace daxo
