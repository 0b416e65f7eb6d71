#pragma once

#include "position.h"
#include "turn_solver.h"

#include <span>
#include <utility>
#include <vector>

namespace daxo::solver {

// What the turn's dice can become, worked out once.
struct Throws {
    // For each outcome, the sets of its dice a player may keep, in the
    // order the engine lists them; all five kept is no choice.
    std::vector<std::vector<int>> keeps;
    // For each set of fewer than five dice, the outcomes of throwing the
    // others, with their chances.
    std::vector<std::vector<std::pair<int, double>>> after;

    Throws();
};

const Throws& throws();

// The dice an outcome may keep with `throwsLeft` throws left: none without one.
std::span<const int> keepsOf(int outcome, int throwsLeft);

// Perfect play's decision at dice `outcome` with `throwsLeft` throws left:
// the first of the best in the engine's order, the free boxes, then the
// keeps. An index into `free` for a box, else free.size() + the keep's
// index in keepsOf.
std::size_t firstOfTheBest(const TurnValues& turn, std::span<const Box> free, int outcome, int throwsLeft);

} // namespace daxo::solver
