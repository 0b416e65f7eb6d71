// Measures a computer's decision at the table once perfect play is worked
// out: each step of its turns (the engine's actions at the point of the
// game, one drawn at its level, done on the game), over whole games of a
// table of two computers, the first seat's steps measured, reading the
// first turns' futures from the openings when given, as the table does,
// and pausing between steps as a pace does when given one in milliseconds.
//   table_bench [games] [level] [against] [openings] [pause]

#include "accepting_port.h"
#include "game/random_dice_source.h"
#include "solver/opening_futures.h"
#include "table/computer_answers.h"
#include "table/table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace daxo;
using Clock = std::chrono::steady_clock;

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const std::string level = argc > 2 ? argv[2] : "beginner";
    const std::string against = argc > 3 ? argv[3] : "perfect";
    std::optional<solver::OpeningFutures> openings;
    if (argc > 4 && !(openings = solver::OpeningFutures::read(argv[4]))) {
        std::fprintf(stderr, "table_bench: %s holds no openings\n", argv[4]);
        return 1;
    }
    const std::chrono::milliseconds pause(argc > 5 ? std::max(0, std::atoi(argv[5])) : 0);
    const solver::Strategy strategy = *solver::Strategy::solve();
    RandomDiceSource dice(1);
    bench::Accepting player;
    ComputerAnswers answers(player);
    Game game(dice, answers);
    Table table(game, {{.kind = Seat::Kind::Computer, .level = level}, {.kind = Seat::Kind::Computer, .level = against}});
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    std::vector<double> micros;
    for (int played = 0; played < games; ++played) {
        game.Nouveau_Click();
        while (!table.over()) {
            const bool first = table.seatInPlay() == 0;
            const auto start = Clock::now();
            table.playComputerStep(strategy, openings ? &*openings : nullptr);
            if (first)
                micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            std::this_thread::sleep_for(pause);
        }
    }
    std::sort(micros.begin(), micros.end());
    double sum = 0;
    for (const double step : micros)
        sum += step;
    std::printf("%s computer's steps against %s, %lld ms between steps: %zu over %d games; "
                "mean %.1f us, median %.1f us, 99th percentile %.1f us, longest %.1f us\n",
                level.c_str(), against.c_str(), static_cast<long long>(pause.count()), micros.size(), games,
                sum / static_cast<double>(micros.size()), micros[micros.size() / 2], micros[micros.size() * 99 / 100],
                micros.back());
    return 0;
}
