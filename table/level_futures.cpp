#include "level_futures.h"

namespace daxo {

LevelFutures::LevelFutures(const solver::Strategy& strategy) : strategy_(strategy) {}

solver::FutureScores& LevelFutures::of(const Level* level)
{
    const double temperature = level && !level->playsToWin ? level->temperature : 0.0;
    return scores_.try_emplace(temperature, strategy_, solver::Policy{temperature}).first->second;
}

std::size_t LevelFutures::positionsKnown() const
{
    std::size_t known = 0;
    for (const auto& [temperature, scores] : scores_)
        known += scores.positionsKnown();
    return known;
}

} // namespace daxo
