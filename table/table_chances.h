#pragma once

#include "level_futures.h"
#include "winning_choice.h"
#include "solver/win_chances.h"

#include <optional>
#include <span>
#include <vector>

namespace daxo {

// Every player's chance of winning from where the table stands, exactly:
// each one's final total under their way of playing (a human's under
// perfect play from there), their futures independent of one another.
// Worked out live once every player has scored enough boxes that what is
// left of their games takes a fraction of a second; what it works out
// serves the next positions of the game.
class TableChances {
public:
    // The boxes each player must have scored before the chances are
    // worked out: from there, a table of six takes about a tenth of a
    // second a position on two cores, and the distributions kept stay
    // within some tens of megabytes.
    static constexpr int kBoxesScoredFirst = 5;

    // The strategy must outlive the chances.
    explicit TableChances(const solver::Strategy& strategy);

    // The players' chances in their order, or nothing while some player
    // is too early in their game.
    std::optional<std::vector<solver::WinChance>> at(std::span<const Opponent> players);

    std::size_t positionsKnown() const { return futures_.positionsKnown(); }

private:
    LevelFutures futures_;
};

} // namespace daxo
