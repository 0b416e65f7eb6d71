#include "table_chances.h"

#include "solver/opening_futures.h"
#include "solver/winning_play.h"

#include <algorithm>
#include <bit>

namespace daxo {

TableChances::TableChances(const solver::Strategy& strategy, const solver::OpeningFutures* openings)
    : futures_(strategy, openings)
{
}

namespace {

bool farEnough(const Opponent& player, bool readsOpenings)
{
    return readsOpenings || std::popcount(player.point.position.used) >= TableChances::kBoxesScoredFirst;
}

} // namespace

bool TableChances::farEnough(std::span<const Opponent> players) const
{
    return !players.empty() && std::ranges::all_of(players, [this](const Opponent& player) {
        return daxo::farEnough(player, futures_.readsOpenings());
    });
}

std::optional<std::vector<solver::WinChance>> TableChances::at(std::span<const Opponent> players)
{
    // The players far enough are worked out even while another is not, so
    // that the chances come quickly once the last of them is.
    std::vector<solver::PointsDistribution> finals;
    futures_.forgetAllBut(players);
    for (const Opponent& player : players) {
        if (daxo::farEnough(player, futures_.readsOpenings()))
            finals.push_back(solver::finalTotal(player.point, futures_.of(player.level)));
    }
    if (!farEnough(players))
        return std::nullopt;
    return solver::winChances(finals);
}

std::optional<std::vector<double>> TableChances::afterActions(std::span<const Opponent> players, std::size_t inPlay,
                                                              std::span<const solver::Action> actions)
{
    if (inPlay >= players.size() || !farEnough(players))
        return std::nullopt;
    std::vector<Opponent> others(players.begin(), players.end());
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(inPlay));
    return chancesAfter(players[inPlay].point, actions, others, futures_);
}

void TableChances::prepareTurn(const Opponent& player, std::stop_token stop)
{
    if (futures_.readsOpenings() && std::popcount(player.point.position.used) >= solver::OpeningFutures::kBoxesScored)
        futures_.of(player.level).workOutTurnFrom(player.point.position, stop);
}

void TableChances::prepareNextTurn(const Opponent& player, std::stop_token stop)
{
    if (positionsKnown() < kMostKeptAhead)
        prepareTurn(player, stop);
}

} // namespace daxo
