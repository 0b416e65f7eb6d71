// Works out, when the package is built, what is left of a game from each
// of its first positions under every level's way of playing, so that the
// chances of winning show from a table's first throw:
//   opening-futures-table PERFECT-PLAY-TABLE FILE
#include "solver/opening_futures.h"
#include "solver/strategy_cache.h"
#include "table/levels.h"

#include <algorithm>
#include <cstdio>
#include <thread>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage: opening-futures-table PERFECT-PLAY-TABLE FILE\n");
        return 2;
    }
    const std::optional<daxo::solver::Strategy> strategy = daxo::solver::readStrategy(argv[1]);
    if (!strategy) {
        std::fprintf(stderr, "opening-futures-table: %s is no table of perfect play\n", argv[1]);
        return 1;
    }
    // A human, and the computers that play to win, are reckoned as
    // perfect play: the temperature 0 is among the levels'.
    std::vector<daxo::solver::Policy> policies;
    for (const daxo::Level& level : daxo::levels()) {
        if (std::ranges::find(policies, level.temperature, &daxo::solver::Policy::temperature) == policies.end())
            policies.push_back({level.temperature});
    }
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (!daxo::solver::OpeningFutures::workOut(*strategy, policies, threads).write(argv[2])) {
        std::fprintf(stderr, "opening-futures-table: %s could not be written\n", argv[2]);
        return 1;
    }
    return 0;
}
