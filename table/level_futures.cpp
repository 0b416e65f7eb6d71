#include "level_futures.h"

#include "winning_choice.h"

namespace daxo {

LevelFutures::LevelFutures(const solver::Strategy& strategy, const solver::OpeningFutures* openings)
    : strategy_(strategy), openings_(openings)
{
}

solver::FutureScores& LevelFutures::of(const Level* level)
{
    const double temperature = reckonedTemperature(level);
    return scores_.try_emplace(temperature, strategy_, solver::Policy{temperature}, openings_).first->second;
}

void LevelFutures::forgetAllBut(std::span<const Opponent> players)
{
    for (auto& [temperature, scores] : scores_) {
        std::vector<unsigned> boxSets;
        for (const Opponent& player : players) {
            if (reckonedTemperature(player.level) == temperature)
                boxSets.push_back(player.point.position.used);
        }
        scores.forgetAllBut(boxSets);
    }
}

std::size_t LevelFutures::positionsKnown() const
{
    std::size_t known = 0;
    for (const auto& [temperature, scores] : scores_)
        known += scores.positionsKnown();
    return known;
}

} // namespace daxo
