#include "remembered_table.h"

#include "table_texts.h"
#include "storage/preferences.h"
#include "table/levels.h"

namespace daxo {

Seats rememberedSeats(const Preferences& preferences)
{
    Seats seats;
    for (const Preferences::Player& player : preferences.players()) {
        if (static_cast<int>(seats.size()) == kMostSeats)
            break;
        if (!player.computer) {
            seats.push_back({.kind = Seat::Kind::Human, .name = player.name.trimmed().toStdString()});
            continue;
        }
        const std::string level = player.level.toStdString();
        seats.push_back({.kind = Seat::Kind::Computer, .level = levelNamed(level) ? level : "regular"});
    }
    if (seats.empty())
        seats.push_back({});
    return seats;
}

void rememberSeats(Preferences& preferences, const Seats& seats)
{
    QList<Preferences::Player> players;
    for (const Seat& seat : seats)
        players.append({!seat.human(), QString::fromStdString(seat.name), QString::fromStdString(seat.level)});
    preferences.setPlayers(players);
    // The player alone names the high scores as a table's first human.
    if (seats.size() == 1 && seats.front().human() && !seats.front().name.empty())
        preferences.setPlayerName(QString::fromStdString(seats.front().name));
}

Pace rememberedPace(const Preferences& preferences) { return paceOfKey(preferences.pace().toStdString()); }

void rememberPace(Preferences& preferences, Pace pace)
{
    const std::string_view key = paceKey(pace);
    preferences.setPace(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

QString offeredName(const Preferences& preferences, const Seats& seats, int row, const std::string& languageCode)
{
    bool firstHuman = true;
    for (int before = 0; before < row && before < static_cast<int>(seats.size()); ++before)
        firstHuman = firstHuman && !seats[static_cast<std::size_t>(before)].human();
    if (firstHuman)
        return preferences.playerName();
    const QString last = preferences.tableNames().value(row).trimmed();
    return last.isEmpty() ? TableTexts(languageCode).playerNumber(row + 1) : last;
}

} // namespace daxo
