#include "game_texts.h"

// The English texts are the source of the translations of the languages
// Daxo added: marked here for the catalogues' tools, which take this mark
// for Qt's QT_TRANSLATE_NOOP.
#define DAXO_TRANSLATABLE(context, text) text

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
    //: The first panel of the status bar, followed at once by the game's number ("Game n°3"), in 67 pixels.
    .gameNumber = DAXO_TRANSLATABLE("GameTexts", "Game n°"),
    //: A panel of the status bar, followed by the points of the boxes 1 to 6. Keep the space at its end; the panel is 100 pixels wide.
    .subtotal = DAXO_TRANSLATABLE("GameTexts", "Sub Total : "),
    //: A panel of the status bar, followed by the points the boxes 1 to 6 still lack for the bonus. Keep the space at its end; the panel is 159 pixels wide.
    .missingBonus = DAXO_TRANSLATABLE("GameTexts", "Points remaining for Bonus : "),
    //: A panel of the status bar, followed by the bonus, 0 or 30. Keep the space at its end; the panel is 67 pixels wide.
    .bonus = DAXO_TRANSLATABLE("GameTexts", "Bonus : "),
    //: A panel of the status bar, followed by the sheet's total. Keep the space at its end; the panel is 67 pixels wide.
    .total = DAXO_TRANSLATABLE("GameTexts", "Total : "),
    //: A panel of the status bar, followed by the total of the dice shown. Keep the space at its end; the panel is 100 pixels wide.
    .diceTotal = DAXO_TRANSLATABLE("GameTexts", "Dice's total : "),
    //: A message box's first line when a box is scored without its combination: Full is the box's caption on the board.
    .noFull = DAXO_TRANSLATABLE("GameTexts", "You don't have any Full"),
    //: A message box's first line when a box is scored without its combination: Sequence is the box's caption on the board.
    .noSuite = DAXO_TRANSLATABLE("GameTexts", "You don't have any Sequence"),
    //: A message box's first line when a box is scored without its combination: Four is the box's caption on the board.
    .noCarre = DAXO_TRANSLATABLE("GameTexts", "You don't have any Four"),
    //: A message box's first line when a box is scored without its combination: Daxo is the box's caption on the board.
    .noDaxo = DAXO_TRANSLATABLE("GameTexts", "You don't have any Daxo"),
    //: The same message box's question: score the box for 0 points anyway?
    .refusalQuestion = DAXO_TRANSLATABLE("GameTexts", "Are you sure to click?"),
    //: The same message box's title.
    .refusalTitle = DAXO_TRANSLATABLE("GameTexts", "Warning !"),
    //: The end of a game's message: this text, the total, then the text that follows ("You are 144 ! Play again ?"). Keep the space at its end.
    .endBefore = DAXO_TRANSLATABLE("GameTexts", "You are "),
    //: The end of a game's message, after the total: it asks whether to play a new game. Keep the space at its start.
    .endAfter = DAXO_TRANSLATABLE("GameTexts", " ! Play again ?"),
    //: The end of a game's message box: its title.
    .endTitle = DAXO_TRANSLATABLE("GameTexts", "Game over"),
    //: The question asked when the player quits during a game.
    .quitPrompt = DAXO_TRANSLATABLE("GameTexts", "Quit ? "),
    //: The title of the question asked when the player quits.
    .quitTitle = DAXO_TRANSLATABLE("GameTexts", "Quit"),
};

} // namespace

const GameTexts& gameTexts(std::string_view languageCode)
{
    return languageCode == "F" ? kFrench : kEnglish;
}

} // namespace daxo
