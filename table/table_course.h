#pragma once

#include "levels.h"
#include "solver/game_analysis.h"
#include "solver/win_chances.h"

#include <span>
#include <stop_token>
#include <vector>

namespace daxo {

class GameRecord;
class TableChances;

// A seat's game as the course of a table follows it.
struct SeatGame {
    std::vector<solver::GamePoint> turnStarts; // solver::turnStartsOf its record
    const Level* level = nullptr;              // nullptr for a human
};

// Every player's chance of winning at the start of a table's game and after
// each turn, in the order the seats played them, as far as the records go;
// a point too early for the chances is left out. Its winner once every
// sheet is full, if one total is above the others. Until stopped.
solver::TableCourse tableCourse(std::span<const SeatGame> seats, TableChances& chances, std::stop_token stop = {});

} // namespace daxo
