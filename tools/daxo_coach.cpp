// daxo-coach: perfect play of Daxo from the command line.
//   daxo-coach solve     works out the whole table and says what it took
//   daxo-coach advise    ranks the actions of the positions read from
//                        standard input, one per line

#include "advice_line.h"
#include "solver/strategy.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

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

int usage(std::FILE* out, int status)
{
    std::fputs("Usage: daxo-coach solve [--threads N]\n"
               "       daxo-coach advise [--threads N] < positions\n"
               "Works out perfect play of Daxo: 'solve' the expected score from an empty sheet,\n"
               "'advise' the actions of each position read, one per line, best first.\n"
               "The work is shared by N threads, by default one for each core.\n",
               out);
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
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "--help" || command == "-h")
        return usage(stdout, 0);
    SolveOptions options;
    if (argc == 4 && std::string(argv[2]) == "--threads") {
        options.threads = std::atoi(argv[3]);
        if (options.threads < 1)
            return usage(stderr, 2);
    } else if (argc != 2) {
        return usage(stderr, 2);
    }
    if (command == "solve")
        return solve(options);
    if (command == "advise")
        return advise(options);
    return usage(stderr, 2);
}
