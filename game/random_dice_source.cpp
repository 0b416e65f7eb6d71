#include "random_dice_source.h"

#include <limits>

namespace daxo {
namespace {

std::uint64_t entropySeed()
{
    std::random_device entropy;
    return (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
}

} // namespace

RandomDiceSource::RandomDiceSource(std::optional<std::uint64_t> firstSeed)
    : nextSeed_(firstSeed)
{
}

std::uint64_t RandomDiceSource::startGame()
{
    seed_ = nextSeed_ ? (*nextSeed_)++ : entropySeed();
    rewind(0);
    return seed_;
}

void RandomDiceSource::rewind(std::uint64_t position)
{
    engine_.seed(seed_);
    engine_.discard(position);
    drawn_ = position;
}

std::uint64_t RandomDiceSource::draw()
{
    ++drawn_;
    return engine_();
}

// The engine's numbers are the same on every system; the rejection keeps
// the six faces equally likely without relying on the library's
// distributions, whose workings differ from one library to another.
int RandomDiceSource::nextFace()
{
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t kLimit = kMost - kMost % 6;
    std::uint64_t drawn = draw();
    while (drawn >= kLimit)
        drawn = draw();
    return static_cast<int>(drawn % 6) + 1;
}

} // namespace daxo
