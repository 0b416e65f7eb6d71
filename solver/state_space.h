#pragma once

#include "position.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <vector>

namespace daxo::solver {

// The positions between turns that the future can tell apart, numbered box
// set by box set. Positions whose futures cannot differ share one state,
// which is exact:
// - the subtotal counts only while it may still earn the bonus: at 60 and
//   above the bonus is banked, and where the free number boxes cannot bring
//   it to 60 it never will; either way the future no longer depends on it,
//   and neither does it once every number box is scored;
// - of the subtotals below 60 only those the scored boxes can make exist;
// - the Plus's score counts only while the Moins is free, and a Plus of 0
//   or 30 limits nothing; the Moins's score only while the Plus is free, and
//   a Moins of 5 or less limits nothing, since dice never sum below 5.
// Within a box set, the states are its lanes: subtotal by subtotal, and
// within each, the limit the scored one of Plus and Moins sets the other.
class StateSpace {
public:
    static const StateSpace& instance();

    std::size_t stateCount() const { return firstState_.back(); }
    std::size_t firstState(unsigned mask) const { return firstState_[mask]; }
    // The box set of a state.
    unsigned maskOf(std::size_t state) const;
    int laneCount(unsigned mask) const { return subCount(mask & kNumberBoxes) * limitCount(mask); }

    // The subtotals told apart with these number boxes scored; the first
    // stands for every subtotal that no longer matters.
    int subCount(unsigned upper) const { return static_cast<int>(subtotals_[upper].size()); }
    // The subtotal of a lane's index, or nothing for the one that no longer
    // matters.
    std::optional<int> subtotalAt(unsigned upper, int index) const;
    int subIndexOf(unsigned upper, int subtotal) const;

    // How many limits the Plus or the Moins can set the other in this box
    // set: 26 while exactly one of them is scored, else 1.
    static int limitCount(unsigned mask);
    // The lane of the limit that the scored one of them sets, given its score.
    static int limitIndexOf(unsigned mask, const std::optional<int>& plus, const std::optional<int>& moins);
    // The score standing for a limit index: the Plus's (for the Moins to
    // come) or the Moins's (for the Plus to come); nothing while neither or
    // both are scored.
    static std::optional<int> limitAt(unsigned mask, int index);

    int laneOf(const Position& position) const;
    std::size_t stateOf(const Position& position) const { return firstState(position.used) + static_cast<std::size_t>(laneOf(position)); }

    // Whether the number boxes `upper` can make this subtotal.
    bool canMake(unsigned upper, int subtotal) const;

private:
    StateSpace();

    static constexpr int kMaxSubtotal = 105; // five sixes, five fives, ...
    std::array<std::bitset<kMaxSubtotal + 1>, 64> reachable_{};
    std::array<std::vector<int>, 64> subtotals_{};          // by upper mask; -1 first
    std::array<std::array<std::int8_t, kMaxSubtotal + 1>, 64> subIndex_{};
    std::vector<std::size_t> firstState_;                   // by mask, and the total last
};

} // namespace daxo::solver
