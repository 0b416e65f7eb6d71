#pragma once

#include "dice_sets.h"
#include "position.h"

#include <array>
#include <optional>

namespace daxo::solver {

// What each box makes of an outcome, as the game's own rules score it: the
// tables are filled by calling those rules once for each outcome.
struct OutcomeScore {
    std::array<int, kFaces> numbers{}; // the ones to the sixes
    bool full = false;
    bool suite = false;
    bool carre = false;
    bool daxo = false;
    int sum = 0;                       // for the Plus and the Moins
};

// Indexed by the outcome's set (see DiceSets); sets of fewer dice hold
// nothing.
const std::array<OutcomeScore, kSetCount>& outcomeScores();

// The Moins must not exceed the Plus: whichever of the two is scored second
// scores 0 when it would. A free box, or one scored 0, limits nothing.
// `moins` and `plus` are the other box's score, nothing while it is free.
int plusScore(int sum, std::optional<int> moins);
int moinsScore(int sum, std::optional<int> plus);

// What `box` scores on an outcome from this position.
int scoreOf(Box box, const OutcomeScore& outcome, const Position& position);

} // namespace daxo::solver
