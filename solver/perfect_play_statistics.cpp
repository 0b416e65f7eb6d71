#include "perfect_play_statistics.h"

#include "simulation.h"

namespace daxo::solver {

std::optional<PerfectPlayStatistics> simulatePerfectPlay(const Strategy& strategy, int games, std::uint64_t seed,
                                                         std::stop_token stop)
{
    PerfectPlayStatistics statistics;
    std::mt19937_64 random(seed);
    std::array<double, kBoxCount> sums{};
    double total = 0;
    int bonuses = 0;
    for (int game = 0; game < games; ++game) {
        if (stop.stop_requested())
            return std::nullopt;
        const PlayedGame played = playPerfectly(strategy, random);
        for (std::size_t box = 0; box < sums.size(); ++box)
            sums[box] += played.scores[box];
        bonuses += played.bonus > 0;
        total += played.total;
        statistics.totals.push_back(played.total);
    }
    statistics.games = games;
    if (games > 0) {
        for (std::size_t box = 0; box < sums.size(); ++box)
            statistics.boxMeans[box] = sums[box] / games;
        statistics.bonusRate = static_cast<double>(bonuses) / games;
        statistics.mean = total / games;
    }
    return statistics;
}

} // namespace daxo::solver
