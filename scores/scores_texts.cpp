#include "scores_texts.h"

#include "table/levels.h"

#include <QDateTime>
#include <cmath>

namespace daxo {

QString historyTrouble(std::string_view languageCode, HistoryTrouble trouble, const QString& detail,
                       const QString& damagedPath)
{
    const bool french = languageCode == "F";
    auto pick = [french](const char* fr, const char* en) { return QString::fromUtf8(french ? fr : en); };
    switch (trouble) {
    case HistoryTrouble::Locked:
        return pick("Un autre programme tient l'historique des parties\u00a0: cette partie n'y est pas encore "
                    "gardée. Daxo la gardera dès que l'historique sera libre. Le jeu continue.",
                    "Another program holds the history of games: this game is not kept in it yet. Daxo will "
                    "keep it as soon as the history is free. The game goes on.");
    case HistoryTrouble::ReadOnly:
        return pick("L'historique des parties ne peut pas être écrit (fichier ou dossier en lecture seule)\u00a0: "
                    "cette partie n'y est pas gardée. Le jeu continue.",
                    "The history of games cannot be written (a read-only file or folder): this game is not kept "
                    "in it. The game goes on.");
    case HistoryTrouble::Full:
        return pick("Le disque est plein\u00a0: cette partie n'est pas encore gardée dans l'historique. Daxo la "
                    "gardera dès qu'il y aura de la place. Le jeu continue.",
                    "The disk is full: this game is not kept in the history yet. Daxo will keep it as soon as "
                    "there is room. The game goes on.");
    case HistoryTrouble::Damaged:
        if (!damagedPath.isEmpty())
            return pick("Le fichier de l'historique des parties était abîmé. Il a été mis de côté, entier, sous le "
                        "nom %1, et un nouvel historique commence.",
                        "The file of the history of games was damaged. It has been set aside, whole, as %1, and a "
                        "new history begins.")
                .arg(damagedPath);
        break;
    case HistoryTrouble::None:
    case HistoryTrouble::Other:
        break;
    }
    return pick("L'historique des parties n'a pas pu être écrit (%1). Le jeu continue.",
                "The history of games could not be written (%1). The game goes on.")
        .arg(detail);
}

QLocale ScoresTexts::locale() const { return QLocale(english_ ? QLocale::English : QLocale::French); }

QString ScoresTexts::number(double value, int decimals) const { return locale().toString(value, 'f', decimals); }

QString ScoresTexts::count(int value) const { return locale().toString(value); }

QString ScoresTexts::date(std::int64_t millisecondsSince1970) const
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(millisecondsSince1970);
    return when.toString(english_ ? "yyyy-MM-dd HH:mm" : "dd/MM/yyyy HH:mm");
}

QStringList ScoresTexts::highScoreHeaders() const
{
    if (english_)
        return {"Score", "Date", "Player"};
    return {"Score", "Date", "Joueur"};
}

QStringList ScoresTexts::boxHeaders() const
{
    if (english_)
        return {"Your mean", "Perfect play"};
    return {"Votre moyenne", "Jeu parfait"};
}

QStringList ScoresTexts::levelHeaders() const
{
    if (english_)
        return {"Games", "Won", "Lost", "Mean margin"};
    return {"Parties", QString::fromUtf8("Gagnées"), "Perdues", QString::fromUtf8("Écart moyen")};
}

QString ScoresTexts::levelTable() const
{
    return pick("Vos parties contre les ordinateurs, niveau par niveau",
                "Your games against the computers, level by level");
}

QString ScoresTexts::levelName(const QString& level) const
{
    const Level* known = levelNamed(level.toStdString());
    return known ? QString::fromStdString(computerName(*known, english_)) : level;
}

QString ScoresTexts::margin(double points) const
{
    const QString shown = number(std::abs(points), 1);
    return points > 0.05 ? "+" + shown : points < -0.05 ? QString::fromUtf8("\u2212") + shown : shown;
}

QString ScoresTexts::boxTable() const
{
    return pick("Moyenne de chaque case, la vôtre et celle du jeu parfait",
                "Each box's mean, yours and perfect play's");
}

