#pragma once

#include "solver/win_chances.h"
#include "table/seat.h"

#include <QString>
#include <QStringList>
#include <optional>
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
// the total, and the final score each can expect from where they stand:
// the points on the sheet and the engine's value of the rest (at a table,
// once its chances come, a computer's as it plays), so that the table sees
// who is really ahead; and, at a table of several, each one's chance of
// winning.
struct Scoreboard {
    QString heading; // "Partie n°3 — Marie joue"
    QStringList players;
    int inPlay = -1; // the column whose turn it is, or -1 once over
    QStringList rowHeads, rowTips;
    std::vector<QStringList> rows;
    // The row of the chances of winning, or -1; each player's chance, for
    // its bar, and the whole of it said in words, once worked out.
    int chanceRow = -1;
    std::vector<double> chances;
    QStringList chanceTips;
};

// Each player's chance of winning as far as it is known.
struct KnownChances {
    std::optional<std::vector<solver::WinChance>> chances; // by seat
    bool working = false;                                  // else, too early in the game
};

// `records` by seat; without a strategy yet, the expected finals wait.
Scoreboard scoreboardOf(const Seats& seats, const std::vector<GameRecord>& records, int inPlay, int game,
                        const solver::Strategy* strategy, const KnownChances& chances, const TableTexts& texts);

} // namespace daxo
