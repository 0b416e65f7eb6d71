#pragma once

#include <string>
#include <vector>

namespace daxo {

// A place at the table: a human with a name, or a computer at a level.
struct Seat {
    enum class Kind { Human, Computer };
    Kind kind = Kind::Human;
    std::string name = {};  // a human's
    std::string level = {}; // a computer's, as levels() names it
    bool human() const { return kind == Kind::Human; }
    friend bool operator==(const Seat&, const Seat&) = default;
};

// One to six players, in the order they play.
inline constexpr int kMostSeats = 6;
using Seats = std::vector<Seat>;

// The places of totals at the end of a game, from 1: equal totals share a
// place, and the next one after them is counted past them (1, 1, 3).
std::vector<int> placesOf(const std::vector<int>& totals);

} // namespace daxo
