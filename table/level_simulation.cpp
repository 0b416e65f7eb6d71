#include "level_simulation.h"

#include "computer_choice.h"
#include "solver/outcome_scores.h"

#include <atomic>
#include <cmath>
#include <thread>

namespace daxo {
namespace {

using solver::Action;
using solver::FaceCounts;

FaceCounts rethrow(FaceCounts kept, std::mt19937_64& random)
{
    int count = 0;
    for (const std::uint8_t n : kept)
        count += n;
    for (; count < solver::kDiceCount; ++count)
        ++kept[static_cast<std::size_t>(std::uniform_int_distribution<int>(1, 6)(random) - 1)];
    return kept;
}

// What the engine offers before a turn's first throw: the throw, or a free
// box scored for nothing.
std::vector<Action> beforeThrowing(const solver::Position& position, const solver::TurnValues& turn)
{
    std::vector<Action> actions{{.kind = Action::Kind::Throw, .value = turn.firstThrow}};
    for (int b = 0; b < solver::kBoxCount; ++b) {
        if (!(position.used & (1u << b)))
            actions.push_back({.kind = Action::Kind::Score, .box = static_cast<solver::Box>(b),
                               .value = turn.scoringBeforeThrowing[static_cast<std::size_t>(b)]});
    }
    solver::rank(actions);
    return actions;
}

} // namespace

LevelGame playAtLevel(const solver::Strategy& strategy, const Level& level, std::mt19937_64& random)
{
    const solver::DiceSets& sets = solver::DiceSets::instance();
    std::uniform_real_distribution<double> draw(0, 1);
    LevelGame game;
    solver::Position position;
    while (position.used != solver::kAllBoxes) {
        const solver::TurnValues turn = strategy.turn(position);
        const Action first = chooseAction(beforeThrowing(position, turn), level, draw(random));
        // A box scored blind scores the empty dice: nothing.
        std::optional<solver::Box> scored;
        FaceCounts dice{};
        if (first.kind == Action::Kind::Score) {
            game.loss += first.loss;
            ++game.decisions;
            scored = first.box;
        } else {
            dice = rethrow({}, random);
            for (int throwsLeft = 2; !scored; --throwsLeft) {
                const Action taken =
                    chooseAction(solver::actionsAfterThrow(position, turn, dice, throwsLeft), level, draw(random));
                game.loss += taken.loss;
                ++game.decisions;
                if (taken.kind == Action::Kind::Keep)
                    dice = rethrow(taken.kept, random);
                else
                    scored = taken.box;
            }
        }
        const solver::OutcomeScore nothing{};
        const int points = first.kind == Action::Kind::Score
                               ? solver::scoreOf(*scored, nothing, position)
                               : solver::scoreOf(*scored, solver::outcomeScores()[static_cast<std::size_t>(sets.indexOf(dice))],
                                                 position);
        const solver::Scored after = solver::afterScoring(position, *scored, points);
        game.total += points + after.bonus;
        position = after.position;
    }
    return game;
}

namespace {

// Plays game 0 to games - 1 by `play`, each with the dice of its own seed,
// shared among the threads.
template <typename Played, typename Play>
std::vector<Played> playEach(int games, std::uint64_t seed, int threads, Play&& play)
{
    std::vector<Played> played(static_cast<std::size_t>(std::max(games, 0)));
    std::atomic<int> next{0};
    auto work = [&] {
        for (int g = next++; g < games; g = next++) {
            std::mt19937_64 random(seed + static_cast<std::uint64_t>(g) * 0x9e3779b97f4a7c15ull);
            played[static_cast<std::size_t>(g)] = play(random);
        }
    };
    std::vector<std::jthread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    return played;
}

} // namespace

LevelFigures simulateLevel(const solver::Strategy& strategy, const Level& level, int games, std::uint64_t seed,
                           int threads)
{
    const std::vector<LevelGame> played = playEach<LevelGame>(
        games, seed, threads, [&](std::mt19937_64& random) { return playAtLevel(strategy, level, random); });
    LevelFigures figures;
    figures.games = games;
    if (games == 0)
        return figures;
    double sum = 0, squares = 0, loss = 0;
    long decisions = 0;
    for (const LevelGame& game : played) {
        sum += game.total;
        squares += static_cast<double>(game.total) * game.total;
        loss += game.loss;
        decisions += game.decisions;
    }
    const double n = games;
    figures.mean = sum / n;
    figures.deviation = games > 1 ? std::sqrt(std::max(0.0, (squares - n * figures.mean * figures.mean) / (n - 1))) : 0;
    figures.standardError = figures.deviation / std::sqrt(n);
    figures.meanLoss = decisions > 0 ? loss / static_cast<double>(decisions) : 0;
    return figures;
}

HeadToHead simulateHeadToHead(const solver::Strategy& strategy, const Level& level, const Level& against, int games,
                              std::uint64_t seed, int threads)
{
    // -1 lost, 0 tied, 1 won.
    const std::vector<int> played = playEach<int>(games, seed, threads, [&](std::mt19937_64& random) {
        const int mine = playAtLevel(strategy, level, random).total;
        const int theirs = playAtLevel(strategy, against, random).total;
        return (mine > theirs) - (mine < theirs);
    });
    HeadToHead result{.games = games};
    for (const int outcome : played)
        (outcome > 0 ? result.wins : outcome < 0 ? result.losses : result.ties) += 1.0 / std::max(games, 1);
    return result;
}

} // namespace daxo
