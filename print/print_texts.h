#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace daxo {

// What printing tells the player and the names it gives the sheets, worded
// as the game's own messages are: French for the language code "F", an
// added language for its code, English for every other code.
class PrintTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintTexts)
public:
    explicit PrintTexts(const std::string& languageCode) : code_(languageCode) {}

    static QString title() { return QStringLiteral("Daxo"); }
    QString sheetFailed(const QString& sheet) const;
    QString blankSheet() const;
    QString rulesSheet() const;
    QString playerSheet() const;

private:
    // The catalogues' tools read it as tr.
    QString trMessage(const char* english, const char* comment = nullptr) const;
    std::string code_;
};

} // namespace daxo
