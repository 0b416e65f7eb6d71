#include "dice_throws.h"

namespace daxo::solver {

Throws::Throws() : keeps(kSetCount), after(kSetCount)
{
    const DiceSets& sets = DiceSets::instance();
    for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
        const FaceCounts& dice = sets.counts(outcome);
        FaceCounts kept{};
        auto each = [&](auto&& self, int f) -> void {
            if (f == kFaces) {
                if (const int set = sets.indexOf(kept); set != outcome)
                    keeps[static_cast<std::size_t>(outcome)].push_back(set);
                return;
            }
            for (int n = 0; n <= dice[static_cast<std::size_t>(f)]; ++n) {
                kept[static_cast<std::size_t>(f)] = static_cast<std::uint8_t>(n);
                self(self, f + 1);
            }
        };
        each(each, 0);
    }
    for (int set = 0; set < kFirstOutcome; ++set) {
        const int thrown = kDiceCount - sets.size(set);
        std::vector<double> chances(kSetCount, 0.0);
        int ways = 1;
        for (int d = 0; d < thrown; ++d)
            ways *= kFaces;
        for (int way = 0; way < ways; ++way) {
            FaceCounts dice = sets.counts(set);
            for (int d = 0, w = way; d < thrown; ++d, w /= kFaces)
                ++dice[static_cast<std::size_t>(w % kFaces)];
            chances[static_cast<std::size_t>(sets.indexOf(dice))] += 1.0 / ways;
        }
        for (int outcome = kFirstOutcome; outcome < kSetCount; ++outcome) {
            if (chances[static_cast<std::size_t>(outcome)] > 0)
                after[static_cast<std::size_t>(set)].emplace_back(outcome, chances[static_cast<std::size_t>(outcome)]);
        }
    }
}

const Throws& throws()
{
    static const Throws table;
    return table;
}

std::span<const int> keepsOf(int outcome, int throwsLeft)
{
    if (throwsLeft == 0)
        return {};
    return throws().keeps[static_cast<std::size_t>(outcome)];
}

std::size_t firstOfTheBest(const TurnValues& turn, std::span<const Box> free, int outcome, int throwsLeft)
{
    const auto& scoring = turn.scoring[static_cast<std::size_t>(outcome)];
    const std::vector<double>& keepValues = throwsLeft >= 2 ? turn.keepWithTwoLeft : turn.keepWithOneLeft;
    const std::span<const int> keeps = keepsOf(outcome, throwsLeft);
    std::size_t first = 0;
    double best = scoring[static_cast<std::size_t>(free[0])];
    for (std::size_t i = 1; i < free.size(); ++i) {
        if (const double value = scoring[static_cast<std::size_t>(free[i])]; value > best)
            best = value, first = i;
    }
    for (std::size_t k = 0; k < keeps.size(); ++k) {
        if (const double value = keepValues[static_cast<std::size_t>(keeps[k])]; value > best)
            best = value, first = free.size() + k;
    }
    return first;
}

} // namespace daxo::solver
