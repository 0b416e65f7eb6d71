#pragma once

#include "storage/history.h"

#include <array>
#include <optional>
#include <vector>

namespace daxo {

// The player's finished games in figures. A game the cheat mode touched is
// left out: its scores were typed, not played.
struct GameStatistics {
    int games = 0;
    double mean = 0;
    int best = 0;
    double deviation = 0;       // standard deviation of the scores
    double bonusRate = 0;       // the share of games with the bonus
    std::array<double, 12> boxMeans{}; // Command2 to Command13
    std::vector<int> scores;    // each game's score, oldest first
    // The coach's mean loss per decision, game after game, for the games it
    // has judged.
    std::vector<double> meanLosses;
};

GameStatistics statisticsOf(const std::vector<StoredGame>& finished);

// How many of `scores` fall in each bin of `width` points from 0 up to the
// highest score.
std::vector<int> histogram(const std::vector<int>& scores, int width, int bins);

} // namespace daxo
