// Works out the whole table of perfect play when the package is built, so
// that the installed game's very first hint comes at once instead of after
// the seconds the table takes on the player's machine:
//   perfect-play-table FILE
#include "solver/strategy_cache.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: perfect-play-table FILE\n");
        return 2;
    }
    const std::optional<daxo::solver::Strategy> table = daxo::solver::Strategy::solve();
    if (!table || !daxo::solver::writeStrategy(*table, argv[1])) {
        std::fprintf(stderr, "perfect-play-table: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
