#include "panels.h"

#include "game/game.h"
#include "game/number_text.h"
#include "widgets/languages.h"

#include <QCoreApplication>

namespace daxo {

// The panels' words are the game's own; in the languages Daxo added, its
// English words translated, as the game translates them.
std::array<PanelText, 6> panelTexts(const Game& game, const SpokenLanguage& language)
{
    const GameTexts& texts = gameTexts(language.isFrench() ? "F" : "E");
    const auto words = [&](std::string_view english) {
        if (language.isFrench() || language.isEnglish())
            return std::string(english);
        const std::string source(english);
        return QCoreApplication::translate("GameTexts", source.c_str()).toStdString();
    };
    // The language switch words the dice total its own way in English.
    const std::string diceTotal = language.isEnglish() ? "Total dice : " : words(texts.diceTotal);
    const std::string subtotal = game.text(Cell::Text12);
    return {
        PanelText{words(texts.gameNumber), game.caption(Label::Label17)},
        {words(texts.subtotal), subtotal},
        {words(texts.missingBonus), writeNumber(kBonusThreshold - readNumber(subtotal))},
        {words(texts.bonus), game.text(Cell::Text13)},
        {words(texts.total), game.text(Cell::Text20)},
        {diceTotal, writeNumber(diceSum(game.dice()))},
    };
}

} // namespace daxo
