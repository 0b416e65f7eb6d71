#include "table_texts.h"

#include "pace.h"
#include "table/levels.h"
#include "widgets/figure_table.h"
#include "widgets/languages.h"
#include "widgets/level_names.h"

#include <cmath>
#include <map>

namespace daxo {
namespace {

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The board's own caption of a row of the sheet, as the caption table
// writes it in the language the windows speak.
QString boardCaption(const std::string& code, const char* french, const char* english, const char* where)
{
    const SpokenLanguage& language = windowLanguage(code);
    if (language.isFrench())
        return QString::fromUtf8(french);
    if (language.isEnglish())
        return QString::fromUtf8(english);
    return QCoreApplication::translate("Captions", english, where);
}

} // namespace

bool TableTexts::english() const { return windowLanguage(code_).isEnglish(); }

QString TableTexts::levelName(const Level& level) const { return LevelNames::level(level.name); }

QString TableTexts::levelChoice(const Level& level) const
{
    const long points = std::lround(level.measuredMean);
    if (level.playsToWin) {
        //: Follows the name of the level that plays to win rather than to score, in the players window:
        //: %1, the points it scores on average against perfect play.
        return capitalized(levelName(level)) + tr(" — plays to win, about %1 points a game").arg(points);
    }
    //: Follows a level's name in the players window: %1, the points it scores on average.
    return capitalized(levelName(level)) + tr(" — about %1 points a game").arg(points);
}

QString TableTexts::paceName(Pace pace) const
{
    switch (pace) {
    case Pace::Slow: return tr("Slow");
    case Pace::Normal: return tr("Normal");
    case Pace::Fast: return tr("Fast");
    case Pace::Instant: return tr("Instant");
    }
    return {};
}

QString TableTexts::human() const { return tr("Human"); }

QString TableTexts::computer() const { return tr("Computer"); }

QString TableTexts::playerNumber(int row) const { return tr("Player %1").arg(row); }

QString TableTexts::kindOf(int row) const { return tr("Player %1: human or computer").arg(row); }

QString TableTexts::nameOf(int row) const { return tr("Player %1's name").arg(row); }

QString TableTexts::levelOf(int row) const { return tr("Player %1's level").arg(row); }

QStringList TableTexts::seatNames(const Seats& seats) const
{
    std::map<std::string, int> sharing; // how many computers play at each level
    for (const Seat& seat : seats) {
        if (!seat.human())
            ++sharing[seat.level];
    }
    std::map<std::string, int> counted;
    QStringList names;
    for (std::size_t row = 0; row < seats.size(); ++row) {
        const Seat& seat = seats[row];
        if (seat.human()) {
            const QString name = QString::fromStdString(seat.name).trimmed();
            names << (name.isEmpty() ? playerNumber(static_cast<int>(row) + 1) : name);
            continue;
        }
        const Level* level = levelNamed(seat.level);
        QString name = LevelNames::computer(level ? level->name : perfectLevel().name);
        if (sharing[seat.level] > 1)
            name += ' ' + QString::number(++counted[seat.level]);
        names << name;
    }
    return names;
}

QString TableTexts::boardTitle(const QString& player) const
{
    //: The board's title at a table; %1: the player whose turn it is.
    return tr("Daxo — %1's turn").arg(player);
}

QString TableTexts::leaveGame() const
{
    return tr("A game is in progress. Leave it for a new game with these players?");
}

QString TableTexts::playersTitle() const { return tr("Players"); }

QString TableTexts::turnOf(const QString& player) const { return tr("%1's turn.").arg(player); }

QString TableTexts::joined(const QStringList& parts) const
{
    if (parts.size() < 2)
        return parts.join(QString());
    //: Joins the last two of a list: "3, 3 and 6", "Anne and Zoé".
    return parts.mid(0, parts.size() - 1).join(", ") + tr(" and ") + parts.back();
}

QString TableTexts::threw(const QString& player, const std::array<int, 5>& faces) const
{
    QStringList shown;
    for (const int face : faces)
        shown << QString::number(face);
    //: %1: the player; %2: the five faces thrown, "3, 3, 5, 6, 1".
    return tr("%1 throws: %2.").arg(player, shown.join(", "));
}

QString TableTexts::kept(const QString& player, const std::array<int, 5>& faces, const std::array<bool, 5>& held) const
{
    QStringList kept;
    for (std::size_t die = 0; die < faces.size(); ++die) {
        if (held[die])
            kept << QString::number(faces[die]);
    }
    if (kept.isEmpty())
        return tr("%1 keeps no dice.").arg(player);
    //: %1: the player; %2: the faces kept, "3, 3 and 6".
    return tr("%1 keeps %2.").arg(player, joined(kept));
}

QString TableTexts::pointCount(int points) const { return tr("%n point(s)", "", points); }

QString TableTexts::scored(const QString& player, const QString& box, int points) const
{
    //: %1: the player; %2: the points, "24 points"; %3: the box, "the 6 box".
    return tr("%1 scores %2 in %3.").arg(player, pointCount(points), box);
}

QString TableTexts::turnSummary(const QString& player, const std::vector<std::vector<int>>& keptAfterEachThrow,
                                const QString& box, int points) const
{
    if (keptAfterEachThrow.empty())
        return scored(player, box, points);
    QStringList keeps;
    for (const std::vector<int>& kept : keptAfterEachThrow) {
        QStringList faces;
        for (const int face : kept)
            faces << QString::number(face);
        //: One throw's part of a computer's whole turn told in one sentence.
        keeps << (faces.isEmpty() ? tr("keeps no dice") : tr("keeps %1").arg(joined(faces)));
    }
    //: A computer's whole turn in one sentence: %1 the player, %2 what it
    //: kept at each throw ("keeps 6 and 6, then keeps 6, 6 and 6"), %3 the
    //: points, %4 the box.
    return tr("%1 %2, and scores %3 in %4.").arg(player, keeps.join(tr(", then ")), pointCount(points), box);
}

QString TableTexts::winners(const QStringList& players, int total) const
{
    if (players.size() == 1)
        return tr("%1 wins with %2 points.").arg(players.front(), QString::number(total));
    //: Equal totals at the top: %1 the players, "Anne, Bruno and Zoé"; %2 their total.
    return tr("%1 share the win with %2 points.").arg(joined(players), QString::number(total));
}

QString TableTexts::place(int place) const
{
    if (!english())
        //: A place in the ranking, heading its row: "1st", "2nd".
        return tr("%nth", "", place);
    const int tens = place % 100;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                         : place % 10 == 1          ? "st"
                         : place % 10 == 2          ? "nd"
                         : place % 10 == 3          ? "rd"
                                                    : "th";
    return QString::number(place) + suffix;
}

QStringList TableTexts::rankingHeaders() const { return {tr("Player"), tr("Total")}; }

QString TableTexts::subtotal() const { return boardCaption(code_, "Sous Total", "Sub Total", "Daxo Label8"); }

QString TableTexts::bonus() const { return boardCaption(code_, "Bonus", "Bonus", "Daxo Label9"); }

QString TableTexts::total() const { return boardCaption(code_, "Total", "Total", "Daxo Label16"); }

QString TableTexts::expectedFinal() const { return tr("Expected final"); }

QString TableTexts::expectedTip() const
{
    return tr("The points on the sheet and what each one can still expect, a computer as it plays and a human "
              "playing perfectly from here: who is really ahead.");
}

QString TableTexts::chanceOfWinning() const
{
    //: The scoreboard's row of each player's chance of winning, in per cent: short.
    return tr("Winning (%)");
}

QString TableTexts::chanceTip() const
{
    return tr("Each player's chance of winning: a computer's as it plays, a human's if they play perfectly from "
              "here.");
}

QString TableTexts::share(double share) const
{
    return percentFigure(windowLanguage(code_).locale(), share);
}

QString TableTexts::percent(double share) const
{
    //: A share in per cent, %1 its figure with one decimal.
    return tr("%1%").arg(this->share(share));
}

QString TableTexts::chanceSaid(const QString& player, double win, double shared) const
{
    //: %2 the chance of winning, %3 of ending first with another or several.
    return tr("%1 wins %2 of the time, and shares first place %3 of the time.").arg(player, percent(win), percent(shared));
}

QString TableTexts::inPlay(const QString& player, int game) const
{
    //: The scoreboard's heading: %1 the game's number, %2 the player in play.
    return tr("Game n°%1 — %2's turn").arg(QString::number(game), player);
}

QString TableTexts::over(int game) const { return tr("Game n°%1 — over").arg(game); }

QString TableTexts::points(double value) const { return windowLanguage(code_).locale().toString(value, 'f', 1); }

QString TableTexts::working() const
{
    //: In a cell of the scoreboard while perfect play is worked out: short.
    return tr("working…");
}

QString TableTexts::printFailed() const { return tr("The scoreboard could not be printed."); }

} // namespace daxo
