#pragma once

#include "dice_sets.h"
#include "position.h"
#include "turn_solver.h"

#include <array>
#include <functional>
#include <vector>

namespace daxo::solver {

// What each decision of a turn is worth under perfect play, given what
// each way the turn can end, its box and points, is worth: worked back from
// the last throw once for the whole turn, where following each action
// forward to its endings walks the turn again for every one of them. A
// chance of winning is such a worth, and so is the score.
class PerfectTurnWorth {
public:
    using EndingWorth = std::function<double(Box box, int points)>;

    // `turn`, the engine's values of the turn from `position`, must outlive
    // this object.
    PerfectTurnWorth(const Position& position, const TurnValues& turn, EndingWorth worth);

    // Throwing all five dice, the turn's first throw.
    double ofFirstThrow();
    // Ending the turn with `box` for `points`.
    double ofScoring(Box box, int points);
    // Keeping `kept` and throwing the others, `throwsLeft` throws left
    // after that throw.
    double ofKeeping(const FaceCounts& kept, int throwsLeft);

private:
    using BySet = std::array<double, kSetCount>;
    // The worth of each outcome shown with `throwsLeft` throws left, and of
    // each set of dice kept with that many left once the others are thrown.
    const BySet& shown(int throwsLeft);
    const BySet& kept(int throwsLeft);

    Position position_;
    const TurnValues& turn_;
    EndingWorth worth_;
    std::vector<Box> free_;
    std::vector<std::vector<double>> endings_; // by box and points, worked out as asked
    std::array<BySet, 3> shown_{}, kept_{};
    int shownUpTo_ = -1, keptUpTo_ = -1;       // the throws left worked out so far
};

} // namespace daxo::solver
