#pragma once

#include "storage/history.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace daxo {

// The words of the scores' windows that change with what they show, in the
// language the windows speak (the catalogue in use). Their fixed captions
// are rows of the caption table. Numbers are written the language's way,
// digits grouped; French keeps a no-break space before ":", ";", "!", "?"
// and "%".
class ScoresTexts {
    Q_DECLARE_TR_FUNCTIONS(ScoresTexts)
public:
    explicit ScoresTexts(const std::string& languageCode) : code_(languageCode) {}

    // What the history tells the player when it cannot do its work, once,
    // worded as the game's own messages are: in French for the code "F", in
    // an added language for its code, in English for every other code.
    QString historyTrouble(HistoryTrouble trouble, const QString& detail, const QString& damagedPath) const;

    QLocale locale() const;
    QString number(double value, int decimals) const; // "180,5" in French
    QString count(int value) const;                   // "10 000", "10,000"
    QString date(std::int64_t millisecondsSince1970) const;
    QStringList highScoreHeaders() const;             // score, date, player; the rank heads each row
    QStringList boxHeaders() const;                   // the player's mean, perfect play's; the box heads each row
    QString boxTable() const;                         // what the table of the boxes is, for screen readers
    QStringList levelHeaders() const;                 // games, wins, losses, mean margin; the level heads each row
    QString levelTable() const;                       // what the table of the computers is, for screen readers
    QString levelName(const QString& level) const;    // "Ordinateur régulier", from the level's English name
    QString margin(double points) const;              // "+12,5", "−3,0"

    // The figures of the finished games, or what stands for them: none yet,
    // or a history that could not be read.
    QString summary(const HistoryFigures& figures) const;
    QString noFinishedGame() const;
    QString unreadable(HistoryTrouble trouble) const;
    QString noHighScore() const;
    QString perfectPlayComing() const;

    QString ordinal(int rank) const;
    QString enteredHighScores(int rank, int score) const;
    QString finishedGameUndone() const;

    QString histogramTitle() const;
    QString lossTitle() const;
    QString yourGames() const;
    QString perfectPlay() const;
    QString scoreAxis() const;
    QString gamesAxis() const;
    QString lossAxis() const;

private:
    // A message's words: the catalogue's, but English where the messages
    // are (the catalogues' tools read it as tr).
    QString trMessage(const char* english) const;
    std::string code_;
};

} // namespace daxo
