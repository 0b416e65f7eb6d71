#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
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

// How long what a step said stands before the next step, or the end's
// question, comes: the pace's own pause, and for a screen reader's user at
// least as long as speech takes to say `characters` of it, so that every
// step is heard whole.
constexpr std::chrono::milliseconds newsPause(Pace pace, std::size_t characters, bool screenReader)
{
    constexpr std::chrono::milliseconds kSpeechPerCharacter(65);
    const std::chrono::milliseconds speech = screenReader ? kSpeechPerCharacter * static_cast<long>(characters)
                                                          : std::chrono::milliseconds(0);
    return std::max(stepPause(pace), speech);
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
