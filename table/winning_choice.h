#pragma once

#include "level_futures.h"
#include "opponent.h"
#include "solver/game_analysis.h"

#include <atomic>
#include <span>
#include <thread>
#include <vector>

namespace daxo {

// The chance of winning after each of `actions` at `point`, the action then
// perfect play, against the others' final totals as each of them plays.
std::vector<double> chancesAfter(const solver::GamePoint& point, std::span<const solver::Action> actions,
                                 std::span<const Opponent> others, LevelFutures& futures);

// How a computer that plays to win decides: of the engine's actions, the one
// with the best chance of winning against the others' final totals (the
// action, then perfect play), the best expected score among equal chances.
class WinningChoice {
public:
    // How long a step may take. Unhurried, a step works out whatever its
    // chances need, up to the whole of what is left of the game. Quick, as
    // at the table, a step works out at once only what its last turns need,
    // some milliseconds: before them, what the chances need and is not at
    // hand (the openings hold a game's first turns) is worked out on a
    // thread of its own, and until it is done, the step plays perfect
    // play's action. Without the openings, the quick choice plays perfect
    // play's until its fifth turn, whose futures are each a game's last
    // eight.
    enum class Pace { Unhurried, Quick };

    // The turns left, this one included, that a quick step works out at once.
    static constexpr int kTurnsWorkedOutAtOnce = 5;

    // The positions worked out that a table keeps from game to game: about
    // 100 MB of distributions.
    static constexpr std::size_t kMostPositionsKept = 120000;

    // The strategy, and the openings if any, must outlive the choice.
    WinningChoice(const solver::Strategy& strategy, const solver::OpeningFutures* openings, Pace pace);

    // `actions` as the engine ranks them at `point`.
    const solver::Action& choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                 std::span<const Opponent> others);

    // What the steps have worked out; stops the thread first.
    std::size_t positionsKnown();

private:
    // A future a step needs: from a position, under a level's play.
    struct Needed {
        const Level* level; // nullptr: perfect play
        solver::Position position;
    };
    // What the chances at a decision from `mine` need and is not at hand.
    std::vector<Needed> notAtHand(const solver::Position& mine, std::span<const Opponent> others);
    void workOutAhead(std::vector<Needed> needed);
    // Stops the thread, if any, at once, and joins it.
    void settle();

    Pace pace_;
    LevelFutures futures_; // kept while the choice lives; the thread's alone while it runs
    std::atomic<bool> aheadDone_ = false;
    std::jthread worker_; // stopped and joined first, before what it works on goes
};

} // namespace daxo
