#pragma once

#include "future_scores.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace daxo::solver {

// The points still to come from every position of a game's first turns,
// under each of a few ways of playing, worked out once for all of them
// when the package is built. What is left of a game from its first boxes
// takes a minute and gigabytes to work out (every later position is in
// it), and a game's later positions a fraction of a second, so the game
// reads the first from here and works out the others as they come.
//
// Each distribution is kept in a few dozen bytes: the chance of fewer
// points every few points, in 256ths, where it is neither nearly 0 nor
// nearly 1, and straight between. Every chance of winning reckoned on
// them is within a fraction of a point of the exact one (bench/chances_bench).
class OpeningFutures {
public:
    // The positions held: those with at most this many boxes scored, so
    // that the turn after them is read too, up to the fifth box.
    static constexpr int kBoxesScored = 4;

    // Works out the openings under each policy, the positions side by side
    // on `threads` threads.
    static OpeningFutures workOut(const Strategy& strategy, std::span<const Policy> policies, int threads);

    // Nothing unless the file is whole and was made by these rules and
    // this engine.
    static std::optional<OpeningFutures> read(const std::filesystem::path& path);
    bool write(const std::filesystem::path& path) const;

    bool holds(const Policy& policy) const { return find(policy) != nullptr; }
    // Nothing for a position after the openings, or under a policy they
    // were not worked out for.
    std::optional<PointsDistribution> toCome(const Policy& policy, const Position& position) const;

    // A distribution as it is kept, and read back.
    static std::vector<std::uint8_t> encode(const PointsDistribution& points);
    static PointsDistribution decode(std::span<const std::uint8_t> kept);

    OpeningFutures(OpeningFutures&&) noexcept;
    OpeningFutures& operator=(OpeningFutures&&) noexcept;
    ~OpeningFutures();

private:
    OpeningFutures() = default;

    struct Openings {
        double temperature = 0;
        std::size_t first = 0;            // of its distributions in the file's body
        std::vector<std::uint32_t> start; // by opening, from `first`; one more at the end
    };
    const Openings* find(const Policy& policy) const;
    std::span<const std::uint8_t> body() const;

    std::vector<Openings> byPolicy_;
    // The file's body: worked out, or mapped from the file as it is read,
    // which spares copying its megabytes before the first hint.
    std::vector<char> workedOut_;
    void* mapped_ = nullptr;
    std::size_t mappedSize_ = 0;
};

} // namespace daxo::solver
