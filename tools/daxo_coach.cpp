// daxo-coach: perfect play of Daxo from the command line.
//   daxo-coach solve     works out the whole table and says what it took
//   daxo-coach advise    ranks the actions of the positions read from
//                        standard input, one per line
//   daxo-coach chances   each player's chance of winning, for a table read
//                        from standard input, a player a line
//   daxo-coach simulate  plays games at a level, alone or against another

#include "advice_line.h"
#include "coach_arguments.h"
#include "excerpt.h"
#include "table/level_simulation.h"
#include "solver/strategy.h"
#include "solver/winning_play.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace daxo::solver;

// The most memory the process has held, in MiB, as the kernel counts it.
double peakMemoryMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

constexpr const char* kUsage =
    "Usage: daxo-coach solve [--threads N]\n"
    "       daxo-coach advise [--threads N] < positions\n"
    "       daxo-coach chances [--threads N] < players\n"
    "       daxo-coach simulate --level LEVEL [--against LEVEL] --games N [--seed S] [--threads N]\n"
    "       daxo-coach --help | --version\n"
    "Works out perfect play of Daxo: 'solve' the expected score from an empty sheet,\n"
    "'advise' the actions of each position read, one per line, best first;\n"
    "'chances' each player's chance of winning and of a shared first place, for the\n"
    "players read, one per line, humans playing perfectly from where they stand;\n"
    "'simulate' plays N games at a computer's level (beginner, regular, strong, perfect,\n"
    "competitive: the one that plays to win), alone or, with --against, each against\n"
    "the other level, the two taking turns, the first turn theirs in every other game.\n"
    "The work is shared by N threads, by default and at most one for each core.\n"
    "Options take their value as '--threads N' or '--threads=N'.\n";

const std::vector<daxo::tools::CommandSpec> kCommands{
    {"solve", {"threads"}},
    {"advise", {"threads"}},
    {"chances", {"threads"}},
    {"simulate", {"level", "against", "games", "seed", "threads"}, {"level", "games"}},
};

// The levels' names, from the weakest.
std::string levelList()
{
    std::string names;
    for (const daxo::Level& level : daxo::levels())
        names += (names.empty() ? "" : ", ") + std::string(level.name);
    return names;
}

int refuse(const std::string& why)
{
    std::fprintf(stderr, "daxo-coach: %s\nTry 'daxo-coach --help' for more information.\n", why.c_str());
    return 2;
}

// What was printed must have reached its reader: a full disk or a closed
// pipe is a failure, not a success.
int finish(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "daxo-coach: the output could not be written: %s\n", std::strerror(errno));
        return 1;
    }
    return status;
}

int solve(const SolveOptions& options)
{
    const auto start = std::chrono::steady_clock::now();
    const std::optional<Strategy> strategy = Strategy::solve(options);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("expected-score %.6f\n", strategy->expectedToCome({}));
    std::printf("states %zu\n", strategy->stateCount());
    std::printf("seconds %.3f\n", seconds.count());
    std::printf("peak-memory-mib %.1f\n", peakMemoryMiB());
    return 0;
}

int simulate(const SolveOptions& options, const daxo::Level& level, int games, std::uint64_t seed)
{
    const std::optional<Strategy> strategy = Strategy::solve(options);
    const daxo::LevelFigures figures = daxo::simulateLevel(*strategy, level, games, seed, options.threads);
    std::printf("level %s\n", std::string(level.name).c_str());
    std::printf("games %d\n", figures.games);
    std::printf("mean %.4f\n", figures.mean);
    std::printf("sd %.4f\n", figures.deviation);
    std::printf("standard-error %.4f\n", figures.standardError);
    std::printf("mean-loss-per-decision %.4f\n", figures.meanLoss);
    return 0;
}

int simulateAgainst(const SolveOptions& options, const daxo::Level& level, const daxo::Level& against, int games,
                    std::uint64_t seed)
{
    const std::optional<Strategy> strategy = Strategy::solve(options);
    const daxo::HeadToHead played = daxo::simulateHeadToHead(*strategy, level, against, games, seed, options.threads);
    const auto error = [&](double share) { return std::sqrt(share * (1 - share) / games); };
    std::printf("games %d\n", played.games);
    std::printf("level %s wins %.4f standard-error %.4f\n", std::string(level.name).c_str(), played.wins,
                error(played.wins));
    std::printf("against %s wins %.4f standard-error %.4f\n", std::string(against.name).c_str(), played.losses,
                error(played.losses));
    std::printf("ties %.4f standard-error %.4f\n", played.ties, error(played.ties));
    // Of the games one side won: what tells two strong levels apart.
    const double decisive = played.wins + played.losses;
    const double share = decisive > 0 ? played.wins / decisive : 0;
    std::printf("decisive won %.4f standard-error %.4f\n", share,
                decisive > 0 ? std::sqrt(share * (1 - share) / (games * decisive)) : 0.0);
    std::printf("mean %.2f\n", played.mean);
    return 0;
}

