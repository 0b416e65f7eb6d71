#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace daxo {

// The notices the board gives the player itself, worded as the game's own
// messages are: French for the language code "F", an added language for
// its code, English for every other code.
class ShellTexts {
    Q_DECLARE_TR_FUNCTIONS(ShellTexts)
public:
    explicit ShellTexts(const std::string& languageCode) : code_(languageCode) {}

    static QString title() { return QStringLiteral("Daxo"); }
    QString addressFailed(const QString& address) const;

private:
    // The catalogues' tools read it as tr.
    QString trMessage(const char* english, const char* comment = nullptr) const;
    std::string code_;
};

} // namespace daxo
