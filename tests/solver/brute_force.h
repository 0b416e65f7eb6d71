#pragma once

#include "solver/position.h"

#include <array>
#include <map>
#include <tuple>
#include <unordered_map>

namespace daxo::solver::test {

// Perfect play reckoned again, independently of the engine: straight from
// the rules as they are stated, over ordered dice, each hold of each die
// tried. Slow, for end games of a few boxes only.
class BruteForce {
public:
    using Throw = std::array<int, 5>; // faces 1 to 6, in the order thrown

    // Between turns: the expected points still to come.
    double expectedToCome(const Position& position);
    // At the start of a turn: throwing all five dice.
    double firstThrow(const Position& position);
    // Within a turn: scoring `box` on the dice now, its bonus included.
    double scoring(const Position& position, Box box, const Throw& dice);
    // Keeping the dice at `held` (a bit for each die) and throwing the
    // others, with `throwsLeft` (1 or 2) throws left.
    double keeping(const Position& position, const Throw& dice, unsigned held, int throwsLeft);

    // What a box scores on the dice, by the rules.
    static int score(const Position& position, Box box, const Throw& dice);

private:
    using Key = std::tuple<unsigned, int, int, int>;
    // What is known of the turn from one position, by throws left and the
    // dice thrown or kept, sorted: that is only a cache, the dice are still
    // thrown in every order.
    struct Turn {
        std::unordered_map<int, double> best;
        std::unordered_map<int, double> keeping;
    };
    double best(const Position& position, Turn& turn, const Throw& dice, int throwsLeft);
    double keeping(const Position& position, Turn& turn, const Throw& dice, unsigned held, int throwsLeft);
    static Key keyOf(const Position& position);

    std::map<Key, double> toCome_;
    std::map<Key, Turn> turns_;
};

} // namespace daxo::solver::test
