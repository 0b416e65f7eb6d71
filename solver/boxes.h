#pragma once

#include "game/sheet.h"

#include <optional>
#include <string_view>

namespace daxo::solver {

// The twelve boxes of the sheet, in the order the engine numbers them: a
// set of boxes is a mask with bit b for box b.
enum class Box { Ones, Twos, Threes, Fours, Fives, Sixes, Full, Suite, Carre, Daxo, Plus, Moins };
inline constexpr int kBoxCount = 12;
inline constexpr unsigned kAllBoxes = (1u << kBoxCount) - 1;
inline constexpr unsigned kNumberBoxes = 0x3f; // Ones to Sixes

inline constexpr unsigned bit(Box box) { return 1u << static_cast<int>(box); }
inline constexpr int face(Box box) { return static_cast<int>(box) + 1; } // number boxes only
inline constexpr bool isNumberBox(Box box) { return box <= Box::Sixes; }

// The name a box goes by on the command line and in advice: "1" to "6",
// "Full", "Suite", "Carre", "Daxo", "Plus", "Moins".
std::string_view nameOf(Box box);
std::optional<Box> boxNamed(std::string_view name);

// The game's button that scores the box, and back.
Button buttonOf(Box box);
std::optional<Box> boxOf(Button button);

} // namespace daxo::solver
