#include "level_simulation.h"

#include "computer_choice.h"
#include "solver/outcome_scores.h"
#include "winning_choice.h"

#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <memory>
#include <optional>
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

// One player's game, turn by turn, each decision drawn as a computer of
// its level draws it at the table, or, for the level that plays to win,
// taken against the others' games as they stand.
class LevelPlayer {
public:
    LevelPlayer(const solver::Strategy& strategy, const Level& level) : strategy_(strategy), level_(level) {}

    bool over() const { return position_.used == solver::kAllBoxes; }
    const LevelGame& game() const { return game_; }
    const Level& level() const { return level_; }
    solver::GamePoint point() const
    {
        return {.position = position_, .scored = game_.total, .turn = std::popcount(position_.used) + 1};
    }

    void playTurn(std::mt19937_64& random, WinningChoice* winning, std::span<const Opponent> others)
    {
        const solver::DiceSets& sets = solver::DiceSets::instance();
        std::uniform_real_distribution<double> draw(0, 1);
        solver::GamePoint at = point();
        // Every decision draws its number, the one that plays to win too,
        // so that both see the same dice wherever they choose alike.
        const auto choose = [&](const std::vector<Action>& actions) -> const Action& {
            const double drawn = draw(random);
            if (level_.playsToWin && winning)
                return winning->choose(at, actions, others);
            return chooseAction(actions, level_, drawn);
        };
        const solver::TurnValues turn = strategy_.turn(position_);
        const Action first = choose(beforeThrowing(position_, turn));
        // A box scored blind scores the empty dice: nothing.
        std::optional<solver::Box> scored;
        FaceCounts dice{};
        if (first.kind == Action::Kind::Score) {
            game_.loss += first.loss;
            ++game_.decisions;
            scored = first.box;
        } else {
            dice = rethrow({}, random);
            for (int throwsLeft = 2; !scored; --throwsLeft) {
                at.throwsMade = 3 - throwsLeft;
                at.dice = dice;
                const Action taken = choose(solver::actionsAfterThrow(position_, turn, dice, throwsLeft));
                game_.loss += taken.loss;
                ++game_.decisions;
                if (taken.kind == Action::Kind::Keep)
                    dice = rethrow(taken.kept, random);
                else
                    scored = taken.box;
            }
        }
        const solver::OutcomeScore nothing{};
        const int points = first.kind == Action::Kind::Score
                               ? solver::scoreOf(*scored, nothing, position_)
                               : solver::scoreOf(*scored, solver::outcomeScores()[static_cast<std::size_t>(sets.indexOf(dice))],
                                                 position_);
        const solver::Scored after = solver::afterScoring(position_, *scored, points);
        game_.total += points + after.bonus;
        position_ = after.position;
    }

private:
    const solver::Strategy& strategy_;
    const Level& level_;
    solver::Position position_;
    LevelGame game_;
};

} // namespace

LevelGame playAtLevel(const solver::Strategy& strategy, const Level& level, std::mt19937_64& random)
{
    LevelPlayer player(strategy, level);
    while (!player.over())
        player.playTurn(random, nullptr, {});
    return player.game();
}

namespace {

// Plays game 0 to games - 1 by `play`, each with the dice of its own seed,
// shared among the threads; `play` is told the game's number, and is
// copied for each thread, with what it keeps between games.
template <typename Played, typename Play>
std::vector<Played> playEach(int games, std::uint64_t seed, int threads, const Play& play)
{
    std::vector<Played> played(static_cast<std::size_t>(std::max(games, 0)));
    std::atomic<int> next{0};
    auto work = [&] {
        Play mine = play;
        for (int g = next++; g < games; g = next++) {
            std::mt19937_64 random(seed + static_cast<std::uint64_t>(g) * 0x9e3779b97f4a7c15ull);
            played[static_cast<std::size_t>(g)] = mine(random, g);
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
        games, seed, threads, [&](std::mt19937_64& random, int) { return playAtLevel(strategy, level, random); });
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
    // Each game's outcome, -1 lost, 0 tied, 1 won, and the points of
    // `level`. The two play turn about, `level` first in the
    // even games; each thread keeps its own reckoning of the chances,
    // made on its first game (each thread's copy of the play starts empty).
    struct Play {
        const solver::Strategy* strategy;
        const Level* level;
        const Level* against;
        std::shared_ptr<WinningChoice> winning;
        std::pair<int, int> operator()(std::mt19937_64& random, int game)
        {
            if (!winning)
                winning = std::make_shared<WinningChoice>(*strategy, nullptr, WinningChoice::Pace::Unhurried);
            std::array players{LevelPlayer(*strategy, *level), LevelPlayer(*strategy, *against)};
            const std::size_t first = game % 2 == 0 ? 0 : 1;
            while (!players[1].over()) {
                for (const std::size_t seat : {first, 1 - first}) {
                    LevelPlayer& other = players[1 - seat];
                    const Opponent opponent{other.point(), &other.level()};
                    players[seat].playTurn(random, &*winning, std::span(&opponent, 1));
                }
            }
            const int mine = players[0].game().total;
            const int theirs = players[1].game().total;
            return std::pair((mine > theirs) - (mine < theirs), mine);
        }
    };
    const auto played = playEach<std::pair<int, int>>(games, seed, threads, Play{&strategy, &level, &against, {}});
    HeadToHead result{.games = games};
    for (const auto& [outcome, points] : played) {
        (outcome > 0 ? result.wins : outcome < 0 ? result.losses : result.ties) += 1.0 / std::max(games, 1);
        result.mean += static_cast<double>(points) / std::max(games, 1);
    }
    return result;
}

} // namespace daxo
