#pragma once

#include "game/record.h"
#include "strategy.h"

#include <optional>
#include <vector>

namespace daxo::solver {

// Where a game stands between two decisions.
struct GamePoint {
    Position position;   // the boxes scored so far
    int scored = 0;      // the points scored so far, bonus included
    int turn = 1;        // 1 to 12; 13 once the game is over
    int throwsMade = 0;  // in this turn, 0 to 3
    FaceCounts dice{};   // shown since the last throw; none before it
    bool over() const { return position.used == kAllBoxes; }
    friend bool operator==(const GamePoint&, const GamePoint&) = default;
};

// One decision of a game, judged against perfect play.
struct JudgedDecision {
    GamePoint before;        // where the game stood
    Action chosen;           // what the player did, with its value and loss
    Action best;             // the best there was
    double expectedFinal = 0; // the expected final score after the choice
};

// A game judged decision by decision.
struct Judgement {
    // A game touched by the cheat mode is beyond any rule: nothing is judged.
    bool judged = true;
    bool assisted = false;
    std::vector<JudgedDecision> decisions;
    GamePoint now;                 // where the game stands after the record
    double expectedAtStart = 0;    // the expected final score of perfect play
    double totalLoss = 0;
    double meanLoss() const { return decisions.empty() ? 0 : totalLoss / static_cast<double>(decisions.size()); }
    // The share of decisions that lost nothing.
    double perfectShare() const;
};

// Losses below this are equal values told apart by rounding alone.
inline constexpr double kNoLoss = 1e-9;

// Judges every decision of the record: each throw after the first of a
// turn (the dice kept for it), each box scored.
Judgement judge(const GameRecord& record, const Strategy& strategy);

// Where a record leaves its game: the point of its next decision.
GamePoint pointOf(const GameRecord& record);

// Where a record's game stood at the start of each of its turns, from the
// empty sheet, and once over at its end: one more than its boxes scored.
std::vector<GamePoint> turnStartsOf(const GameRecord& record);

// The actions open at a point of a game, best first; none once it is over.
std::vector<Action> actionsAt(const GamePoint& point, const Strategy& strategy);

// The expected final score of perfect play from a point.
double expectedFinal(const GamePoint& point, const Strategy& strategy);

} // namespace daxo::solver
