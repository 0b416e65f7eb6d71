#pragma once

#include "levels.h"
#include "solver/game_analysis.h"

namespace daxo {

// A player at the table as the others see them: where their game stands,
// within its turn too, and how they play (a human as perfect play).
struct Opponent {
    solver::GamePoint point;
    const Level* level = nullptr;
    friend bool operator==(const Opponent&, const Opponent&) = default;
};

} // namespace daxo
