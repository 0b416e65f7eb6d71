#pragma once

#include "strategy.h"

#include <array>
#include <random>

namespace daxo::solver {

// A game played by perfect play's own advice.
struct PlayedGame {
    std::array<int, kBoxCount> scores{}; // by box
    int bonus = 0;
    int total = 0;
};

// Plays a whole game with fair dice from `random`, always taking the best
// action, and scores it by the game's rules.
PlayedGame playPerfectly(const Strategy& strategy, std::mt19937_64& random);

} // namespace daxo::solver
