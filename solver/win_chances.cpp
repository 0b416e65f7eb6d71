#include "win_chances.h"

#include <algorithm>

namespace daxo::solver {

WinShares::WinShares(std::span<const PointsDistribution> others)
{
    int most = 0;
    for (const PointsDistribution& other : others)
        most = std::max(most, other.most());
    shares_.assign(static_cast<std::size_t>(most) + 1, 0.0);
    tiedAtTop_.assign(shares_.size(), 0.0);
    std::vector<double> below(others.size(), 0.0); // each other's chance of ending below the total
    for (int total = 0; total <= most; ++total) {
        // tied[k]: the chance that exactly k others end on this total and
        // all the rest below it.
        std::vector<double> tied{1.0};
        for (std::size_t other = 0; other < others.size(); ++other) {
            const double equal = others[other].chance(total);
            std::vector<double> next(tied.size() + 1, 0.0);
            for (std::size_t k = 0; k < tied.size(); ++k) {
                next[k] += tied[k] * below[other];
                next[k + 1] += tied[k] * equal;
            }
            tied = std::move(next);
            below[other] += equal;
        }
        const auto at = static_cast<std::size_t>(total);
        for (std::size_t k = 0; k < tied.size(); ++k) {
            shares_[at] += tied[k] / static_cast<double>(k + 1);
            if (k > 0)
                tiedAtTop_[at] += tied[k];
        }
    }
}

double WinShares::chanceOfWinning(const PointsDistribution& toCome, int banked) const
{
    double chance = 0;
    for (int points = 0; points <= toCome.most(); ++points) {
        const auto at = static_cast<std::size_t>(banked + points);
        chance += toCome.chance(points) * (at < shares_.size() ? shares_[at] : 1.0);
    }
    return chance;
}

double WinShares::chanceOfSharing(const PointsDistribution& final) const
{
    double chance = 0;
    for (int total = 0; total <= final.most() && total < static_cast<int>(tiedAtTop_.size()); ++total)
        chance += final.chance(total) * tiedAtTop_[static_cast<std::size_t>(total)];
    return chance;
}

std::vector<WinChance> winChances(std::span<const PointsDistribution> finals)
{
    std::vector<WinChance> chances;
    for (std::size_t player = 0; player < finals.size(); ++player) {
        std::vector<PointsDistribution> others(finals.begin(), finals.end());
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(player));
        const WinShares shares(others);
        chances.push_back({shares.chanceOfWinning(finals[player]), shares.chanceOfSharing(finals[player]),
                           finals[player].mean()});
    }
    return chances;
}

std::optional<std::size_t> TableCourse::winningStep() const
{
    if (!winner)
        return std::nullopt;
    std::optional<std::size_t> most;
    double rise = 0;
    for (std::size_t step = 1; step < steps.size(); ++step) {
        const double by = steps[step].chances[*winner] - steps[step - 1].chances[*winner];
        if (!most || by > rise) {
            most = step;
            rise = by;
        }
    }
    return most;
}

std::size_t bestChance(std::span<const double> chances)
{
    std::size_t first = 0;
    for (std::size_t i = 1; i < chances.size(); ++i) {
        if (chances[i] > chances[first] + 1e-12)
            first = i;
    }
    return first;
}

} // namespace daxo::solver
