#include "level_futures.h"

#include "winning_choice.h"

namespace daxo {

LevelFutures::LevelFutures(const solver::Strategy& strategy, const solver::OpeningFutures* openings)
    : strategy_(strategy), openings_(openings)
{
}

solver::FutureScores& LevelFutures::of(const Level* level)
{
    return at(reckonedTemperature(level));
}

solver::FutureScores& LevelFutures::at(double temperature)
{
    return scores_.try_emplace(temperature, strategy_, solver::Policy{temperature}, openings_).first->second;
}

void LevelFutures::adopt(LevelFutures&& other)
{
    for (auto& [temperature, scores] : other.scores_)
        at(temperature).adopt(std::move(scores));
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
