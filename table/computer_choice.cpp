#include "computer_choice.h"

#include "solver/turn_endings.h"

namespace daxo {

const solver::Action& chooseAction(const std::vector<solver::Action>& actions, const Level& level, double draw)
{
    if (level.temperature <= 0 || actions.size() == 1)
        return actions.front();
    std::vector<double> weights;
    weights.reserve(actions.size());
    double total = 0;
    for (const solver::Action& action : actions) {
        weights.push_back(solver::Policy{level.temperature}.weight(action.loss));
        total += weights.back();
    }
    double left = draw * total;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        left -= weights[i];
        if (left < 0)
            return actions[i];
    }
    return actions.back();
}

// SplitMix64's finaliser over the decision's coordinates.
double decisionDraw(std::uint64_t seed, int seat, int turn, int throwsMade)
{
    std::uint64_t x = seed ^ (static_cast<std::uint64_t>(seat) << 48) ^ (static_cast<std::uint64_t>(turn) << 8) ^
                      static_cast<std::uint64_t>(throwsMade);
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    x ^= x >> 31;
    return static_cast<double>(x >> 11) * 0x1.0p-53;
}

} // namespace daxo
