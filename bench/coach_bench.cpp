// Measures the coach's engine: how long the whole table takes with each
// number of threads, how long one piece of advice takes, and whether games
// played by its advice score what it expects.
//   coach_bench solve [runs]         median wall time, 2 threads then 1
//   coach_bench advice [calls]       mean time of one piece of advice
//   coach_bench simulate [games]     mean score of perfect play, against the table

#include "solver/simulation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace daxo::solver;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void solveTimes(int runs)
{
    for (const int threads : {2, 1}) {
        std::vector<double> seconds;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            const auto strategy = Strategy::solve({.threads = threads});
            seconds.push_back(secondsSince(start));
        }
        std::sort(seconds.begin(), seconds.end());
        std::printf("solve with %d thread%s: median %.3f s (best %.3f s) over %d runs\n", threads, threads > 1 ? "s" : "",
                    seconds[seconds.size() / 2], seconds.front(), runs);
    }
}

// A position of the sixth turn: five boxes scored, the Plus among them.
void adviceTime(int calls)
{
    const Strategy strategy = *Strategy::solve();
    const Position position{.used = bit(Box::Ones) | bit(Box::Fours) | bit(Box::Full) | bit(Box::Daxo) | bit(Box::Plus),
                            .subtotal = 14, .plus = 23};
    const FaceCounts dice{0, 1, 2, 0, 0, 2}; // 2 3 3 6 6
    double checksum = 0;
    const auto start = Clock::now();
    for (int call = 0; call < calls; ++call)
        checksum += strategy.advise(position, dice, 2).front().value;
    std::printf("advice: %.2f us a call, mean of %d calls (best %s, %.6f)\n", secondsSince(start) * 1e6 / calls, calls,
                describe(strategy.advise(position, dice, 2).front()).c_str(), checksum / calls);
}

void simulate(long games)
{
    const Strategy strategy = *Strategy::solve();
    const double expected = strategy.expectedToCome({});
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<double> sums(static_cast<std::size_t>(threads)), squares(static_cast<std::size_t>(threads));
    const auto start = Clock::now();
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                std::mt19937_64 random(0x5eed + static_cast<unsigned>(t));
                for (long game = t; game < games; game += threads) {
                    const double total = playPerfectly(strategy, random).total;
                    sums[static_cast<std::size_t>(t)] += total;
                    squares[static_cast<std::size_t>(t)] += total * total;
                }
            });
        }
    }
    double sum = 0, square = 0;
    for (int t = 0; t < threads; ++t) {
        sum += sums[static_cast<std::size_t>(t)];
        square += squares[static_cast<std::size_t>(t)];
    }
    const double n = static_cast<double>(games);
    const double mean = sum / n;
    const double deviation = std::sqrt((square - n * mean * mean) / (n - 1));
    const double standardError = deviation / std::sqrt(n);
    std::printf("simulation: %ld games in %.1f s, mean %.4f, standard deviation %.3f, standard error %.4f\n", games,
                secondsSince(start), mean, deviation, standardError);
    std::printf("expected by the table: %.6f; the mean is %.2f standard errors from it\n", expected,
                (mean - expected) / standardError);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string what = argc > 1 ? argv[1] : "";
    const long count = argc > 2 ? std::atol(argv[2]) : 0;
    if (what == "solve")
        solveTimes(count > 0 ? static_cast<int>(count) : 5);
    else if (what == "advice")
        adviceTime(count > 0 ? static_cast<int>(count) : 100000);
    else if (what == "simulate")
        simulate(count > 0 ? count : 1000000);
    else {
        std::fputs("Usage: coach_bench solve [runs] | advice [calls] | simulate [games]\n", stderr);
        return 2;
    }
    return 0;
}
