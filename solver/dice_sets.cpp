#include "dice_sets.h"

#include <algorithm>

namespace daxo::solver {
namespace {

int keyOf(const FaceCounts& counts)
{
    int key = 0;
    for (int f = kFaces - 1; f >= 0; --f)
        key = key * (kDiceCount + 1) + counts[static_cast<std::size_t>(f)];
    return key;
}

constexpr int kKeys = 46656; // 6 counts of 0 to 5: 6^6

// Every way of spreading `left` more dice over faces `face` to 6.
void spread(FaceCounts& counts, int face, int left, std::vector<FaceCounts>& out)
{
    if (face == kFaces - 1) {
        counts[static_cast<std::size_t>(face)] = static_cast<std::uint8_t>(left);
        out.push_back(counts);
        return;
    }
    for (int n = left; n >= 0; --n) {
        counts[static_cast<std::size_t>(face)] = static_cast<std::uint8_t>(n);
        spread(counts, face + 1, left - n, out);
    }
}

double factorial(int n) { return n <= 1 ? 1.0 : n * factorial(n - 1); }

} // namespace

const DiceSets& DiceSets::instance()
{
    static const DiceSets sets;
    return sets;
}

DiceSets::DiceSets()
    : byKey_(kKeys, -1)
{
    std::vector<FaceCounts> all;
    for (int size = 0; size <= kDiceCount; ++size) {
        FaceCounts counts{};
        spread(counts, 0, size, all);
    }
    for (int set = 0; set < kSetCount; ++set) {
        const auto s = static_cast<std::size_t>(set);
        counts_[s] = all[s];
        int size = 0;
        double arrangements = 1.0;
        for (const std::uint8_t n : all[s]) {
            size += n;
            arrangements *= factorial(n);
        }
        sizes_[s] = size;
        byKey_[static_cast<std::size_t>(keyOf(all[s]))] = static_cast<std::int16_t>(set);
        // The ordered throws of five dice that sort to this outcome.
        probabilities_[s] = size == kDiceCount ? factorial(kDiceCount) / arrangements / 7776.0 : 0.0;
    }
    for (int set = 0; set < kSetCount; ++set) {
        const auto s = static_cast<std::size_t>(set);
        fewerStart_[s] = static_cast<int>(fewer_.size());
        for (int f = 0; f < kFaces; ++f) {
            FaceCounts more = counts_[s];
            ++more[static_cast<std::size_t>(f)];
            withDie_[s][static_cast<std::size_t>(f)] = indexOf(more);
            if (counts_[s][static_cast<std::size_t>(f)] > 0) {
                FaceCounts less = counts_[s];
                --less[static_cast<std::size_t>(f)];
                fewer_.push_back(indexOf(less));
            }
        }
    }
    fewerStart_[kSetCount] = static_cast<int>(fewer_.size());
}

int DiceSets::indexOf(const FaceCounts& counts) const
{
    int size = 0;
    for (const std::uint8_t n : counts)
        size += n;
    return size > kDiceCount ? -1 : byKey_[static_cast<std::size_t>(keyOf(counts))];
}

std::span<const int> DiceSets::withOneDieFewer(int set) const
{
    const auto s = static_cast<std::size_t>(set);
    return std::span<const int>(fewer_).subspan(static_cast<std::size_t>(fewerStart_[s]),
                                                static_cast<std::size_t>(fewerStart_[s + 1] - fewerStart_[s]));
}

FaceCounts countsOf(std::span<const int> faces)
{
    FaceCounts counts{};
    for (const int face : faces) {
        if (face >= 1 && face <= kFaces)
            ++counts[static_cast<std::size_t>(face - 1)];
    }
    return counts;
}

} // namespace daxo::solver
