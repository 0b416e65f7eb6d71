#pragma once

#include "levels.h"
#include "solver/future_scores.h"

#include <map>

namespace daxo {

// The points still to come under each level's way of playing, worked out
// as they are asked for and kept: a human's and a player to win's as
// perfect play's (nullptr for a human), a computer's under its level.
class LevelFutures {
public:
    // The strategy must outlive the futures.
    explicit LevelFutures(const solver::Strategy& strategy);

    solver::FutureScores& of(const Level* level);
    std::size_t positionsKnown() const;

private:
    const solver::Strategy& strategy_;
    std::map<double, solver::FutureScores> scores_; // by temperature
};

} // namespace daxo
