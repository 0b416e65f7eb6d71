#pragma once

#include "strategy.h"

#include <cmath>
#include <vector>

namespace daxo::solver {

// How a player decides among the engine's actions: each drawn with a
// weight exp(-loss / temperature), the best always at the temperature 0,
// the first of the best in the engine's order where several are equal: as
// a computer of a level plays, and perfect play.
struct Policy {
    double temperature = 0;

    // The weight of an action that loses `loss` against the best, at a
    // temperature above 0: the one rule a computer draws by and its
    // distributions are reckoned by.
    double weight(double loss) const { return std::exp(-loss / temperature); }
};

// A way a turn can end: the box scored, its points, and the chance of it.
struct TurnEnding {
    Box box = Box::Ones;
    int points = 0;
    double chance = 0;
};

// The ways the turn from `position` ends under `policy`, worked out from the
// engine's values of the turn (Strategy::turn): from its start, before the
// first throw, or from dice shown with throws left (2 after the first throw,
// 1 after the second, 0 after the third). Their chances sum to 1.
std::vector<TurnEnding> turnEndings(const Position& position, const TurnValues& turn, const Policy& policy);
std::vector<TurnEnding> turnEndingsAfterThrow(const Position& position, const TurnValues& turn,
                                              const FaceCounts& dice, int throwsLeft, const Policy& policy);

} // namespace daxo::solver
