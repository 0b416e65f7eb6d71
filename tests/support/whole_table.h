#pragma once

#include "solver/strategy.h"
#include "solver/strategy_cache.h"

namespace daxo::test {

// The whole table of perfect play, worked out once for every test program
// of the build, which run in processes of their own: kept beside them, as
// the program keeps it in its cache, and read back by the next (the file
// holds its own check, and is written whole or not at all).
inline const solver::Strategy& wholeTable()
{
    static const solver::Strategy table = [] {
        if (std::optional<solver::Strategy> kept = solver::readStrategy(DAXO_TEST_TABLE))
            return *std::move(kept);
        solver::Strategy solved = *solver::Strategy::solve({.threads = 2});
        solver::writeStrategy(solved, DAXO_TEST_TABLE);
        return solved;
    }();
    return table;
}

} // namespace daxo::test
