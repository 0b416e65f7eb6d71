#include "scores_texts.h"

#include "widgets/languages.h"
#include "widgets/level_names.h"

#include <QDateTime>
#include <cmath>

namespace daxo {

QString ScoresTexts::trMessage(const char* english) const
{
    return messageLanguage(code_).isEnglish() ? QString::fromUtf8(english) : tr(english);
}

QString ScoresTexts::historyTrouble(HistoryTrouble trouble, const QString& detail, const QString& damagedPath) const
{
    switch (trouble) {
    case HistoryTrouble::Locked:
        return trMessage("Another program holds the history of games: this game is not kept in it yet. Daxo will "
                    "keep it as soon as the history is free. The game goes on.");
    case HistoryTrouble::ReadOnly:
        return trMessage("The history of games cannot be written (a read-only file or folder): this game is not kept "
                    "in it. The game goes on.");
    case HistoryTrouble::Full:
        return trMessage("The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as "
                    "there is room. The game goes on.");
    case HistoryTrouble::Damaged:
        if (!damagedPath.isEmpty())
            return trMessage("The file of the history of games was damaged. It has been set aside, whole, as %1, and a "
                        "new history begins.")
                .arg(damagedPath);
        break;
    case HistoryTrouble::None:
    case HistoryTrouble::Other:
        break;
    }
    return trMessage("The history of games could not be written (%1). The game goes on.")
        .arg(detail);
}

QLocale ScoresTexts::locale() const { return windowLanguage(code_).locale(); }

QString ScoresTexts::number(double value, int decimals) const { return locale().toString(value, 'f', decimals); }

QString ScoresTexts::count(int value) const { return locale().toString(value); }

QString ScoresTexts::date(std::int64_t millisecondsSince1970) const
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(millisecondsSince1970);
    //: How the high scores write the day and time of a game, as QDateTime::toString reads it.
    return when.toString(tr("yyyy-MM-dd HH:mm"));
}

QStringList ScoresTexts::highScoreHeaders() const { return {tr("Score"), tr("Date"), tr("Player")}; }

QStringList ScoresTexts::boxHeaders() const { return {tr("Your mean"), tr("Perfect play")}; }

QStringList ScoresTexts::levelHeaders() const { return {tr("Games"), tr("Won"), tr("Lost"), tr("Mean margin")}; }

QString ScoresTexts::levelTable() const
{
    return tr("Your games against the computers, level by level");
}

QString ScoresTexts::levelName(const QString& level) const
{
    return LevelNames::computer(level.toStdString());
}

QString ScoresTexts::margin(double points) const
{
    const QString shown = number(std::abs(points), 1);
    return points > 0.05 ? "+" + shown : points < -0.05 ? QString::fromUtf8("\u2212") + shown : shown;
}

QString ScoresTexts::boxTable() const
{
    return tr("Each box's mean, yours and perfect play's");
}

QString ScoresTexts::summary(const HistoryFigures& figures) const
{
    if (figures.games == 0)
        return noFinishedGame();
    //: The end of the statistics' summary: %1, the share of games with the bonus, in per cent.
    const QString bonus = tr("Bonus: %1% of the games.").arg(number(100.0 * figures.bonusGames / figures.games, 0));
    if (figures.games == 1)
        //: The statistics' summary of a single game: %1, its score. Keep the space at its end.
        return tr("One game finished, of %1 points. ").arg(count(figures.best)) + bonus;
    //: The statistics' summary: %1 the count of games, %2 the mean score, %3
    //: the best, %4 the standard deviation. Keep the space at its end.
    return tr("Games finished: %1. Mean: %2, best: %3, standard deviation: %4. ")
               .arg(count(figures.games), number(figures.mean, 1), count(figures.best),
                    number(figures.deviation.value_or(0), 1)) +
           bonus;
}

QString ScoresTexts::noFinishedGame() const
{
    return tr("No game finished yet: the statistics come with the first one.");
}

QString ScoresTexts::unreadable(HistoryTrouble trouble) const
{
    QString why;
    switch (trouble) {
    case HistoryTrouble::Locked:
        why = tr("another program holds it");
        break;
    case HistoryTrouble::ReadOnly:
        why = tr("it cannot be opened");
        break;
    case HistoryTrouble::Full:
        why = tr("the disk is full");
        break;
    case HistoryTrouble::Damaged:
        why = tr("it was damaged");
        break;
    case HistoryTrouble::None:
    case HistoryTrouble::Other:
        why = tr("the file does not answer");
        break;
    }
    return tr("The history of games could not be read (%1): nothing to show for now.")
        .arg(why);
}

QString ScoresTexts::noHighScore() const
{
    return tr("No score yet. The ten best finished games played without help (no hint, no coach window, no "
                "undo, no cheat mode) come here.");
}

QString ScoresTexts::perfectPlayComing() const
{
    return tr("Perfect play is being worked out…");
}

// "1st", "2nd", "3rd", "11th" in English; in French "1re", "2e", and each
// language its own way, from its catalogue.
QString ScoresTexts::ordinal(int rank) const
{
    if (!windowLanguage(code_).isEnglish())
        //: A place in the high scores, as in "takes the 2nd place": %n is the place.
        return tr("%nth", "", rank);
    const int lastTwo = rank % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (rank % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        }
    }
    return QString::number(rank) + suffix;
}

QString ScoresTexts::enteredHighScores(int rank, int score) const
{
    //: %1: the game's score; %2: its place, as ordinal() writes it ("2nd").
    return tr("Your %1-point game takes %2 place in the high scores.")
        .arg(score)
        .arg(ordinal(rank));
}

QString ScoresTexts::finishedGameUndone() const
{
    return tr("This game was over: taking back one of its boxes makes it an assisted game, which does not "
                "enter the high scores. It stays finished in the history.");
}

QString ScoresTexts::histogramTitle() const { return tr("Final scores"); }

QString ScoresTexts::lossTitle() const
{
    return tr("Mean loss per decision, game after game");
}

QString ScoresTexts::yourGames() const { return tr("Your games"); }

QString ScoresTexts::perfectPlay() const { return tr("Perfect play"); }

QString ScoresTexts::scoreAxis() const { return tr("Score"); }

QString ScoresTexts::gamesAxis() const { return tr("Games"); }

QString ScoresTexts::lossAxis() const { return tr("Loss"); }

} // namespace daxo
