#pragma once

#include "future_scores.h"
#include "game_analysis.h"

#include <span>
#include <vector>

namespace daxo::solver {

// What each final total wins against the others' final totals, their
// futures independent of the player's: the whole win above them all, a
// share of it tied at the top with others (1/k among k), nothing below,
// averaged over what the others may still score.
class WinShares {
public:
    explicit WinShares(std::span<const PointsDistribution> others);

    // The chance of winning of a player whose final total has this
    // distribution.
    double chanceOfWinning(const PointsDistribution& final) const;

private:
    std::vector<double> shares_; // by total; every total beyond the last wins whole
};

// A player's final total from a point between turns: the points scored,
// then those to come under the policy of `scores`.
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
