#include "outcome_scores.h"

#include "game/dice_rules.h"

#include <string>

namespace daxo::solver {
namespace {

// An outcome as the score sheet holds it: five face texts.
Dice diceOf(const FaceCounts& counts)
{
    Dice dice;
    std::size_t die = 0;
    for (int f = 0; f < kFaces; ++f) {
        for (int n = 0; n < counts[static_cast<std::size_t>(f)]; ++n)
            dice[die++] = std::to_string(f + 1);
    }
    return dice;
}

std::array<OutcomeScore, kSetCount> scoreEveryOutcome()
{
    const DiceSets& sets = DiceSets::instance();
    std::array<OutcomeScore, kSetCount> scores{};
    for (int set = kFirstOutcome; set < kSetCount; ++set) {
        const Dice dice = diceOf(sets.counts(set));
        OutcomeScore& score = scores[static_cast<std::size_t>(set)];
        for (int f = 0; f < kFaces; ++f)
            score.numbers[static_cast<std::size_t>(f)] = numberBoxScore(dice, f + 1);
        score.full = isFull(dice);
        score.suite = isSuite(dice);
        score.carre = isCarre(dice);
        score.daxo = isDaxo(dice);
        score.sum = static_cast<int>(diceSum(dice));
    }
    return scores;
}

} // namespace

const std::array<OutcomeScore, kSetCount>& outcomeScores()
{
    static const std::array<OutcomeScore, kSetCount> scores = scoreEveryOutcome();
    return scores;
}

int plusScore(int sum, std::optional<int> moins) { return moins && *moins > sum ? 0 : sum; }

int moinsScore(int sum, std::optional<int> plus) { return plus && *plus != 0 && sum > *plus ? 0 : sum; }

int scoreOf(Box box, const OutcomeScore& outcome, const Position& position)
{
    switch (box) {
    case Box::Full: return outcome.full ? kFullScore : 0;
    case Box::Suite: return outcome.suite ? kSuiteScore : 0;
    case Box::Carre: return outcome.carre ? kCarreScore : 0;
    case Box::Daxo: return outcome.daxo ? kDaxoScore : 0;
    case Box::Plus: return plusScore(outcome.sum, position.moins);
    case Box::Moins: return moinsScore(outcome.sum, position.plus);
    default: return outcome.numbers[static_cast<std::size_t>(box)];
    }
}

} // namespace daxo::solver
