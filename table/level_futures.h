#pragma once

#include "levels.h"
#include "solver/future_scores.h"

#include <map>
#include <span>

namespace daxo {

struct Opponent;

// The points still to come under each level's way of playing, worked out
// as they are asked for and kept: a human's and a player to win's as
// perfect play's (nullptr for a human), a computer's under its level.
class LevelFutures {
public:
    // The strategy, and the openings if any, must outlive the futures.
    explicit LevelFutures(const solver::Strategy& strategy, const solver::OpeningFutures* openings = nullptr);

    // Whether the first positions of a game are read rather than worked out.
    bool readsOpenings() const { return openings_ != nullptr; }

    solver::FutureScores& of(const Level* level);
    std::size_t positionsKnown() const;
    // Lets go of the futures that none of the players can reach any more.
    void forgetAllBut(std::span<const Opponent> players);

private:
    const solver::Strategy& strategy_;
    const solver::OpeningFutures* openings_;
    std::map<double, solver::FutureScores> scores_; // by temperature
};

} // namespace daxo
