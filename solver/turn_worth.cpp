#include "turn_worth.h"

#include "dice_throws.h"
#include "game/dice_rules.h"
#include "outcome_scores.h"

#include <cmath>
#include <limits>
#include <utility>

namespace daxo::solver {

PerfectTurnWorth::PerfectTurnWorth(const Position& position, const TurnValues& turn, EndingWorth worth)
    : position_(position), turn_(turn), worth_(std::move(worth)),
      endings_(kBoxCount, std::vector<double>(kDaxoScore + 1, std::numeric_limits<double>::quiet_NaN()))
{
    for (int b = 0; b < kBoxCount; ++b) {
        if (!(position.used & (1u << b)))
            free_.push_back(static_cast<Box>(b));
    }
}

double PerfectTurnWorth::ofScoring(Box box, int points)
{
    double& known = endings_[static_cast<std::size_t>(box)][static_cast<std::size_t>(points)];
    if (std::isnan(known))
        known = worth_(box, points);
    return known;
}

double PerfectTurnWorth::ofKeeping(const FaceCounts& kept, int throwsLeft)
{
    return this->kept(throwsLeft)[static_cast<std::size_t>(DiceSets::instance().indexOf(kept))];
}

double PerfectTurnWorth::ofFirstThrow()
{
    const DiceSets& sets = DiceSets::instance();
    const BySet& dice = shown(2);
    double worth = 0;
    for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome)
        worth += sets.probability(outcome) * dice[static_cast<std::size_t>(outcome)];
    return worth;
}

const PerfectTurnWorth::BySet& PerfectTurnWorth::shown(int throwsLeft)
{
    BySet& worth = shown_[static_cast<std::size_t>(throwsLeft)];
    if (shownUpTo_ >= throwsLeft)
        return worth;
    // A keep's worth with throws left after it is that of the dice shown
    // after the throw, one fewer left.
    const BySet* afterKeeping = throwsLeft > 0 ? &kept(throwsLeft - 1) : nullptr;
    const auto& scores = outcomeScores();
    for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
        const std::size_t first = firstOfTheBest(turn_, free_, outcome, throwsLeft);
        if (first < free_.size()) {
            const Box box = free_[first];
            worth[static_cast<std::size_t>(outcome)] =
                ofScoring(box, scoreOf(box, scores[static_cast<std::size_t>(outcome)], position_));
        } else {
            const int set = keepsOf(outcome, throwsLeft)[first - free_.size()];
            worth[static_cast<std::size_t>(outcome)] = (*afterKeeping)[static_cast<std::size_t>(set)];
        }
    }
    shownUpTo_ = throwsLeft;
    return worth;
}

const PerfectTurnWorth::BySet& PerfectTurnWorth::kept(int throwsLeft)
{
    BySet& worth = kept_[static_cast<std::size_t>(throwsLeft)];
    if (keptUpTo_ >= throwsLeft)
        return worth;
    const BySet& dice = shown(throwsLeft);
    const Throws& table = throws();
    for (int set = 0; set < kFirstOutcome; ++set) {
        double sum = 0;
        for (const auto& [outcome, chance] : table.after[static_cast<std::size_t>(set)])
            sum += chance * dice[static_cast<std::size_t>(outcome)];
        worth[static_cast<std::size_t>(set)] = sum;
    }
    keptUpTo_ = throwsLeft;
    return worth;
}

} // namespace daxo::solver
