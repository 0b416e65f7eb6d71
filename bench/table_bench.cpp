// Measures a computer's decision at the table once perfect play is worked
// out: each step of its turns (the engine's actions at the point of the
// game, one drawn at its level, done on the game), over whole games of a
// table of two computers.
//   table_bench [games]

#include "game/random_dice_source.h"
#include "table/computer_answers.h"
#include "table/table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace daxo;
using Clock = std::chrono::steady_clock;

// Confirms every box a computer chose to score for nothing, and plays no
// new game at the end: the bench starts each.
class Accepting final : public QuestionPort {
public:
    Answer ask(const Question& question) override
    {
        return question.title == "Attention !" || question.title == "Warning !" ? Answer::Yes : Answer::No;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const solver::Strategy strategy = *solver::Strategy::solve();
    RandomDiceSource dice(1);
    Accepting player;
    ComputerAnswers answers(player);
    Game game(dice, answers);
    Table table(game, {{.kind = Seat::Kind::Computer, .level = "beginner"},
                       {.kind = Seat::Kind::Computer, .level = "perfect"}});
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    std::vector<double> micros;
    for (int played = 0; played < games; ++played) {
        game.Nouveau_Click();
        while (!table.over()) {
            const auto start = Clock::now();
            table.playComputerStep(strategy);
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (const double step : micros)
        sum += step;
    std::printf("computer steps: %zu over %d games; mean %.1f us, median %.1f us, 99th percentile %.1f us, "
                "longest %.1f us\n",
                micros.size(), games, sum / static_cast<double>(micros.size()), micros[micros.size() / 2],
                micros[micros.size() * 99 / 100], micros.back());
    return 0;
}
