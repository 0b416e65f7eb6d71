#pragma once

#include "future_scores.h"
#include "game_analysis.h"
#include "win_chances.h"

#include <functional>
#include <span>
#include <vector>

namespace daxo::solver {

// A player's final total from a point of their game: the points scored,
// then those to come under the policy of `scores`, from the dice shown
// with the throws left once the turn's first throw is made.
PointsDistribution finalTotal(const GamePoint& point, FutureScores& scores);

// Every position a turn from `position` can leave: each free box scored
// with each of its scores, those of dice and nothing.
std::vector<Position> positionsAfterTurn(const Position& position);

// What a final total is worth to a player: given the points still to come
// from the position after the turn, and those banked before them.
using FinalWorth = std::function<double(const PointsDistribution& toCome, int banked)>;

// What each of `actions` (as actionsAt gives them) at a point of a turn is
// worth, the action then perfect play, whose futures `perfect` holds.
std::vector<double> worthAfter(const GamePoint& point, std::span<const Action> actions, FutureScores& perfect,
                               const FinalWorth& worth);

} // namespace daxo::solver
