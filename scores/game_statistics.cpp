#include "game_statistics.h"

#include <algorithm>
#include <cmath>

namespace daxo {

GameStatistics statisticsOf(const std::vector<StoredGame>& finished)
{
    GameStatistics statistics;
    double sum = 0;
    double squares = 0;
    int bonuses = 0;
    for (const StoredGame& game : finished) {
        if (game.cheated || !game.summary.finished())
            continue;
        const int score = game.summary.total;
        ++statistics.games;
        statistics.scores.push_back(score);
        statistics.best = std::max(statistics.best, score);
        sum += score;
        squares += static_cast<double>(score) * score;
        bonuses += game.summary.bonus > 0;
        for (std::size_t box = 0; box < statistics.boxMeans.size(); ++box)
            statistics.boxMeans[box] += game.summary.boxes[box].value_or(0);
        if (game.meanLoss)
            statistics.meanLosses.push_back(*game.meanLoss);
    }
    if (statistics.games == 0)
        return statistics;
    const double n = statistics.games;
    statistics.mean = sum / n;
    statistics.deviation = n > 1 ? std::sqrt(std::max(0.0, (squares - n * statistics.mean * statistics.mean) / (n - 1))) : 0;
    statistics.bonusRate = bonuses / n;
    for (double& mean : statistics.boxMeans)
        mean /= n;
    return statistics;
}

std::vector<int> histogram(const std::vector<int>& scores, int width, int bins)
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(bins, 0)), 0);
    if (counts.empty() || width <= 0)
        return counts;
    for (const int score : scores) {
        const int bin = std::clamp(score / width, 0, bins - 1);
        ++counts[static_cast<std::size_t>(bin)];
    }
    return counts;
}

} // namespace daxo
