#include "panels.h"

#include "game/game.h"
#include "game/number_text.h"

namespace daxo {

std::array<std::string, 6> panelTexts(const Game& game, Language language)
{
    const bool french = language == Language::French;
    const std::string subtotal = game.text(Cell::Text12);
    return {
        (french ? "Partie n°" : "Game n°") + game.caption(Label::Label17),
        (french ? "Sous Total : " : "Sub Total : ") + subtotal,
        (french ? "Reste pour Bonus : " : "Points remaining for Bonus : ") + writeNumber(60 - readNumber(subtotal)),
        "Bonus : " + game.text(Cell::Text13),
        "Total : " + game.text(Cell::Text20),
        (french ? "Total des dés : " : "Total dice : ") + writeNumber(diceSum(game.dice())),
    };
}

} // namespace daxo
