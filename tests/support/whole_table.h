#pragma once

#include "solver/strategy.h"

namespace daxo::test {

// The whole table of perfect play, worked out once for the whole test
// program, the first time a test asks for it.
inline const solver::Strategy& wholeTable()
{
    static const solver::Strategy table = *solver::Strategy::solve({.threads = 2});
    return table;
}

} // namespace daxo::test
