#pragma once

#include "turn_endings.h"

#include <optional>
#include <span>
#include <stop_token>
#include <unordered_map>
#include <utility>
#include <vector>

namespace daxo::solver {

// The chances of each number of points: chance(n) for n = 0, 1, 2, ...
class PointsDistribution {
public:
    PointsDistribution() = default;
    explicit PointsDistribution(std::vector<double> chances) : chances_(std::move(chances)) {}
    // Certainly `points`.
    static PointsDistribution certainly(int points);

    double chance(int points) const;
    // The chance of fewer than `points`.
    double below(int points) const;
    int most() const { return static_cast<int>(chances_.size()) - 1; }
    double mean() const;

    // Adds `weight` times this distribution moved up by `points`.
    void addShifted(const PointsDistribution& other, int points, double weight);
    // Gives back the room its growing left over, for one that is kept.
    void shrink() { chances_.shrink_to_fit(); }

private:
    std::vector<double> chances_;
};

class OpeningFutures;

// The points still to come from each position between turns, as a
// distribution, for a player who decides by `policy` with the engine's
// values: worked out exactly from the ways each turn ends, each position
// once and kept; those of a game's first turns read from `openings` when
// they hold the policy.
class FutureScores {
public:
    // The strategy, and the openings if any, must outlive this object; the
    // strategy must cover every position asked.
    FutureScores(const Strategy& strategy, Policy policy, const OpeningFutures* openings = nullptr);

    const PointsDistribution& toCome(const Position& position);
    // From dice shown within a turn, with `throwsLeft` throws left.
    PointsDistribution toComeAfterThrow(const Position& position, const FaceCounts& dice, int throwsLeft);
    // From a turn that ends in one of these ways: its box and any bonus it
    // banks, then the turns after it.
    PointsDistribution toComeAfter(const Position& position, const std::vector<TurnEnding>& endings);

    std::size_t positionsKnown() const { return known_.size(); }
    // Whether the future from `position` is at hand, worked out or read.
    bool knows(const Position& position) const;
    // Works out the future from `position` until stopped; whether it is
    // whole.
    bool workOut(const Position& position, std::stop_token stop);
    // Works out the futures of every way the turn from `position` can end,
    // ahead of its throws, until stopped.
    void workOutTurnFrom(const Position& position, std::stop_token stop);
    // Lets go of the positions that follow none of these box sets: those
    // that the players at them can no longer reach.
    void forgetAllBut(std::span<const unsigned> boxSets);
    const Strategy& strategy() const { return strategy_; }
    const Policy& policy() const { return policy_; }

private:
    // The future from `position`, worked out as far as needed; nothing
    // once stopped.
    const PointsDistribution* reckon(const Position& position, std::stop_token stop);
    std::optional<PointsDistribution> reckonAfter(const Position& position, const std::vector<TurnEnding>& endings,
                                                  std::stop_token stop);

    const Strategy& strategy_;
    Policy policy_;
    const OpeningFutures* openings_;
    std::unordered_map<std::size_t, PointsDistribution> known_; // by state
};

} // namespace daxo::solver
