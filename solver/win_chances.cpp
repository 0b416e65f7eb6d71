#include "win_chances.h"

#include <algorithm>

namespace daxo::solver {

std::vector<WinChance> winChances(std::span<const PointsDistribution> finals)
{
    std::vector<WinChance> chances(finals.size());
    int most = 0;
    for (const PointsDistribution& final : finals)
        most = std::max(most, final.most());
    for (std::size_t player = 0; player < finals.size(); ++player) {
        WinChance& chance = chances[player];
        for (int total = 0; total <= most; ++total) {
            const double here = finals[player].chance(total);
            if (here <= 0)
                continue;
            // tied[k]: the chance that exactly k others end on this total
            // and all the rest below it.
            std::vector<double> tied{1.0};
            for (std::size_t other = 0; other < finals.size(); ++other) {
                if (other == player)
                    continue;
                const double below = finals[other].below(total);
                const double equal = finals[other].chance(total);
                std::vector<double> next(tied.size() + 1, 0.0);
                for (std::size_t k = 0; k < tied.size(); ++k) {
                    next[k] += tied[k] * below;
                    next[k + 1] += tied[k] * equal;
                }
                tied = std::move(next);
            }
            for (std::size_t k = 0; k < tied.size(); ++k) {
                chance.win += here * tied[k] / static_cast<double>(k + 1);
                if (k > 0)
                    chance.shared += here * tied[k];
            }
        }
    }
    return chances;
}

} // namespace daxo::solver
