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
    : strategy_(strategy), openings_(openings), pace_(pace), futures_(strategy, openings)
{
}

std::size_t WinningChoice::positionsKnown() const { return futures_.positionsKnown(); }

const solver::Action& WinningChoice::choose(const solver::GamePoint& point, const std::vector<solver::Action>& actions,
                                            std::span<const Opponent> others)
{
    if (actions.size() <= 1 || others.empty())
        return actions.front();
    if (pace_ == Pace::Quick) {
        adoptWorkedOut();
        const int scored = std::popcount(point.position.used);
        const bool last = solver::kBoxCount - scored <= kTurnsWorkedOutAtOnce;
        if (!last && !atHand(point.position, others)) {
            if (futures_.readsOpenings() || scored >= solver::OpeningFutures::kBoxesScored)
                workOutAhead(point.position, others);
            return actions.front();
        }
    }
    return actions[solver::bestChance(chancesAfter(point, actions, others, futures_))];
}

bool WinningChoice::atHand(const solver::Position& mine, std::span<const Opponent> others)
{
    for (const solver::Position& after : solver::positionsAfterTurn(mine)) {
        if (!futures_.of(nullptr).knows(after))
            return false;
    }
    for (const Opponent& other : others) {
        if (!futures_.of(other.level).knows(other.point.position))
            return false;
    }
    return true;
}

void WinningChoice::workOutAhead(const solver::Position& mine, std::span<const Opponent> others)
{
    if (worker_.joinable())
        return; // the thread is at it; what it misses, the next asks
    std::vector<std::pair<const Level*, solver::Position>> needed;
    for (const solver::Position& after : solver::positionsAfterTurn(mine)) {
        if (!futures_.of(nullptr).knows(after))
            needed.emplace_back(nullptr, after);
    }
    for (const Opponent& other : others) {
        if (!futures_.of(other.level).knows(other.point.position))
            needed.emplace_back(other.level, other.point.position);
    }
    ahead_ = std::make_unique<LevelFutures>(strategy_, openings_);
    aheadDone_ = false;
    worker_ = std::jthread([this, needed = std::move(needed)](std::stop_token stop) {
        for (const auto& [level, position] : needed) {
            if (!ahead_->of(level).workOut(position, stop))
                return;
        }
        aheadDone_ = true;
    });
}

void WinningChoice::adoptWorkedOut()
{
    if (!worker_.joinable() || !aheadDone_)
        return;
    worker_.join();
    futures_.adopt(std::move(*ahead_));
    ahead_.reset();
}

} // namespace daxo
