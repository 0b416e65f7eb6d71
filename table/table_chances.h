#pragma once

#include "level_futures.h"
#include "winning_choice.h"
#include "solver/win_chances.h"

#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace daxo {

// Every player's chance of winning from where the table stands: each one's
// final total under their way of playing (a human's under perfect play
// from there), their futures independent of one another. A game's first
// positions are read from the openings the package holds, the others
// worked out exactly as they come; what it works out serves the next
// positions of the game. Without the openings, the chances wait until
// every player has scored enough boxes that what is left of their games
// takes a fraction of a second.
class TableChances {
public:
    // Without the openings, the boxes each player must have scored before
    // the chances are worked out: from there a position takes a few milliseconds on
    // average, under 0.3 s at the 99th percentile and about a second at
    // the most (the first after a player's sixth box, whose future comes
    // from nothing), and the distributions kept stay within some tens of
    // megabytes (bench/chances_bench). A box earlier, the first ones take
    // up to 1.5 s.
    static constexpr int kBoxesScoredFirst = 6;

    // The strategy, and the openings if any, must outlive the chances.
    explicit TableChances(const solver::Strategy& strategy, const solver::OpeningFutures* openings = nullptr);

    // The players' chances in their order, or nothing while some player
    // is too early in their game.
    std::optional<std::vector<solver::WinChance>> at(std::span<const Opponent> players);

    // The chance of winning of `players[inPlay]` after each of `actions`
    // at their point, the action then perfect play (a human's choices as
    // the coach weighs them), or nothing while some player is too early in
    // their game.
    std::optional<std::vector<double>> afterActions(std::span<const Opponent> players, std::size_t inPlay,
                                                    std::span<const solver::Action> actions);

    // Works out, until stopped, what the chances after the throws of this
    // player's turn need, while the board waits for its first: a turn
    // beyond the openings needs what is left of the player's game.
    void prepareTurn(const Opponent& player, std::stop_token stop);
    // The same for the player after the one in play, ahead of their turn,
    // while the chances keep fewer than kMostKeptAhead positions: a fifth
    // turn's futures are the most a game keeps, and two of them besides the
    // rest at a table of six would take more room than the chances may.
    static constexpr std::size_t kMostKeptAhead = 60000;
    void prepareNextTurn(const Opponent& player, std::stop_token stop);

    std::size_t positionsKnown() const { return futures_.positionsKnown(); }

private:
    bool farEnough(std::span<const Opponent> players) const;

    LevelFutures futures_;
};

} // namespace daxo
