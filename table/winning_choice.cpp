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
        if (solver::kBoxCount - scored > kTurnsWorkedOutAtOnce) {
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
    if (worker_.joinable())
        return; // the thread is at it; what it misses, the next step asks
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
