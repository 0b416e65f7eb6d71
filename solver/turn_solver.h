#pragma once

#include "dice_sets.h"
#include "position.h"

#include <array>
#include <memory>
#include <span>
#include <vector>

namespace daxo::solver {

// How one turn looks from one position, as advice needs it.
struct TurnValues {
    // The expected points to come at the start of the turn, from perfect
    // play (the first throw, or a box scored before it).
    double start = 0;
    // What throwing the first time is worth, before any box is scored.
    double firstThrow = 0;
    // What scoring each box is worth for each outcome: its score, any bonus
    // it banks and the turns after it. Indexed by outcome set and box;
    // boxes already used hold nothing meaningful.
    std::vector<std::array<double, 12>> scoring; // by set, outcomes only
    // Keeping a set of dice and throwing the others: with two throws left
    // (after the first throw) and with one.
    std::vector<double> keepWithTwoLeft; // by set
    std::vector<double> keepWithOneLeft; // by set
    // Scoring each free box before the first throw.
    std::array<double, 12> scoringBeforeThrowing{};
};

// Works out turns: the expected points to come from the start of a turn,
// given the values of the positions after it. The states of one box set go
// through the turn side by side, as lanes of the same arithmetic; a solver
// holds the scratch space for one thread.
class TurnSolver {
public:
    // Lanes worked out at once.
    static constexpr int kLanes = 32;

    TurnSolver();
    ~TurnSolver();
    TurnSolver(const TurnSolver&) = delete;
    TurnSolver& operator=(const TurnSolver&) = delete;

    // Writes into `table` the turn-start values of lanes first to
    // first + count - 1 (at most kLanes) of box set `mask`, reading from it
    // the values of the box sets with one box more.
    void solveLanes(unsigned mask, int first, int count, std::span<double> table);

    // The whole turn from one position, as advice needs it.
    TurnValues solveOne(const Position& position, std::span<const double> table);

private:
    struct Scratch;
    void prepareScoring(unsigned mask, int first, int count, std::span<const double> table);
    void levels(unsigned mask, int count, std::vector<double>* keepWithOneLeft, std::vector<double>* keepWithTwoLeft);
    double startValue(unsigned mask, int lane) const;

    std::unique_ptr<Scratch> scratch_;
};

} // namespace daxo::solver