QString ScoresTexts::summary(const HistoryFigures& figures) const
{
    if (figures.games == 0)
        return noFinishedGame();
    const QString bonus =
        pick("Bonus\u00a0: %1\u00a0% des parties.", "Bonus: %1% of the games.")
            .arg(number(100.0 * figures.bonusGames / figures.games, 0));
    if (figures.games == 1)
        return pick("Une partie finie, de %1 points. ", "One game finished, of %1 points. ").arg(count(figures.best)) +
               bonus;
    return pick("Parties finies\u00a0: %1. Moyenne\u00a0: %2, meilleure\u00a0: %3, écart type\u00a0: %4. ",
                "Games finished: %1. Mean: %2, best: %3, standard deviation: %4. ")
               .arg(count(figures.games), number(figures.mean, 1), count(figures.best),
                    number(figures.deviation.value_or(0), 1)) +
           bonus;
}

QString ScoresTexts::noFinishedGame() const
{
    return pick("Aucune partie finie pour l'instant\u00a0: les statistiques viendront avec la première.",
                "No game finished yet: the statistics come with the first one.");
}

QString ScoresTexts::unreadable(HistoryTrouble trouble) const
{
    QString why;
    switch (trouble) {
    case HistoryTrouble::Locked:
        why = pick("un autre programme le tient", "another program holds it");
        break;
    case HistoryTrouble::ReadOnly:
        why = pick("il ne peut pas être ouvert", "it cannot be opened");
        break;
    case HistoryTrouble::Full:
        why = pick("le disque est plein", "the disk is full");
        break;
    case HistoryTrouble::Damaged:
        why = pick("il était abîmé", "it was damaged");
        break;
    case HistoryTrouble::None:
    case HistoryTrouble::Other:
        why = pick("le fichier ne répond pas", "the file does not answer");
        break;
    }
    return pick("L'historique des parties n'a pas pu être lu (%1)\u00a0: rien à montrer pour l'instant.",
                "The history of games could not be read (%1): nothing to show for now.")
        .arg(why);
}

QString ScoresTexts::noHighScore() const
{
    return pick("Aucun score pour l'instant. Les dix meilleures parties finies sans aide (ni conseil, ni fenêtre "
                "de l'entraîneur, ni annulation, ni triche) viendront ici.",
                "No score yet. The ten best finished games played without help (no hint, no coach window, no "
                "undo, no cheat mode) come here.");
}

QString ScoresTexts::perfectPlayComing() const
{
    return pick("Le jeu parfait se calcule…", "Perfect play is being worked out…");
}

// "1re", "2e" in French; "1st", "2nd", "3rd", "11th" in English.
QString ScoresTexts::ordinal(int rank) const
{
    if (!english_)
        return QString::number(rank) + (rank == 1 ? "re" : "e");
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
    return pick("Votre partie de %1 points prend la %2 place des meilleurs scores.",
                "Your %1-point game takes %2 place in the high scores.")
        .arg(score)
        .arg(ordinal(rank));
}

QString ScoresTexts::finishedGameUndone() const
{
    return pick("Cette partie était finie\u00a0: en reprendre une case en fait une partie assistée, qui n'entre "
                "pas au tableau des meilleurs scores. Elle reste finie dans l'historique.",
                "This game was over: taking back one of its boxes makes it an assisted game, which does not "
                "enter the high scores. It stays finished in the history.");
}

QString ScoresTexts::histogramTitle() const { return pick("Scores finaux", "Final scores"); }

QString ScoresTexts::lossTitle() const
{
    return pick("Perte moyenne par décision, partie après partie", "Mean loss per decision, game after game");
}

QString ScoresTexts::yourGames() const { return pick("Vos parties", "Your games"); }

QString ScoresTexts::perfectPlay() const { return pick("Jeu parfait", "Perfect play"); }

QString ScoresTexts::scoreAxis() const { return pick("Score", "Score"); }

QString ScoresTexts::gamesAxis() const { return pick("Parties", "Games"); }

QString ScoresTexts::lossAxis() const { return pick("Perte", "Loss"); }

} // namespace daxo
