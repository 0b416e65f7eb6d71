#include "winning_choice.h"

#include "solver/winning_play.h"

#include <bit>

namespace daxo {
namespace {

// The first of the best: the actions come ranked by expected score, and a
// later one takes the lead only with a chance better by more than rounding.
std::size_t best(const std::vector<double>& chances)
{
    std::size_t first = 0;
    for (std::size_t i = 1; i < chances.size(); ++i) {
        if (chances[i] > chances[first] + 1e-12)
            first = i;
    }
    return first;
}

} // namespace

WinningChoice::WinningChoice(const solver::Strategy& strategy) : futures_(strategy) {}

std::size_t WinningChoice::positionsKnown() const { return futures_.positionsKnown(); }

const solver::Action& WinningChoice::choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                            std::span<const Opponent> others)
{
    const int turnsLeft = solver::kBoxCount - std::popcount(point.position.used);
    if (actions.size() <= 1 || others.empty() || turnsLeft > kTurnsReckonedExactly)
        return actions.front();
    std::vector<solver::PointsDistribution> theirs;
    for (const Opponent& other : others)
        theirs.push_back(solver::finalTotal(other.point, futures_.of(other.level)));
    const solver::WinShares shares(theirs);
    std::vector<double> chances;
    for (const solver::PointsDistribution& mine : solver::finalTotalsAfter(point, actions, futures_.of(nullptr)))
        chances.push_back(shares.chanceOfWinning(mine));
    return actions[best(chances)];
}

} // namespace daxo
