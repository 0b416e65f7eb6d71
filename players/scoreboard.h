#pragma once

#include "table/seat.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace daxo {

class GameRecord;
class TableTexts;
namespace solver {
class Strategy;
} // namespace solver

// Every player's sheet side by side, as the scoreboard shows and prints it:
// a column for each player, a row for each of the twelve boxes in the
// sheet's order with the subtotal and the bonus after the number boxes,
// the total, and the final score each can expect under perfect play from
// where they stand: the points on the sheet and the engine's value of the
// rest, so that the table sees who is really ahead.
struct Scoreboard {
    QString heading; // "Partie n°3 — Marie joue"
    QStringList players;
    int inPlay = -1; // the column whose turn it is, or -1 once over
    QStringList rowHeads;
    std::vector<QStringList> rows;
};

// `records` by seat; without a strategy yet, the expected finals wait.
Scoreboard scoreboardOf(const Seats& seats, const std::vector<GameRecord>& records, int inPlay, int game,
                        const solver::Strategy* strategy, const TableTexts& texts);

} // namespace daxo
