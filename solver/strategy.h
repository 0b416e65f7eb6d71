#pragma once

#include "dice_sets.h"
#include "position.h"
#include "turn_solver.h"

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace daxo::solver {

// One thing the player can do at a point of a turn.
struct Action {
    enum class Kind {
        Score, // score `box` with the dice shown
        Keep,  // keep the dice `kept` and throw the others
        Throw, // the first throw of the turn
    };
    Kind kind = Kind::Throw;
    Box box = Box::Ones;
    FaceCounts kept{};
    double value = 0; // expected points still to come, this turn's box and bonus included
    double loss = 0;  // against the best action
    friend bool operator==(const Action&, const Action&) = default;
};

// "score:Full", "keep:1 3 3" as "keep:133", "keep:-" to throw all five
// again, "throw" for the first throw.
std::string describe(const Action& action);

struct SolveOptions {
    int threads = 0;      // 0: one for each core
    unsigned within = 0;  // only the box sets holding these boxes: a sub-game
    // Told the share of the work done, from 0 to 1, as it goes.
    std::function<void(double)> progress = {};
    std::stop_token stop = {};
};

// Perfect play: the expected points still to come from every position
// between turns, worked out backwards from the last turn, and the value of
// every choice within a turn.
class Strategy {
public:
    // Nothing when stopped before the end.
    static std::optional<Strategy> solve(const SolveOptions& options = {});
    // The whole table as another run worked it out: nothing unless it has
    // a value for every state.
    static std::optional<Strategy> fromTable(std::vector<double> table);
    // The values by state, for keeping them between runs.
    const std::vector<double>& table() const { return table_; }
    bool isWhole() const { return within_ == 0; }

    std::size_t stateCount() const;
    // Whether the table covers this position (a sub-game covers only the
    // positions after its own).
    bool covers(const Position& position) const;

    // Between turns: the expected points still to come.
    double expectedToCome(const Position& position) const;
    // Before the first throw of a turn: throwing, or scoring a box for 0.
    std::vector<Action> adviseBeforeThrowing(const Position& position) const;
    // After a throw: each box, and each distinct set of the dice to keep,
    // best first. `throwsLeft` is 2 after the first throw, 1 after the
    // second, 0 after the third.
    std::vector<Action> advise(const Position& position, const FaceCounts& dice, int throwsLeft) const;

    // The whole turn from a position, for playing or judging many choices.
    TurnValues turn(const Position& position) const;

private:
    explicit Strategy(std::vector<double> table, unsigned within);

    std::vector<double> table_; // by state, see StateSpace
    unsigned within_ = 0;
};

// Ranks actions best first and fills in their losses.
void rank(std::vector<Action>& actions);

// The actions after a throw, from a turn already worked out: see
// Strategy::advise.
std::vector<Action> actionsAfterThrow(const Position& position, const TurnValues& turn, const FaceCounts& dice,
                                      int throwsLeft);

} // namespace daxo::solver
