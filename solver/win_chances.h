#pragma once

#include "future_scores.h"

#include <span>
#include <vector>

namespace daxo::solver {

// A player's chances at the end of a game.
struct WinChance {
    double win = 0;    // equal totals at the top share the win equally
    double shared = 0; // of ending first with another, or several
};

// The chances of each of the players whose final totals have these
// distributions, their futures independent of one another: the chance that
// each one's total beats every other's, a first place shared counting its
// share. The wins sum to 1.
std::vector<WinChance> winChances(std::span<const PointsDistribution> finals);

} // namespace daxo::solver
