#pragma once

#include "boxes.h"

#include <optional>
#include <string>

namespace daxo::solver {

// A position between two turns: all of the game that its future depends
// on, the points already scored left aside.
struct Position {
    unsigned used = 0;          // the boxes scored, bit b for box b
    int subtotal = 0;           // of the number boxes scored
    std::optional<int> plus = {};  // the Plus's score once scored
    std::optional<int> moins = {}; // the Moins's score once scored
    friend bool operator==(const Position&, const Position&) = default;
};

// What scoring `box` with `score` brings: the position after it, and the
// bonus it banks (30 when it takes the subtotal to 60, else 0).
struct Scored {
    Position position;
    int bonus = 0;
};
Scored afterScoring(const Position& position, Box box, int score);

// Why no game can reach this position, or nothing when one can: a subtotal
// that the scored number boxes cannot make, a Plus or a Moins score for a
// box not scored (or none for one scored), a score no dice make.
std::optional<std::string> whyImpossible(const Position& position);

} // namespace daxo::solver
