#include "winning_choice.h"

#include "solver/winning_play.h"

#include <bit>

namespace daxo {

std::vector<double> chancesAfter(const solver::GamePoint& point, std::span<const solver::Action> actions,
                                 std::span<const Opponent> others, LevelFutures& futures)
{
    std::vector<solver::PointsDistribution> theirs;
    for (const Opponent& other : others)
        theirs.push_back(solver::finalTotal(other.point, futures.of(other.level)));
    const solver::WinShares shares(theirs);
    std::vector<double> chances;
    for (const solver::PointsDistribution& mine : solver::finalTotalsAfter(point, actions, futures.of(nullptr)))
        chances.push_back(shares.chanceOfWinning(mine));
    return chances;
}

WinningChoice::WinningChoice(const solver::Strategy& strategy) : futures_(strategy) {}

std::size_t WinningChoice::positionsKnown() const { return futures_.positionsKnown(); }

const solver::Action& WinningChoice::choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                            std::span<const Opponent> others)
{
    const int turnsLeft = solver::kBoxCount - std::popcount(point.position.used);
    if (actions.size() <= 1 || others.empty() || turnsLeft > kTurnsReckonedExactly)
        return actions.front();
    return actions[solver::bestChance(chancesAfter(point, actions, others, futures_))];
}

} // namespace daxo
