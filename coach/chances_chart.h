#pragma once

#include "solver/win_chances.h"

#include <QStringList>

class QChart;

namespace daxo {

class CoachTexts;

// Each player's chance of winning, in per cent, after every turn of a
// table's game: a line a player, against the turns, a seat's turn a step
// along its round.
QChart* chancesChart(const solver::TableCourse& course, const QStringList& players, const CoachTexts& texts);

} // namespace daxo
