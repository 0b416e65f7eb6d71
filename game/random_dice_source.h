#pragma once

#include "ports.h"

#include <random>

namespace daxo {

// Fair, independent dice. The engine is seeded once from the system's
// entropy source; seeding again for every die, from a clock, could hand two
// dice of one throw the same sequence.
class RandomDiceSource final : public DiceSource {
public:
    RandomDiceSource();
    int nextFace() override;

private:
    std::mt19937_64 engine_;
    std::uniform_int_distribution<int> faces_{1, 6};
};

} // namespace daxo
