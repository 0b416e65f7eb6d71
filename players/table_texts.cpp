#include "table_texts.h"

#include "pace.h"
#include "table/levels.h"

#include <QLocale>
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

} // namespace

QString TableTexts::levelName(const Level& level) const
{
    const std::string_view name = english_ ? level.name : level.french;
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString TableTexts::levelChoice(const Level& level) const
{
    const QString mean = QString::number(std::lround(level.measuredMean));
    return capitalized(levelName(level)) +
           pick(" — environ %1 points par partie", " — about %1 points a game").arg(mean);
}

QString TableTexts::paceName(Pace pace) const
{
    switch (pace) {
    case Pace::Slow: return pick("Lente", "Slow");
    case Pace::Normal: return pick("Normale", "Normal");
    case Pace::Fast: return pick("Rapide", "Fast");
    case Pace::Instant: return pick("Instantanée", "Instant");
    }
    return {};
}

QString TableTexts::human() const { return pick("Humain", "Human"); }

QString TableTexts::computer() const { return pick("Ordinateur", "Computer"); }

QString TableTexts::playerNumber(int row) const { return pick("Joueur %1", "Player %1").arg(row); }

QString TableTexts::kindOf(int row) const
{
    return pick("Joueur %1\u00a0: humain ou ordinateur", "Player %1: human or computer").arg(row);
}

QString TableTexts::nameOf(int row) const { return pick("Nom du joueur %1", "Player %1's name").arg(row); }

QString TableTexts::levelOf(int row) const { return pick("Niveau du joueur %1", "Player %1's level").arg(row); }

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
        QString name = QString::fromStdString(computerName(level ? *level : perfectLevel(), english_));
        if (sharing[seat.level] > 1)
            name += ' ' + QString::number(++counted[seat.level]);
        names << name;
    }
    return names;
}

QString TableTexts::boardTitle(const QString& player) const
{
    return pick("Daxo — %1 joue", "Daxo — %1's turn").arg(player);
}

QString TableTexts::leaveGame() const
{
    return pick("Une partie est en cours. La quitter pour une nouvelle partie avec ces joueurs\u00a0?",
                "A game is in progress. Leave it for a new game with these players?");
}

QString TableTexts::playersTitle() const { return pick("Joueurs", "Players"); }

QString TableTexts::turnOf(const QString& player) const { return pick("%1 joue.", "%1's turn.").arg(player); }

QString TableTexts::joined(const QStringList& parts) const
{
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(", ") + pick(" et ", " and ") + parts.back();
}

QString TableTexts::threw(const QString& player, const std::array<int, 5>& faces) const
{
    QStringList shown;
    for (const int face : faces)
        shown << QString::number(face);
    return pick("%1 lance les dés\u00a0: %2.", "%1 throws: %2.").arg(player, shown.join(", "));
}

QString TableTexts::kept(const QString& player, const std::array<int, 5>& faces, const std::array<bool, 5>& held) const
{
    QStringList kept;
    for (std::size_t die = 0; die < faces.size(); ++die) {
        if (held[die])
            kept << QString::number(faces[die]);
    }
    if (kept.isEmpty())
        return pick("%1 ne garde aucun dé.", "%1 keeps no dice.").arg(player);
    return pick("%1 garde %2.", "%1 keeps %2.").arg(player, joined(kept));
}

QString TableTexts::pointCount(int points) const
{
    const bool singular = english_ ? points == 1 : points <= 1; // "0 point", "0 points"
    return QString(singular ? "%1 point" : "%1 points").arg(points);
}

QString TableTexts::scored(const QString& player, const QString& box, int points) const
{
    return pick("%1 marque %2 dans %3.", "%1 scores %2 in %3.").arg(player, pointCount(points), box);
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
        keeps << (faces.isEmpty() ? pick("ne garde aucun dé", "keeps no dice")
                                  : pick("garde %1", "keeps %1").arg(joined(faces)));
    }
    return pick("%1 %2, et marque %3 dans %4.", "%1 %2, and scores %3 in %4.")
        .arg(player, keeps.join(pick(", puis ", ", then ")), pointCount(points), box);
}

QString TableTexts::winners(const QStringList& players, int total) const
{
    if (players.size() == 1)
        return pick("%1 gagne avec %2 points.", "%1 wins with %2 points.").arg(players.front(), QString::number(total));
    return pick("%1 gagnent ex æquo avec %2 points.", "%1 share the win with %2 points.")
        .arg(joined(players), QString::number(total));
}

QString TableTexts::place(int place) const
{
    if (!english_)
        return place == 1 ? QString("1er") : QString("%1e").arg(place);
    const int tens = place % 100;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                         : place % 10 == 1          ? "st"
                         : place % 10 == 2          ? "nd"
                         : place % 10 == 3          ? "rd"
                                                    : "th";
    return QString::number(place) + suffix;
}

QStringList TableTexts::rankingHeaders() const
{
    if (english_)
        return {"Player", "Total"};
    return {"Joueur", "Total"};
}

QString TableTexts::subtotal() const { return pick("Sous Total", "Sub Total"); }

QString TableTexts::bonus() const { return "Bonus"; }

QString TableTexts::total() const { return "Total"; }

QString TableTexts::expectedFinal() const { return pick("Final espéré", "Expected final"); }

QString TableTexts::expectedTip() const
{
    return pick("Les points de la feuille et ce que le jeu parfait en attend encore\u00a0: qui mène vraiment.",
                "The points on the sheet and what perfect play still expects from it: who is really ahead.");
}

QString TableTexts::inPlay(const QString& player, int game) const
{
    return pick("Partie n°%1 — %2 joue", "Game n°%1 — %2's turn").arg(QString::number(game), player);
}

QString TableTexts::over(int game) const { return pick("Partie n°%1 — finie", "Game n°%1 — over").arg(game); }

QString TableTexts::points(double value) const
{
    return QLocale(english_ ? QLocale::English : QLocale::French).toString(value, 'f', 1);
}

QString TableTexts::working() const { return pick("calcul…", "working…"); }

QString TableTexts::printFailed() const
{
    return pick("Le tableau des scores n'a pas pu être imprimé.", "The scoreboard could not be printed.");
}

} // namespace daxo
