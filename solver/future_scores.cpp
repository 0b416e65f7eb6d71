#include "future_scores.h"

#include "opening_futures.h"
#include "state_space.h"

#include <algorithm>
#include <bit>

namespace daxo::solver {

PointsDistribution PointsDistribution::certainly(int points)
{
    PointsDistribution d;
    d.chances_.assign(static_cast<std::size_t>(points) + 1, 0.0);
    d.chances_.back() = 1.0;
    return d;
}

double PointsDistribution::chance(int points) const
{
    return points >= 0 && points <= most() ? chances_[static_cast<std::size_t>(points)] : 0.0;
}

double PointsDistribution::below(int points) const
{
    double sum = 0;
    for (int n = 0; n < points && n <= most(); ++n)
        sum += chances_[static_cast<std::size_t>(n)];
    return sum;
}

double PointsDistribution::mean() const
{
    double sum = 0;
    for (int n = 0; n <= most(); ++n)
        sum += n * chances_[static_cast<std::size_t>(n)];
    return sum;
}

void PointsDistribution::addShifted(const PointsDistribution& other, int points, double weight)
{
    const std::size_t size = static_cast<std::size_t>(other.most() + points + 1);
    if (chances_.size() < size)
        chances_.resize(size, 0.0);
    for (int n = 0; n <= other.most(); ++n)
        chances_[static_cast<std::size_t>(n + points)] += weight * other.chances_[static_cast<std::size_t>(n)];
}

FutureScores::FutureScores(const Strategy& strategy, Policy policy, const OpeningFutures* openings)
    : strategy_(strategy), policy_(policy), openings_(openings)
{
}

const PointsDistribution& FutureScores::toCome(const Position& position) { return *reckon(position, {}); }

const PointsDistribution* FutureScores::reckon(const Position& position, std::stop_token stop)
{
    static const PointsDistribution nothingMore = PointsDistribution::certainly(0);
    if (position.used == kAllBoxes)
        return &nothingMore;
    const std::size_t state = StateSpace::instance().stateOf(position);
    if (const auto found = known_.find(state); found != known_.end())
        return &found->second;
    if (openings_) {
        if (std::optional<PointsDistribution> read = openings_->toCome(policy_, position))
            return &known_.emplace(state, std::move(*read)).first->second;
    }
    if (stop.stop_requested())
        return nullptr;
    std::optional<PointsDistribution> points = reckonAfter(position, turnEndings(position, strategy_.turn(position), policy_), stop);
    if (!points)
        return nullptr;
    points->shrink();
    return &known_.emplace(state, std::move(*points)).first->second;
}

bool FutureScores::knows(const Position& position) const
{
    return position.used == kAllBoxes || known_.contains(StateSpace::instance().stateOf(position)) ||
           (openings_ && openings_->holds(policy_) && std::popcount(position.used) <= OpeningFutures::kBoxesScored);
}

bool FutureScores::workOut(const Position& position, std::stop_token stop) { return reckon(position, stop) != nullptr; }

void FutureScores::workOutTurnFrom(const Position& position, std::stop_token stop)
{
    if (position.used == kAllBoxes)
        return; // a full sheet has no turn left: the board passes it on
    const TurnValues turn = strategy_.turn(position);
    for (const TurnEnding& ending : turnEndings(position, turn, policy_)) {
        if (!reckon(afterScoring(position, ending.box, ending.points).position, stop))
            return;
    }
}

void FutureScores::forgetAllBut(std::span<const unsigned> boxSets)
{
    const StateSpace& space = StateSpace::instance();
    std::erase_if(known_, [&](const auto& known) {
        const unsigned mask = space.maskOf(known.first);
        return std::ranges::none_of(boxSets, [mask](unsigned from) { return (mask & from) == from; });
    });
}

PointsDistribution FutureScores::toComeAfterThrow(const Position& position, const FaceCounts& dice, int throwsLeft)
{
    const TurnValues turn = strategy_.turn(position);
    return toComeAfter(position, turnEndingsAfterThrow(position, turn, dice, throwsLeft, policy_));
}

PointsDistribution FutureScores::toComeAfter(const Position& position, const std::vector<TurnEnding>& endings)
{
    return *reckonAfter(position, endings, {});
}

std::optional<PointsDistribution> FutureScores::reckonAfter(const Position& position, const std::vector<TurnEnding>& endings,
                                                            std::stop_token stop)
{
    PointsDistribution points;
    for (const TurnEnding& ending : endings) {
        const Scored after = afterScoring(position, ending.box, ending.points);
        const PointsDistribution* then = reckon(after.position, stop);
        if (!then)
            return std::nullopt;
        points.addShifted(*then, ending.points + after.bonus, ending.chance);
    }
    return points;
}

} // namespace daxo::solver
