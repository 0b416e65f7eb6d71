#pragma once

#include <array>
#include <chrono>
#include <string_view>

namespace daxo {

// How fast a computer plays its turn on the board, each step shown for a
// moment, or all at once.
enum class Pace { Slow, Normal, Fast, Instant };

inline constexpr std::array<Pace, 4> kPaces{Pace::Slow, Pace::Normal, Pace::Fast, Pace::Instant};

// The pause before each step of a computer's turn.
constexpr std::chrono::milliseconds stepPause(Pace pace)
{
    switch (pace) {
    case Pace::Slow: return std::chrono::milliseconds(1400);
    case Pace::Normal: return std::chrono::milliseconds(700);
    case Pace::Fast: return std::chrono::milliseconds(250);
    case Pace::Instant: break;
    }
    return std::chrono::milliseconds(0);
}

// As the preferences keep it: "slow", "normal", "fast", "instant"; an
// unknown name is the normal pace.
constexpr std::string_view paceKey(Pace pace)
{
    switch (pace) {
    case Pace::Slow: return "slow";
    case Pace::Normal: return "normal";
    case Pace::Fast: return "fast";
    case Pace::Instant: return "instant";
    }
    return "normal";
}

constexpr Pace paceOfKey(std::string_view key)
{
    for (const Pace pace : kPaces) {
        if (paceKey(pace) == key)
            return pace;
    }
    return Pace::Normal;
}

} // namespace daxo
