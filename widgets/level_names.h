#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace daxo {

// The computers' levels as the windows name them, by the levels' English
// keys ("regular"), in the language of the catalogue in use.
class LevelNames {
    Q_DECLARE_TR_FUNCTIONS(LevelNames)
public:
    // "régulier", "regular"; the key itself for a level the windows do not know.
    static QString level(std::string_view key);
    // "Ordinateur régulier", "Regular computer".
    static QString computer(std::string_view key);
};

} // namespace daxo
