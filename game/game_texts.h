#pragma once

#include <string_view>

namespace daxo {

// The texts the game writes itself: status-bar prefixes and questions. They
// are French for the language code "F" and English for every other code,
// but for the languages Daxo added, in which each English text is
// translated.
struct GameTexts {
    std::string_view gameNumber;     // panel 1, followed by the game number
    std::string_view subtotal;       // panel 2, followed by the subtotal
    std::string_view missingBonus;   // panel 3, followed by the points missing
    std::string_view bonus;          // panel 4, followed by the bonus
    std::string_view total;          // panel 5, followed by the grand total
    std::string_view diceTotal;      // panel 6, followed by the dice total

    std::string_view noFull;         // first line of each refusal
    std::string_view noSuite;
    std::string_view noCarre;
    std::string_view noDaxo;
    std::string_view refusalQuestion;
    std::string_view refusalTitle;

    std::string_view endBefore;      // end message: endBefore + total + endAfter
    std::string_view endAfter;
    std::string_view endTitle;
    std::string_view quitPrompt;
    std::string_view quitTitle;
};

const GameTexts& gameTexts(std::string_view languageCode);

// Every text of GameTexts, in the order it declares them.
inline constexpr std::string_view GameTexts::*kGameTexts[] = {
    &GameTexts::gameNumber, &GameTexts::subtotal,    &GameTexts::missingBonus,    &GameTexts::bonus,
    &GameTexts::total,      &GameTexts::diceTotal,   &GameTexts::noFull,          &GameTexts::noSuite,
    &GameTexts::noCarre,    &GameTexts::noDaxo,      &GameTexts::refusalQuestion, &GameTexts::refusalTitle,
    &GameTexts::endBefore,  &GameTexts::endAfter,    &GameTexts::endTitle,        &GameTexts::quitPrompt,
    &GameTexts::quitTitle,
};

} // namespace daxo
