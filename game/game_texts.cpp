#include "game_texts.h"

namespace daxo {
namespace {

constexpr GameTexts kFrench{
    .gameNumber = "Partie n°",
    .subtotal = "Sous Total : ",
    .missingBonus = "Reste pour Bonus : ",
    .bonus = "Bonus : ",
    .total = "Total : ",
    .diceTotal = "Total des dés : ",
    .noFull = "Vous n'avez pas de Full",
    .noSuite = "Vous n'avez pas de Suite",
    .noCarre = "Vous n'avez pas de Carré",
    .noDaxo = "Vous n'avez pas de Daxo",
    .refusalQuestion = "Voulez-vous effectuer cette action?",
    .refusalTitle = "Attention !",
    .endBefore = "Vous avez ",
    .endAfter = " ! Voulez vous faire une nouvelle partie ?",
    .endTitle = "Fin de la partie",
    .quitPrompt = "Voulez vous quitter ? ",
    .quitTitle = "Quitter",
};

constexpr GameTexts kEnglish{
    .gameNumber = "Game n°",
    .subtotal = "Sub Total : ",
    .missingBonus = "Points remaining for Bonus : ",
    .bonus = "Bonus : ",
    .total = "Total : ",
    .diceTotal = "Dice's total : ",
    .noFull = "You don't have any Full",
    .noSuite = "You don't have any Sequence",
    .noCarre = "You don't have any Four",
    .noDaxo = "You don't have any Daxo",
    .refusalQuestion = "Are you sure to click?",
    .refusalTitle = "Warning !",
    .endBefore = "You are ",
    .endAfter = " ! Play again ?",
    .endTitle = "Game over",
    .quitPrompt = "Quit ? ",
    .quitTitle = "Quit",
};

} // namespace

const GameTexts& gameTexts(std::string_view languageCode)
{
    return languageCode == "F" ? kFrench : kEnglish;
}

} // namespace daxo
