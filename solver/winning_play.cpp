#include "winning_play.h"

#include "outcome_scores.h"

#include <algorithm>

namespace daxo::solver {

WinShares::WinShares(std::span<const PointsDistribution> others)
{
    int most = 0;
    for (const PointsDistribution& other : others)
        most = std::max(most, other.most());
    shares_.assign(static_cast<std::size_t>(most) + 1, 0.0);
    std::vector<double> below(others.size(), 0.0); // each other's chance of ending below the total
    for (int total = 0; total <= most; ++total) {
        // tied[k]: the chance that exactly k others end on this total and
        // all the rest below it.
        std::vector<double> tied{1.0};
        for (std::size_t other = 0; other < others.size(); ++other) {
            const double equal = others[other].chance(total);
            std::vector<double> next(tied.size() + 1, 0.0);
            for (std::size_t k = 0; k < tied.size(); ++k) {
                next[k] += tied[k] * below[other];
                next[k + 1] += tied[k] * equal;
            }
            tied = std::move(next);
            below[other] += equal;
        }
        for (std::size_t k = 0; k < tied.size(); ++k)
            shares_[static_cast<std::size_t>(total)] += tied[k] / static_cast<double>(k + 1);
    }
}

double WinShares::chanceOfWinning(const PointsDistribution& final) const
{
    double chance = 0;
    for (int total = 0; total <= final.most(); ++total) {
        const std::size_t at = static_cast<std::size_t>(total);
        chance += final.chance(total) * (at < shares_.size() ? shares_[at] : 1.0);
    }
    return chance;
}

PointsDistribution finalTotal(const GamePoint& point, FutureScores& scores)
{
    PointsDistribution final;
    final.addShifted(scores.toCome(point.position), point.scored, 1.0);
    return final;
}

std::vector<TurnEnding> endingsAfter(const GamePoint& point, const Action& action, const TurnValues& turn,
                                     const Policy& policy)
{
    switch (action.kind) {
    case Action::Kind::Score: {
        // Before the turn's first throw a box scores the empty dice.
        const OutcomeScore& dice = point.throwsMade == 0
                                       ? OutcomeScore{}
                                       : outcomeScores()[static_cast<std::size_t>(DiceSets::instance().indexOf(point.dice))];
        return {{action.box, scoreOf(action.box, dice, point.position), 1.0}};
    }
    case Action::Kind::Keep:
        return turnEndingsAfterKeeping(point.position, turn, action.kept, 2 - point.throwsMade, policy);
    case Action::Kind::Throw:
        break;
    }
    return turnEndingsAfterKeeping(point.position, turn, FaceCounts{}, 2, policy);
}

std::vector<PointsDistribution> finalTotalsAfter(const GamePoint& point, std::span<const Action> actions,
                                                 FutureScores& scores)
{
    const TurnValues turn = scores.strategy().turn(point.position);
    std::vector<PointsDistribution> finals;
    finals.reserve(actions.size());
    for (const Action& action : actions) {
        PointsDistribution final;
        final.addShifted(scores.toComeAfter(point.position, endingsAfter(point, action, turn, scores.policy())),
                         point.scored, 1.0);
        finals.push_back(std::move(final));
    }
    return finals;
}

} // namespace daxo::solver
