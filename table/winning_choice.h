#pragma once

#include "level_futures.h"
#include "opponent.h"
#include "solver/game_analysis.h"

#include <span>
#include <vector>

namespace daxo {

// The chance of winning after each of `actions` at `point`, the action then
// perfect play, against the others' final totals as each of them plays.
std::vector<double> chancesAfter(const solver::GamePoint& point, std::span<const solver::Action> actions,
                                 std::span<const Opponent> others, LevelFutures& futures);

// How a computer that plays to win decides: of the engine's actions, the one
// with the best chance of winning against the others' final totals (the
// action, then perfect play), the best expected score among equal chances.
// The chances are worked out exactly in the last turns only: before, they
// cost far more than a step may take, and a reckoning from each total's mean
// and spread won no more games than perfect play's choice does there.
class WinningChoice {
public:
    // The turns left, this one included, whose chances are worked out exactly.
    static constexpr int kTurnsReckonedExactly = 5;

    // The positions worked out that a table keeps from game to game: about
    // 100 MB of distributions.
    static constexpr std::size_t kMostPositionsKept = 120000;

    // The strategy must outlive the choice.
    explicit WinningChoice(const solver::Strategy& strategy);

    // `actions` as the engine ranks them at `point`.
    const solver::Action& choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                 std::span<const Opponent> others);

    std::size_t positionsKnown() const;

private:
    LevelFutures futures_; // kept while the choice lives
};

} // namespace daxo
