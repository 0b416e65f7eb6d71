#pragma once

#include "game/sheet.h"

#include <array>
#include <string>

namespace daxo {

class Game;

// The six status-bar panels as a change of language writes them, from the
// game number, the subtotal, the bonus, the total and the dice.
struct SpokenLanguage;
std::array<PanelText, 6> panelTexts(const Game& game, const SpokenLanguage& language);

} // namespace daxo
