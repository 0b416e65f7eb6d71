#include "table_chances.h"

#include "solver/opening_futures.h"
#include "solver/winning_play.h"

#include <bit>

namespace daxo {

TableChances::TableChances(const solver::Strategy& strategy, const solver::OpeningFutures* openings)
    : futures_(strategy, openings)
{
}

std::optional<std::vector<solver::WinChance>> TableChances::at(std::span<const Opponent> players)
{
    // The players far enough are worked out even while another is not, so
    // that the chances come quickly once the last of them is.
    std::vector<solver::PointsDistribution> finals;
    futures_.forgetAllBut(players);
    const int boxesFirst = futures_.readsOpenings() ? 0 : kBoxesScoredFirst;
    for (const Opponent& player : players) {
        if (std::popcount(player.point.position.used) >= boxesFirst)
            finals.push_back(solver::finalTotal(player.point, futures_.of(player.level)));
    }
    if (players.empty() || finals.size() < players.size())
        return std::nullopt;
    return solver::winChances(finals);
}

void TableChances::prepareTurn(const Opponent& player, std::stop_token stop)
{
    if (futures_.readsOpenings() && std::popcount(player.point.position.used) >= solver::OpeningFutures::kBoxesScored)
        futures_.of(player.level).workOutTurnFrom(player.point.position, stop);
}

} // namespace daxo
