#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace daxo::solver {

inline constexpr int kFaces = 6;
inline constexpr int kDiceCount = 5;
inline constexpr int kSetCount = 462;     // distinct multisets of 0 to 5 dice
inline constexpr int kOutcomeCount = 252; // distinct throws of five dice
inline constexpr int kFirstOutcome = kSetCount - kOutcomeCount;

// How many dice show each face: faces 1 to 6 at index 0 to 5.
using FaceCounts = std::array<std::uint8_t, kFaces>;

// The multisets of up to five dice, numbered by size: the empty set first,
// the 252 sets of five last. Those are the outcomes of a throw: which
// order the dice fell in never matters to a box, so a turn is worked out on
// them rather than on the 7,776 ordered throws.
class DiceSets {
public:
    static const DiceSets& instance();

    const FaceCounts& counts(int set) const { return counts_[static_cast<std::size_t>(set)]; }
    int size(int set) const { return sizes_[static_cast<std::size_t>(set)]; }
    // The set of these counts, or -1 for more than five dice.
    int indexOf(const FaceCounts& counts) const;
    // The set with one die more, showing face index `face`; -1 from five dice.
    int withDie(int set, int face) const { return withDie_[static_cast<std::size_t>(set)][static_cast<std::size_t>(face)]; }
    // The sets with one die fewer, one for each face the set shows.
    std::span<const int> withOneDieFewer(int set) const;

    // The chance of throwing the outcome `set` with five dice.
    double probability(int set) const { return probabilities_[static_cast<std::size_t>(set)]; }

private:
    DiceSets();

    std::array<FaceCounts, kSetCount> counts_{};
    std::array<int, kSetCount> sizes_{};
    std::array<std::array<int, kFaces>, kSetCount> withDie_{};
    std::vector<int> fewer_;                         // every set's smaller sets, one after another
    std::array<int, kSetCount + 1> fewerStart_{};    // where each set's begin in fewer_
    std::array<double, kSetCount> probabilities_{};
    std::vector<std::int16_t> byKey_;                // set by base-6 key of the counts
};

// The counts of five dice given as faces 1 to 6.
FaceCounts countsOf(std::span<const int> faces);

} // namespace daxo::solver
