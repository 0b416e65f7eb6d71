#pragma once

#include "strategy.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace daxo::solver {

// What perfect play scores, box by box and in all, found by playing games
// by its own advice.
struct PerfectPlayStatistics {
    int games = 0;
    std::array<double, kBoxCount> boxMeans{}; // by box
    double bonusRate = 0;                     // the share of games with the bonus
    double mean = 0;
    std::vector<int> totals;                  // each game's final score
};

// Plays `games` games with dice from `seed`; nothing when stopped first.
std::optional<PerfectPlayStatistics> simulatePerfectPlay(const Strategy& strategy, int games, std::uint64_t seed,
                                                         std::stop_token stop = {});

} // namespace daxo::solver
