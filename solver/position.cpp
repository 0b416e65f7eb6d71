#include "position.h"

#include "game/dice_rules.h"
#include "state_space.h"

namespace daxo::solver {
namespace {

// A Plus or a Moins scores the dice sum, 5 to 30, or 0.
bool isSumScore(int score) { return score == 0 || (score >= 5 && score <= 30); }

std::optional<std::string> checkSumBox(const Position& position, Box box, const std::optional<int>& score)
{
    const bool used = position.used & bit(box);
    const std::string name(nameOf(box));
    if (used && !score)
        return name + " is scored but its score is missing";
    if (!used && score)
        return name + " has a score but is not scored";
    if (score && !isSumScore(*score))
        return name + " scores 0 or 5 to 30, not " + std::to_string(*score);
    return std::nullopt;
}

} // namespace

Scored afterScoring(const Position& position, Box box, int score)
{
    Scored scored{position, 0};
    Position& after = scored.position;
    after.used |= bit(box);
    if (isNumberBox(box)) {
        if (position.subtotal < kBonusThreshold && position.subtotal + score >= kBonusThreshold)
            scored.bonus = kBonus;
        after.subtotal += score;
    } else if (box == Box::Plus) {
        after.plus = score;
    } else if (box == Box::Moins) {
        after.moins = score;
    }
    return scored;
}

std::optional<std::string> whyImpossible(const Position& position)
{
    if (position.used & ~kAllBoxes)
        return "the boxes are numbered 0 to 11";
    if (!StateSpace::instance().canMake(position.used & kNumberBoxes, position.subtotal))
        return "the number boxes scored cannot make a subtotal of " + std::to_string(position.subtotal);
    if (auto why = checkSumBox(position, Box::Plus, position.plus))
        return why;
    if (auto why = checkSumBox(position, Box::Moins, position.moins))
        return why;
    // Whichever of the two is scored second is worth 0 when it would put
    // the Moins above the Plus.
    if (position.plus && position.moins && *position.plus > 0 && *position.moins > *position.plus)
        return "Moins " + std::to_string(*position.moins) + " is above Plus " + std::to_string(*position.plus) +
               ": the second of them scored would have been 0";
    return std::nullopt;
}

} // namespace daxo::solver
