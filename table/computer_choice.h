#pragma once

#include "levels.h"
#include "solver/strategy.h"

#include <cstdint>
#include <vector>

namespace daxo {

// A computer's decision among the engine's actions at a point of a game,
// ranked best first: each drawn with a weight falling with its loss,
// exp(-loss / temperature), by `draw`, a number from 0 to 1. At the
// temperature 0 the best, always.
const solver::Action& chooseAction(const std::vector<solver::Action>& actions, const Level& level, double draw);

// A number from 0 to 1 for a decision of a game: the same table seed, seat,
// turn and throw give the same number, whatever came before, so that a game
// replayed from its seed with the same actions is the same game.
double decisionDraw(std::uint64_t seed, int seat, int turn, int throwsMade);

} // namespace daxo
