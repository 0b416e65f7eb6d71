#pragma once

#include "solver/dice_sets.h"
#include "solver/position.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace daxo::solver {

// A position within a turn, as `daxo-coach advise` reads it: six fields
// separated by tabs.
//   used boxes   "-", or a comma-separated list of 1 to 6, Full, Suite,
//                Carre, Daxo, Plus, Moins
//   subtotal     of the number boxes scored
//   Plus         its score, or "-" while it is free
//   Moins        its score, or "-" while it is free
//   dice         five digits 1 to 6
//   throws left  2 after the first throw, 1 after the second, 0 after the third
struct AdviceRequest {
    Position position;
    FaceCounts dice{};
    int throwsLeft = 0;
};

// What is wrong with a line: the field, and why.
struct LineError {
    std::string field;
    std::string why;
};

std::variant<AdviceRequest, LineError> readAdviceLine(std::string_view line);

// A player at a table between two turns, as `daxo-coach chances` reads
// it: six fields separated by tabs, the level and the points already on the
// sheet, then the position as above without the dice.
//   level        beginner, regular, strong, perfect or competitive (reckoned
//                as perfect play)
//   points       on the sheet, the bonus included
//   used boxes, subtotal, Plus, Moins
struct PlayerLine {
    std::string level;
    int points = 0;
    Position position;
};

std::variant<PlayerLine, LineError> readPlayerLine(std::string_view line);

} // namespace daxo::solver
