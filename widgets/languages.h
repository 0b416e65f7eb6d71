#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <string_view>

namespace daxo {

// A language Daxo speaks: the code the settings file keeps for it, the
// name of its catalogues (daxo_<catalogue>.qm, and Qt's own
// qtbase_<catalogue>.qm), its name in itself, and its locale, which writes
// its numbers and dates.
struct SpokenLanguage {
    const char* code;
    const char* catalogue;
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;

    QLocale locale() const { return QLocale(language, territory); }
    bool isEnglish() const { return language == QLocale::English; }
    bool isFrench() const { return language == QLocale::French; }
};

// French ("F") and English ("E"), the game's own two, then the eight more
// in the order the language window offers them.
std::span<const SpokenLanguage> spokenLanguages();

// The language Daxo speaks for `code`, if it speaks one for it: "D" and
// every code it does not know switch no text.
const SpokenLanguage* languageOfCode(std::string_view code);

// The windows' own words are English for the code "E", in the language of
// the code for the other languages Daxo speaks, and French for every other
// code, as the windows were laid out.
const SpokenLanguage& windowLanguage(std::string_view code);

// The game's messages are French for the code "F", in the language of the
// code for the languages Daxo added, and English for every other code.
const SpokenLanguage& messageLanguage(std::string_view code);

// The code of the language a desktop asks for first, among those Daxo
// speaks (Portuguese in Brazil's words); English where it speaks none of
// them. `uiLanguages` as QLocale::uiLanguages() gives them: "de-DE", "de".
std::string desktopLanguageCode(const QStringList& uiLanguages);

} // namespace daxo
