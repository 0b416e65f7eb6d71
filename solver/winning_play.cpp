#include "winning_play.h"

#include "game/dice_rules.h"
#include "outcome_scores.h"
#include "turn_worth.h"

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

std::vector<Position> positionsAfterTurn(const Position& position)
{
    std::vector<Position> after;
    for (int b = 0; b < kBoxCount; ++b) {
        const Box box = static_cast<Box>(b);
        if (position.used & bit(box))
            continue;
        std::vector<bool> scores(kDaxoScore + 1, false);
        scores[static_cast<std::size_t>(scoreOf(box, OutcomeScore{}, position))] = true;
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome)
            scores[static_cast<std::size_t>(scoreOf(box, outcomeScores()[static_cast<std::size_t>(outcome)], position))] = true;
        for (int points = 0; points <= kDaxoScore; ++points) {
            if (scores[static_cast<std::size_t>(points)])
                after.push_back(afterScoring(position, box, points).position);
        }
    }
    return after;
}

std::vector<double> worthAfter(const GamePoint& point, std::span<const Action> actions, FutureScores& perfect,
                               const FinalWorth& worth)
{
    const TurnValues turn = perfect.strategy().turn(point.position);
    PerfectTurnWorth turnWorth(point.position, turn, [&](Box box, int points) {
        const Scored after = afterScoring(point.position, box, points);
        return worth(perfect.toCome(after.position), point.scored + points + after.bonus);
    });
    std::vector<double> worths;
    worths.reserve(actions.size());
    for (const Action& action : actions) {
        switch (action.kind) {
        case Action::Kind::Score: {
            // Before the turn's first throw a box scores the empty dice.
            const OutcomeScore& dice =
                point.throwsMade == 0 ? OutcomeScore{}
                                      : outcomeScores()[static_cast<std::size_t>(DiceSets::instance().indexOf(point.dice))];
            worths.push_back(turnWorth.ofScoring(action.box, scoreOf(action.box, dice, point.position)));
            break;
        }
        case Action::Kind::Keep:
            worths.push_back(turnWorth.ofKeeping(action.kept, 2 - point.throwsMade));
            break;
        case Action::Kind::Throw:
            worths.push_back(turnWorth.ofFirstThrow());
            break;
        }
    }
    return worths;
}

} // namespace daxo::solver
