#include "panels.h"

#include "game/game.h"
#include "game/number_text.h"

namespace daxo {

std::array<PanelText, 6> panelTexts(const Game& game, Language language)
{
    const bool french = language == Language::French;
    const GameTexts& texts = gameTexts(french ? "F" : "E");
    // The language switch words the dice total its own way in English.
    const std::string diceTotal = french ? std::string(texts.diceTotal) : "Total dice : ";
    const std::string subtotal = game.text(Cell::Text12);
    return {
        PanelText{std::string(texts.gameNumber), game.caption(Label::Label17)},
        {std::string(texts.subtotal), subtotal},
        {std::string(texts.missingBonus), writeNumber(kBonusThreshold - readNumber(subtotal))},
        {std::string(texts.bonus), game.text(Cell::Text13)},
        {std::string(texts.total), game.text(Cell::Text20)},
        {diceTotal, writeNumber(diceSum(game.dice()))},
    };
}

} // namespace daxo
