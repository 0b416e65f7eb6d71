#pragma once

#include "future_scores.h"

#include <optional>
#include <span>
#include <vector>

namespace daxo::solver {

// A player's chances at the end of a game.
struct WinChance {
    double win = 0;      // equal totals at the top share the win equally
    double shared = 0;   // of ending first with another, or several
    double expected = 0; // the final total's mean
};

// What each final total wins against the others' final totals, their
// futures independent of the player's: the whole win above them all, a
// share of it tied at the top with others (1/k among k), nothing below,
// averaged over what the others may still score.
class WinShares {
public:
    explicit WinShares(std::span<const PointsDistribution> others);

    // The chances of winning, and of a first place shared, of a player
    // whose final total has this distribution.
    double chanceOfWinning(const PointsDistribution& final) const { return chanceOfWinning(final, 0); }
    // The same of a final total of `banked` and then these points to come.
    double chanceOfWinning(const PointsDistribution& toCome, int banked) const;
    double chanceOfSharing(const PointsDistribution& final) const;

private:
    // By total: the share of the win, and the chance that another ends on
    // it with all the rest below; every total beyond the last wins whole.
    std::vector<double> shares_, tiedAtTop_;
};

// The chances of each of the players whose final totals have these
// distributions, their futures independent of one another: the chance that
// each one's total beats every other's, a first place shared counting its
// share, and the total each can expect. The wins sum to 1.
std::vector<WinChance> winChances(std::span<const PointsDistribution> finals);

// A point of a table's game: every player's chance of winning once a
// player's turn is over, or at the start.
struct CourseStep {
    int seat = -1; // whose turn it was, -1 at the start
    int turn = 0;  // its number, 1 to 12; 0 at the start
    std::vector<double> chances; // by seat
};

// A table's game turn by turn, as far as it went, and its winner once over
// if one player has the best total alone.
struct TableCourse {
    std::vector<CourseStep> steps;
    std::optional<std::size_t> winner;
    // The step where the winner's chance rose most: where the game was won.
    std::optional<std::size_t> winningStep() const;
};

// Of actions ranked by expected score, the one with the best chance of
// winning: the first of the best, a later one taking the lead only with a
// chance better by more than rounding, so that among equal chances the
// best expected score wins.
std::size_t bestChance(std::span<const double> chances);

} // namespace daxo::solver
