#pragma once

#include "ports.h"

#include <optional>
#include <random>

namespace daxo {

// Fair, independent dice from a generator seeded at the start of each game.
// The seeds come from the system's entropy source, or, to play games again,
// from a first seed given and counted up game by game. Seeding again for
// every die, from a clock, could hand two dice of one throw the same
// sequence; seeding per game cannot.
class RandomDiceSource final : public DiceSource {
public:
    explicit RandomDiceSource(std::optional<std::uint64_t> firstSeed = std::nullopt);
    int nextFace() override;
    std::uint64_t startGame() override;
    std::uint64_t position() const override { return drawn_; }
    void rewind(std::uint64_t position) override;

private:
    std::optional<std::uint64_t> nextSeed_;
    std::uint64_t seed_ = 0;
    std::mt19937_64 engine_;
    std::uint64_t drawn_ = 0; // the engine's numbers drawn in this game
    std::uint64_t draw();
};

} // namespace daxo
