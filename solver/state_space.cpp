#include "state_space.h"

#include "game/dice_rules.h"

#include <algorithm>

namespace daxo::solver {
namespace {

constexpr unsigned kMasks = 1u << kBoxCount;
constexpr unsigned kPlus = bit(Box::Plus);
constexpr unsigned kMoins = bit(Box::Moins);
constexpr int kLimits = 26;
// A Plus of 5 to 29 limits the Moins to it; a Moins of 6 to 30 limits the
// Plus to at least it.
constexpr int kFirstPlusLimit = 5;
constexpr int kFirstMoinsLimit = 6;

// The most the free number boxes can still add.
int mostToCome(unsigned upper)
{
    int most = 0;
    for (int face = 1; face <= 6; ++face)
        most += (upper & (1u << (face - 1))) ? 0 : 5 * face;
    return most;
}

} // namespace

const StateSpace& StateSpace::instance()
{
    static const StateSpace space;
    return space;
}

StateSpace::StateSpace()
{
    for (unsigned upper = 0; upper < 64; ++upper) {
        std::bitset<kMaxSubtotal + 1> sums;
        sums.set(0);
        for (int face = 1; face <= 6; ++face) {
            if (!(upper & (1u << (face - 1))))
                continue;
            std::bitset<kMaxSubtotal + 1> next;
            for (int count = 0; count <= 5; ++count)
                next |= sums << static_cast<std::size_t>(count * face);
            sums = next;
        }
        reachable_[upper] = sums;

        std::vector<int>& subtotals = subtotals_[upper];
        subtotals.push_back(-1);
        const bool open = upper != kNumberBoxes;
        for (int s = 0; open && s < kBonusThreshold; ++s) {
            if (sums.test(static_cast<std::size_t>(s)) && s + mostToCome(upper) >= kBonusThreshold)
                subtotals.push_back(s);
        }
        subIndex_[upper].fill(0);
        for (std::size_t i = 1; i < subtotals.size(); ++i)
            subIndex_[upper][static_cast<std::size_t>(subtotals[i])] = static_cast<std::int8_t>(i);
    }
    firstState_.resize(kMasks + 1);
    std::size_t next = 0;
    for (unsigned mask = 0; mask < kMasks; ++mask) {
        firstState_[mask] = next;
        next += static_cast<std::size_t>(laneCount(mask));
    }
    firstState_[kMasks] = next;
}

std::optional<int> StateSpace::subtotalAt(unsigned upper, int index) const
{
    const int subtotal = subtotals_[upper][static_cast<std::size_t>(index)];
    return subtotal < 0 ? std::nullopt : std::optional(subtotal);
}

int StateSpace::subIndexOf(unsigned upper, int subtotal) const
{
    return subtotal < 0 || subtotal > kMaxSubtotal ? 0 : subIndex_[upper][static_cast<std::size_t>(subtotal)];
}

int StateSpace::limitCount(unsigned mask)
{
    const unsigned both = mask & (kPlus | kMoins);
    return both == kPlus || both == kMoins ? kLimits : 1;
}

int StateSpace::limitIndexOf(unsigned mask, const std::optional<int>& plus, const std::optional<int>& moins)
{
    const unsigned both = mask & (kPlus | kMoins);
    if (both == kPlus && plus) // 0, or 30 and above, limit nothing
        return *plus <= 0 || *plus >= 30 ? 0 : std::clamp(*plus, kFirstPlusLimit, 29) - kFirstPlusLimit + 1;
    if (both == kMoins && moins)
        return *moins < kFirstMoinsLimit ? 0 : std::min(*moins, 30) - kFirstMoinsLimit + 1;
    return 0;
}

std::optional<int> StateSpace::limitAt(unsigned mask, int index)
{
    const unsigned both = mask & (kPlus | kMoins);
    if (both == kPlus)
        return index == 0 ? 0 : index - 1 + kFirstPlusLimit;
    if (both == kMoins)
        return index == 0 ? 0 : index - 1 + kFirstMoinsLimit;
    return std::nullopt;
}

int StateSpace::laneOf(const Position& position) const
{
    const unsigned upper = position.used & kNumberBoxes;
    return subIndexOf(upper, position.subtotal) * limitCount(position.used) +
           limitIndexOf(position.used, position.plus, position.moins);
}

unsigned StateSpace::maskOf(std::size_t state) const
{
    return static_cast<unsigned>(std::ranges::upper_bound(firstState_, state) - firstState_.begin() - 1);
}

bool StateSpace::canMake(unsigned upper, int subtotal) const
{
    return subtotal >= 0 && subtotal <= kMaxSubtotal && reachable_[upper & kNumberBoxes].test(static_cast<std::size_t>(subtotal));
}

} // namespace daxo::solver
