// Measures the scoreboard's chances of winning: how long they take after
// each box and each throw of whole table games of computers (the first
// positions of each game that has them worked out included, when the
// futures come from nothing), what the turn of the player in play needs
// worked out ahead, as the board waits, and the distributions they keep; with the
// openings the package ships, and with a level for every seat, how far
// each chance shown is from the exact one, turn by turn:
//   chances_bench [games] [players] [OPENINGS [LEVEL]]

#include "accepting_port.h"
#include "game/random_dice_source.h"
#include "solver/game_analysis.h"
#include "solver/opening_futures.h"
#include "solver/winning_play.h"
#include "table/computer_answers.h"
#include "table/table.h"
#include "table/table_chances.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace daxo;
using Clock = std::chrono::steady_clock;

// The program's resident memory, in MiB.
double residentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    }
    return 0;
}

struct Times {
    std::vector<double> afterBox, afterThrow, ahead, odds;
};

void report(const char* what, std::vector<double>& millis)
{
    std::sort(millis.begin(), millis.end());
    double sum = 0;
    for (const double m : millis)
        sum += m;
    std::printf("  after %s: %zu, mean %.1f ms, 99th percentile %.1f ms, longest %.1f ms\n", what, millis.size(),
                sum / static_cast<double>(millis.size()), millis[millis.size() * 99 / 100], millis.back());
}

// The exact chances, each level's futures worked out from nothing and
// kept for every game.
std::vector<solver::WinChance> exactly(LevelFutures& futures, std::span<const Opponent> points)
{
    std::vector<solver::PointsDistribution> finals;
    for (const Opponent& player : points)
        finals.push_back(solver::finalTotal(player.point, futures.of(player.level)));
    return solver::winChances(finals);
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int players = argc > 2 ? std::clamp(std::atoi(argv[2]), 2, kMostSeats) : 6;
    const solver::Strategy strategy = *solver::Strategy::solve();
    std::optional<solver::OpeningFutures> openings;
    if (argc > 3 && !(openings = solver::OpeningFutures::read(argv[3]))) {
        std::fprintf(stderr, "chances_bench: %s holds no openings\n", argv[3]);
        return 1;
    }
    const Level* everyone = argc > 4 ? levelNamed(argv[4]) : nullptr;
    LevelFutures exact(strategy);
    std::array<double, solver::kBoxCount> worst{}; // by turn of the game
    const double before = residentMiB();
    RandomDiceSource dice(1);
    bench::Accepting player;
    ComputerAnswers answers(player);
    Game game(dice, answers);
    Seats seats;
    for (int seat = 0; seat < players; ++seat)
        seats.push_back({.kind = Seat::Kind::Computer, .level = std::string(everyone ? everyone->name : levels()[seat % 4].name)});
    Table table(game, seats);
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    Times times;
    double mostMiB = 0, longest = 0;
    std::size_t mostKnown = 0;
    for (int played = 0; played < games; ++played) {
        game.Nouveau_Click();
        TableChances chances(strategy, openings ? &*openings : nullptr); // as the scoreboard does, afresh each game
        while (!table.over()) {
            table.playComputerStep(strategy);
            std::vector<Opponent> points;
            for (int seat = 0; seat < players; ++seat) {
                const Seat& who = seats[static_cast<std::size_t>(seat)];
                points.push_back({solver::pointOf(table.recordOf(seat)), levelNamed(who.level)});
            }
            const auto start = Clock::now();
            const std::optional<std::vector<solver::WinChance>> shown = chances.at(points);
            const double millis = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (shown && everyone) {
                const std::vector<solver::WinChance> truth = exactly(exact, points);
                const int turn = std::popcount(points[static_cast<std::size_t>(table.seatInPlay())].point.position.used);
                for (std::size_t p = 0; p < truth.size(); ++p)
                    worst[static_cast<std::size_t>(turn)] = std::max(worst[static_cast<std::size_t>(turn)], std::abs((*shown)[p].win - truth[p].win));
            }
            if (shown) {
                const bool threw = std::ranges::any_of(points, [](const Opponent& p) { return p.point.throwsMade > 0; });
                (threw ? times.afterThrow : times.afterBox).push_back(millis);
            }
            longest = std::max(longest, millis); // shown or still too early for one
            // As the scoreboard's source does while the board waits for the
            // player in play.
            if (!table.over()) {
                const auto prepared = Clock::now();
                chances.prepareTurn(points[static_cast<std::size_t>(table.seatInPlay())], {});
                times.ahead.push_back(std::chrono::duration<double, std::milli>(Clock::now() - prepared).count());
            }
            // The coach's odds of every action, for a player in play at
            // perfect play's level as a human is reckoned, once the turn is
            // worked out ahead.
            const std::size_t inPlay = static_cast<std::size_t>(table.seatInPlay());
            if (!table.over() && shown && points[inPlay].point.throwsMade > 0 && points[inPlay].level == &perfectLevel()) {
                const auto weighed = Clock::now();
                chances.afterActions(points, inPlay, solver::actionsAt(points[inPlay].point, strategy));
                times.odds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - weighed).count());
            }
            // Then, as the source does until the next point is asked, the
            // turn of the player after the one in play.
            if (!table.over())
                chances.prepareNextTurn(points[(inPlay + 1) % points.size()], {});
            mostKnown = std::max(mostKnown, chances.positionsKnown());
            mostMiB = std::max(mostMiB, residentMiB() - before);
        }
    }
    std::printf("chances at a table of %d computers over %d games:\n", players, games);
    report("a box", times.afterBox);
    report("a throw", times.afterThrow);
    report("a step, the player in play's turn worked out ahead", times.ahead);
    if (!times.odds.empty())
        report("a throw, the odds of every action", times.odds);
    std::printf("  longest reckoning, shown or not: %.1f ms\n", longest);
    // The exact reckoning's own distributions would count in the memory.
    if (!everyone)
        std::printf("  positions kept at most %zu, memory at most %.0f MiB more\n", mostKnown, mostMiB);
    else {
        std::printf("  largest error against the exact chance, in points of per cent, by turn:");
        for (const double error : worst)
            std::printf(" %.2f", 100 * error);
        std::printf("\n");
    }
    return 0;
}
