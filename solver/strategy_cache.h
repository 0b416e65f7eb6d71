#pragma once

#include "strategy.h"

#include <filesystem>
#include <optional>

namespace daxo::solver {

// The whole table of perfect play kept on disk between runs, so that the
// first hint of a run after the first comes at once. The file says which
// rules and which engine made it, in which byte order and of which size of
// number, and carries a check of its values; it is written whole or not at
// all (a new file renamed over the old).

// Raised whenever the game's scoring, the engine's states or its values
// could change: a table kept by another version is worked out again.
inline constexpr std::uint32_t kRulesVersion = 1;
inline constexpr std::uint32_t kEngineVersion = 1;

// Nothing for a file missing, damaged, cut short, from other rules or
// another engine, or from a machine with another byte order.
std::optional<Strategy> readStrategy(const std::filesystem::path& path);

// Whether the whole table was written.
bool writeStrategy(const Strategy& strategy, const std::filesystem::path& path);

} // namespace daxo::solver
