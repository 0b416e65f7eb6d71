#include "boxes.h"

#include <array>

namespace daxo::solver {
namespace {

constexpr std::array<std::string_view, kBoxCount> kNames{"1",    "2",     "3",     "4",    "5",    "6",
                                                         "Full", "Suite", "Carre", "Daxo", "Plus", "Moins"};
// Command2 to Command7 score the number boxes, then Command8 Full, Command9
// Suite, Command10 Carré, Command11 Daxo, Command12 Plus, Command13 Moins:
// the engine's order plus two.
constexpr int kFirstBoxButton = 2;

} // namespace

std::string_view nameOf(Box box) { return kNames[static_cast<std::size_t>(box)]; }

std::optional<Box> boxNamed(std::string_view name)
{
    for (int b = 0; b < kBoxCount; ++b) {
        if (kNames[static_cast<std::size_t>(b)] == name)
            return static_cast<Box>(b);
    }
    return std::nullopt;
}

Button buttonOf(Box box) { return button(static_cast<int>(box) + kFirstBoxButton); }

std::optional<Box> boxOf(Button b)
{
    const int n = number(b) - kFirstBoxButton;
    if (n < 0 || n >= kBoxCount)
        return std::nullopt;
    return static_cast<Box>(n);
}

} // namespace daxo::solver
