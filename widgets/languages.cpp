#include "languages.h"

#include <algorithm>
#include <array>

namespace daxo {
namespace {

// The codes of the added languages are their catalogues' names, which
// cannot be taken for the game's one-letter codes: an older Daxo reading
// one switches no text.
constexpr std::array<SpokenLanguage, 10> kLanguages{{
    {"F", "fr", "Français", QLocale::French, QLocale::France},
    {"E", "en", "English", QLocale::English, QLocale::AnyTerritory},
    {"de", "de", "Deutsch", QLocale::German, QLocale::Germany},
    {"es", "es", "Español", QLocale::Spanish, QLocale::Spain},
    {"it", "it", "Italiano", QLocale::Italian, QLocale::Italy},
    {"pt_BR", "pt_BR", "Português (Brasil)", QLocale::Portuguese, QLocale::Brazil},
    {"nl", "nl", "Nederlands", QLocale::Dutch, QLocale::Netherlands},
    {"pl", "pl", "Polski", QLocale::Polish, QLocale::Poland},
    {"sv", "sv", "Svenska", QLocale::Swedish, QLocale::Sweden},
    {"ru", "ru", "Русский", QLocale::Russian, QLocale::Russia},
}};

const SpokenLanguage& french() { return kLanguages[0]; }
const SpokenLanguage& english() { return kLanguages[1]; }

} // namespace

std::span<const SpokenLanguage> spokenLanguages() { return kLanguages; }

const SpokenLanguage* languageOfCode(std::string_view code)
{
    const auto found = std::ranges::find_if(kLanguages, [&](const SpokenLanguage& l) { return l.code == code; });
    return found == kLanguages.end() ? nullptr : &*found;
}

const SpokenLanguage& windowLanguage(std::string_view code)
{
    const SpokenLanguage* spoken = languageOfCode(code);
    return spoken ? *spoken : french();
}

const SpokenLanguage& messageLanguage(std::string_view code)
{
    const SpokenLanguage* spoken = languageOfCode(code);
    return spoken ? *spoken : english();
}

std::string desktopLanguageCode(const QStringList& uiLanguages)
{
    for (const QString& asked : uiLanguages) {
        const QLocale wanted(asked);
        for (const SpokenLanguage& spoken : kLanguages) {
            if (spoken.language == wanted.language())
                return spoken.code;
        }
    }
    return english().code;
}

} // namespace daxo
