#include "winning_play.h"

#include "outcome_scores.h"

namespace daxo::solver {

PointsDistribution finalTotal(const GamePoint& point, FutureScores& scores)
{
    PointsDistribution final;
    if (point.throwsMade == 0 || point.over())
        final.addShifted(scores.toCome(point.position), point.scored, 1.0);
    else
        final.addShifted(scores.toComeAfterThrow(point.position, point.dice, 3 - point.throwsMade), point.scored, 1.0);
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
