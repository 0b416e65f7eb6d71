#include "random_dice_source.h"

#include <array>

namespace daxo {
namespace {

std::mt19937_64 seededEngine()
{
    std::random_device entropy;
    std::array<std::random_device::result_type, 8> words{};
    for (auto& word : words)
        word = entropy();
    std::seed_seq seed(words.begin(), words.end());
    return std::mt19937_64(seed);
}

} // namespace

RandomDiceSource::RandomDiceSource()
    : engine_(seededEngine())
{
}

int RandomDiceSource::nextFace() { return faces_(engine_); }

} // namespace daxo
