#pragma once

#include <array>
#include <string>

namespace daxo {

// The five dice as the score sheet holds them: texts, "1" to "6" after a
// throw, placeholders between turns, anything at all when typed in cheat
// mode. Every rule compares these texts, so they are the rules' input.
using Dice = std::array<std::string, 5>;

// What the combinations score when they are on the dice.
inline constexpr int kFullScore = 20;
inline constexpr int kSuiteScore = 30;
inline constexpr int kCarreScore = 40;
inline constexpr int kDaxoScore = 50;
// The bonus the number boxes earn once their subtotal reaches the threshold.
inline constexpr int kBonus = 30;
inline constexpr int kBonusThreshold = 60;

// Sum of the dice showing `face` (1 to 6): a die counts when its text is
// exactly the face's digit.
int numberBoxScore(const Dice& dice, int face);

// The numeric values of the five dice added; texts without a number count 0.
double diceSum(const Dice& dice);

// Three dice with equal texts and the other two with equal texts; five equal
// dice pass too.
bool isFull(const Dice& dice);

// Four dice holding the same values one apart from the lowest: 1-2-3-4-5 or
// 2-3-4-5-6 on faces, any run of numbers when typed.
bool isSuite(const Dice& dice);

// At least four dice with equal texts.
bool isCarre(const Dice& dice);

// All five dice with equal texts.
bool isDaxo(const Dice& dice);

} // namespace daxo
