#pragma once

#include "future_scores.h"
#include "game_analysis.h"
#include "win_chances.h"

#include <span>
#include <vector>

namespace daxo::solver {

// A player's final total from a point of their game: the points scored,
// then those to come under the policy of `scores`, from the dice shown
// with the throws left once the turn's first throw is made.
PointsDistribution finalTotal(const GamePoint& point, FutureScores& scores);

// The ways the turn in play ends after `action` at `point`, then play by
// `policy`.
std::vector<TurnEnding> endingsAfter(const GamePoint& point, const Action& action, const TurnValues& turn,
                                     const Policy& policy);

// The final total after each of `actions` (as actionsAt gives them) at a
// point of a turn, the action then play by the policy of `scores`.
std::vector<PointsDistribution> finalTotalsAfter(const GamePoint& point, std::span<const Action> actions,
                                                 FutureScores& scores);

} // namespace daxo::solver
