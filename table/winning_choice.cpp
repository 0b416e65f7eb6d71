#include "winning_choice.h"

#include "solver/opening_futures.h"
#include "solver/winning_play.h"

#include <bit>

namespace daxo {

std::vector<double> chancesAfter(const solver::GamePoint& point, std::span<const solver::Action> actions,
                                 std::span<const Opponent> others, LevelFutures& futures)
{
    std::vector<solver::PointsDistribution> theirs;
    for (const Opponent& other : others)
        theirs.push_back(solver::finalTotal(other.point, futures.of(other.level)));
    const solver::WinShares shares(theirs);
    return solver::worthAfter(point, actions, futures.of(nullptr),
                              [&](const solver::PointsDistribution& toCome, int banked) {
                                  return shares.chanceOfWinning(toCome, banked);
                              });
}

WinningChoice::WinningChoice(const solver::Strategy& strategy, const solver::OpeningFutures* openings, Pace pace)
    : pace_(pace), futures_(strategy, openings)
{
}

std::size_t WinningChoice::positionsKnown()
{
    settle();
    return futures_.positionsKnown();
}

const solver::Action& WinningChoice::choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                            std::span<const Opponent> others)
{
    if (actions.size() <= 1 || others.empty())
        return actions.front();
    if (pace_ == Pace::Quick) {
        const int scored = std::popcount(point.position.used);
        const bool last = solver::kBoxCount - scored <= kTurnsWorkedOutAtOnce;
        // The thread works on the futures themselves: while it does, a
        // step leaves them alone, but for the last turns, which stop it
        // at once and go on from what it has.
        if (worker_.joinable()) {
            if (!aheadDone_ && !last)
                return actions.front();
            settle();
        }
        if (!last) {
            std::vector<Needed> needed = notAtHand(point.position, others);
            if (!needed.empty()) {
                if (futures_.readsOpenings() || scored >= solver::OpeningFutures::kBoxesScored)
                    workOutAhead(std::move(needed));
                return actions.front();
            }
        }
    }
    return actions[solver::bestChance(chancesAfter(point, actions, others, futures_))];
}

std::vector<WinningChoice::Needed> WinningChoice::notAtHand(const solver::Position& mine,
                                                            std::span<const Opponent> others)
{
    std::vector<Needed> needed;
    for (const solver::Position& after : solver::positionsAfterTurn(mine)) {
        if (!futures_.of(nullptr).knows(after))
            needed.push_back({nullptr, after});
    }
    for (const Opponent& other : others) {
        if (!futures_.of(other.level).knows(other.point.position))
            needed.push_back({other.level, other.point.position});
    }
    return needed;
}

void WinningChoice::workOutAhead(std::vector<Needed> needed)
{
    aheadDone_ = false;
    worker_ = std::jthread([this, needed = std::move(needed)](std::stop_token stop) {
        for (const auto& [level, position] : needed) {
            if (!futures_.of(level).workOut(position, stop))
                return;
        }
        aheadDone_ = true;
    });
}

void WinningChoice::settle()
{
    worker_.request_stop();
    if (worker_.joinable())
        worker_.join();
}

} // namespace daxo
