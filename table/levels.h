#pragma once

#include <span>
#include <string>
#include <string_view>

namespace daxo {

// How well a computer plays: each of its decisions drawn among the engine's
// own actions, the likelier the less it loses against the best, with a
// temperature of its level. A level at 0 always plays the best: perfect
// play. The measured strengths are the mean scores of 100,000 games played
// at each level (`daxo-coach simulate`). Above perfect play, one level plays
// to win rather than to score (WinningChoice): it scores a little less, and
// wins more often.
struct Level {
    std::string_view name;    // English, lower case: "regular"; the windows name it in their language
    double temperature;       // in points of expected final score
    double measuredMean;      // points a game; for the one that plays to win, against perfect play
    bool playsToWin = false;
};

// From the weakest to perfect play, then the one that plays to win.
std::span<const Level> levels();
// The level of that name, or nullptr.
const Level* levelNamed(std::string_view name);
const Level& perfectLevel();
// The temperature a player's futures are reckoned at: a human's (nullptr)
// and a computer's that plays to win as perfect play's, 0.
double reckonedTemperature(const Level* level);

} // namespace daxo
