#pragma once

#include "game_statistics.h"
#include "storage/history.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string_view>

namespace daxo {

// What the history tells the player when it cannot do its work, once,
// worded as the game's own messages are: French for the code "F", English
// for every other code.
QString historyTrouble(std::string_view languageCode, HistoryTrouble trouble, const QString& detail,
                       const QString& damagedPath);

// The words of the scores' windows that change with what they show, in the
// language the windows speak: English for the code "E", French otherwise.
// Their fixed captions are rows of the caption table.
class ScoresTexts {
public:
    explicit ScoresTexts(bool english) : english_(english) {}

    QLocale locale() const; // the way numbers are written
    QString number(double value, int decimals) const; // "180,5" in French
    QString date(std::int64_t millisecondsSince1970) const;
    QStringList highScoreHeaders() const;             // score, date, player; the rank heads each row
    QStringList boxHeaders() const;                   // the player's mean, perfect play's; the box heads each row
    QString summary(const GameStatistics& statistics) const;
    QString perfectPlayComing() const;
    QString ordinal(int rank) const;
    QString enteredHighScores(int rank, int score) const;
    QString histogramTitle() const;
    QString lossTitle() const;
    QString yourGames() const;
    QString perfectPlay() const;
    QString scoreAxis() const;
    QString gamesAxis() const;
    QString lossAxis() const;

private:
    const char* pick(const char* french, const char* english) const { return english_ ? english : french; }
    bool english_;
};

} // namespace daxo
