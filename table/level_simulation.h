#pragma once

#include "levels.h"
#include "solver/strategy.h"

#include <cstdint>
#include <random>

namespace daxo {

// A game played by a computer of a level, as the engine scores it.
struct LevelGame {
    int total = 0;
    double loss = 0;   // against perfect play, summed over its decisions
    int decisions = 0; // each throw after a turn's first, each box
};

// Plays a whole game with fair dice from `random`, each decision drawn as
// a computer of `level` draws it at the table (chooseAction), over the same
// actions the engine ranks for a point of a game, scoring a box blind
// before a turn's first throw among them.
LevelGame playAtLevel(const solver::Strategy& strategy, const Level& level, std::mt19937_64& random);

// Many games at a level, each from its own seed (`seed` and its number), so
// that the figures do not depend on how many threads play them.
struct LevelFigures {
    int games = 0;
    double mean = 0;
    double deviation = 0;     // of the scores
    double standardError = 0; // of the mean
    double meanLoss = 0;      // per decision
};
LevelFigures simulateLevel(const solver::Strategy& strategy, const Level& level, int games, std::uint64_t seed,
                           int threads);

// Two-player games of `level` against `against`, each game from its own
// seed: the shares of the games each side won, and of the ties. Neither
// level looks at the other's sheet, so each plays its own game.
struct HeadToHead {
    int games = 0;
    double wins = 0;   // of `level`
    double losses = 0; // won by `against`
    double ties = 0;
    double mean = 0;   // the points a game of `level`
};
HeadToHead simulateHeadToHead(const solver::Strategy& strategy, const Level& level, const Level& against, int games,
                              std::uint64_t seed, int threads);

} // namespace daxo
