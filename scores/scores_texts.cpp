#include "scores_texts.h"

#include <QDateTime>

namespace daxo {

QString historyTrouble(std::string_view languageCode, HistoryTrouble trouble, const QString& detail,
                       const QString& damagedPath)
{
    const bool french = languageCode == "F";
    auto pick = [french](const char* fr, const char* en) { return QString::fromUtf8(french ? fr : en); };
    switch (trouble) {
    case HistoryTrouble::Locked:
        return pick("Un autre programme tient l'historique des parties : cette partie n'a pas pu y être gardée. "
                    "Daxo réessaiera avec la prochaine. Le jeu continue.",
                    "Another program holds the history of games: this game could not be kept in it. Daxo will try "
                    "again with the next one. The game goes on.");
    case HistoryTrouble::ReadOnly:
        return pick("L'historique des parties ne peut pas être écrit (fichier ou dossier en lecture seule) : cette "
                    "partie n'a pas pu y être gardée. Le jeu continue.",
                    "The history of games cannot be written (a read-only file or folder): this game could not be "
                    "kept in it. The game goes on.");
    case HistoryTrouble::Full:
        return pick("Le disque est plein : cette partie n'a pas pu être gardée dans l'historique. Daxo réessaiera "
                    "avec la prochaine. Le jeu continue.",
                    "The disk is full: this game could not be kept in the history. Daxo will try again with the "
                    "next one. The game goes on.");
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

QString ScoresTexts::summary(const GameStatistics& s) const
{
    return QString::fromUtf8(pick("Parties finies : %1. Moyenne : %2, meilleure : %3, écart type : %4. "
                                  "Bonus : %5 % des parties.",
                                  "Games finished: %1. Mean: %2, best: %3, standard deviation: %4. "
                                  "Bonus: %5% of the games."))
        .arg(s.games)
        .arg(number(s.mean, 1))
        .arg(s.best)
        .arg(number(s.deviation, 1), number(s.bonusRate * 100, 0));
}

QString ScoresTexts::perfectPlayComing() const
{
    return QString::fromUtf8(pick("Le jeu parfait se calcule…", "Perfect play is being worked out…"));
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
    return QString::fromUtf8(pick("Votre partie de %1 points prend la %2 place des meilleurs scores.",
                                  "Your %1-point game takes %2 place in the high scores."))
        .arg(score)
        .arg(ordinal(rank));
}

QString ScoresTexts::histogramTitle() const
{
    return QString::fromUtf8(pick("Scores finaux", "Final scores"));
}

QString ScoresTexts::lossTitle() const
{
    return QString::fromUtf8(pick("Perte moyenne par décision, partie après partie",
                                  "Mean loss per decision, game after game"));
}

QString ScoresTexts::yourGames() const { return QString::fromUtf8(pick("Vos parties", "Your games")); }

QString ScoresTexts::perfectPlay() const { return QString::fromUtf8(pick("Jeu parfait", "Perfect play")); }

QString ScoresTexts::scoreAxis() const { return QString::fromUtf8(pick("Score", "Score")); }

QString ScoresTexts::gamesAxis() const { return QString::fromUtf8(pick("Parties", "Games")); }

QString ScoresTexts::lossAxis() const { return QString::fromUtf8(pick("Perte", "Loss")); }

} // namespace daxo