// Reads the players of a table, a line each, then says each one's chances.
int chances(const SolveOptions& options)
{
    std::vector<PlayerLine> players;
    int bad = 0;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        auto read = readPlayerLine(line);
        if (auto* player = std::get_if<PlayerLine>(&read); player && !daxo::levelNamed(player->level))
            read = LineError{"level", daxo::tools::excerpt(player->level) + " is not one of " + levelList()};
        if (const auto* error = std::get_if<LineError>(&read)) {
            std::fprintf(stderr, "daxo-coach: line %d, %s: %s\n", number, error->field.c_str(), error->why.c_str());
            ++bad;
            continue;
        }
        players.push_back(std::get<PlayerLine>(read));
    }
    if (bad > 0 || players.empty()) {
        if (players.empty() && bad == 0)
            std::fprintf(stderr, "daxo-coach: no player was read\n");
        return 1;
    }
    const std::optional<Strategy> strategy = Strategy::solve(options);
    // One reckoning of the futures for each level, shared by its players.
    std::map<std::string, FutureScores> futures;
    std::vector<PointsDistribution> finals;
    for (const PlayerLine& player : players) {
        auto [known, added] = futures.try_emplace(player.level, *strategy, Policy{daxo::levelNamed(player.level)->temperature});
        finals.push_back(finalTotal({.position = player.position, .scored = player.points}, known->second));
    }
    for (const WinChance& chance : winChances(finals))
        std::printf("win %.6f\tshared %.6f\n", chance.win, chance.shared);
    return 0;
}

int advise(const SolveOptions& options)
{
    const std::optional<Strategy> strategy = Strategy::solve(options);
    int bad = 0;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const auto read = readAdviceLine(line);
        if (const auto* error = std::get_if<LineError>(&read)) {
            std::fprintf(stderr, "daxo-coach: line %d, %s: %s\n", number, error->field.c_str(), error->why.c_str());
            ++bad;
            continue;
        }
        const auto& request = std::get<AdviceRequest>(read);
        for (const Action& action : strategy->advise(request.position, request.dice, request.throwsLeft))
            std::printf("%s\t%.9f\t%.9f\n", describe(action).c_str(), action.value, action.loss);
        std::printf("\n");
    }
    return bad > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace daxo::tools;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto read = readArguments(arguments, kCommands);
    if (const auto* error = std::get_if<ArgumentError>(&read))
        return refuse(error->why);
    const Invocation& invocation = std::get<Invocation>(read);
    if (invocation.command == "help") {
        std::fputs(kUsage, stdout);
        return finish(0);
    }
    if (invocation.command == "version") {
        std::printf("daxo-coach %s\n", DAXO_VERSION_STRING);
        return finish(0);
    }

    SolveOptions options;
    // Beyond one thread a core, threads only take memory.
    const std::uint64_t cores = std::max(1u, std::thread::hardware_concurrency());
    options.threads = static_cast<int>(cores);
    if (const auto threads = invocation.options.find("threads"); threads != invocation.options.end()) {
        const auto value = wholeOption("threads", threads->second, 1, cores, true);
        if (const auto* error = std::get_if<ArgumentError>(&value))
            return refuse(error->why);
        options.threads = static_cast<int>(std::get<std::uint64_t>(value));
    }
    if (invocation.command == "simulate") {
        const daxo::Level* level = daxo::levelNamed(invocation.options.at("level"));
        if (!level)
            return refuse("--level is one of " + levelList() + ", not " +
                          excerpt(invocation.options.at("level")));
        const auto games = wholeOption("games", invocation.options.at("games"), 1, 100000000);
        if (const auto* error = std::get_if<ArgumentError>(&games))
            return refuse(error->why);
        std::uint64_t seed = 1;
        if (const auto given = invocation.options.find("seed"); given != invocation.options.end()) {
            const auto read = wholeOption("seed", given->second, 0, std::numeric_limits<std::uint64_t>::max());
            if (const auto* error = std::get_if<ArgumentError>(&read))
                return refuse(error->why);
            seed = std::get<std::uint64_t>(read);
        }
        const int count = static_cast<int>(std::get<std::uint64_t>(games));
        if (const auto against = invocation.options.find("against"); against != invocation.options.end()) {
            const daxo::Level* other = daxo::levelNamed(against->second);
            if (!other)
                return refuse("--against is one of " + levelList() + ", not " + excerpt(against->second));
            return finish(simulateAgainst(options, *level, *other, count, seed));
        }
        return finish(simulate(options, *level, count, seed));
    }
    if (invocation.command == "chances")
        return finish(chances(options));
    return finish(invocation.command == "solve" ? solve(options) : advise(options));
}
