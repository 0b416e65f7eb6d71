#include "game.h"

#include "number_text.h"

// The course of a turn and of a game: the throw, the turn reset, the end of
// the game and the new game.

namespace daxo {

void Game::Command1_Click()
{
    if (!isEnabled(Button::Command1))
        return;
    setCaption(Label::Label1, writeNumber(readNumber(caption(Label::Label1)) + 1));

    const std::string& throws = caption(Label::Label1);
    if (throws == "1" || throws == "2" || throws == "3") {
        for (int die = 1; die <= kDieCount; ++die)
            setHoldBox(die, {.enabled = true, .checked = holdBox(die).checked});
    }
    if (throws == "3")
        setEnabled(Button::Command1, false);

    ThrowEvent thrown{.throwNumber = static_cast<int>(readNumber(throws))};
    for (int die = 1; die <= kDieCount; ++die) {
        thrown.held[static_cast<std::size_t>(die - 1)] = holdBox(die).checked;
        if (!holdBox(die).checked)
            setText(dieCell(die), std::to_string(dice_.nextFace()));
    }
    thrown.dice = dice();
    addToRecord(std::move(thrown));
}

void Game::ResetTurn()
{
    for (int die = 1; die <= kDieCount; ++die)
        setText(dieCell(die), "");
    setEnabled(Button::Command1, true);
    setCaption(Label::Label1, "0");
    for (int die = 1; die <= kDieCount; ++die)
        setHoldBox(die, {.enabled = false, .checked = holdBox(die).checked});
    for (int die = 1; die <= kDieCount; ++die)
        setHoldBox(die, {});
    // Placeholders that are not numbers and differ from each other, so that
    // no box rule finds anything on the dice before the first throw.
    const char* const placeholders[kDieCount] = {"a", "b", "c", "d", "e"};
    for (int die = 1; die <= kDieCount; ++die)
        setText(dieCell(die), placeholders[die - 1]);
}

void Game::CheckEndOfGame()
{
    setCaption(Label::Label19, writeNumber(readNumber(caption(Label::Label19)) + 1));
    if (caption(Label::Label19) != "12")
        return;
    if (table_ && !table_->endsTheGame())
        return; // another player's sheet is not full yet
    const GameRecord finished = record_; // a new game may replace it
    askAtEndOfGame();
    notify([&](GameListener& l) { l.gameFinished(finished); });
}

// French for "F" and English for every other code, the empty code of a
// first start included, so that the end of a game is always reported.
void Game::askAtEndOfGame()
{
    const GameTexts& t = texts();
    const Question playAgain{
        .prompt = std::string(t.endBefore) + text(Cell::Text20) + std::string(t.endAfter),
        .title = std::string(t.endTitle),
        .icon = Question::Icon::Exclamation,
    };
    if (questions_.ask(playAgain) == Answer::Yes) {
        Nouveau_Click();
        return;
    }
    const Question quit{
        .prompt = std::string(t.quitPrompt),
        .title = std::string(t.quitTitle),
        .icon = Question::Icon::Question,
    };
    if (questions_.ask(quit) == Answer::Yes)
        notify([](GameListener& l) { l.quitRequested(); });
}

void Game::Nouveau_Click()
{
    const double game = readNumber(caption(Label::Label17)) + 1;
    startRecord(static_cast<int>(game));
    setPanel(1, {std::string(texts().gameNumber), writeNumber(game)});
    setCaption(Label::Label17, writeNumber(game));
    setCaption(Label::Label19, "0");
    for (int n = 1; n <= kButtonCount; ++n)
        setEnabled(button(n), true);

    for (int n = number(Cell::Text6); n <= number(Cell::Text11); ++n)
        setText(cell(n), "");
    setText(Cell::Text12, "0");
    for (int n = number(Cell::Text13); n <= number(Cell::Text20); ++n)
        setText(cell(n), "");

    ResetTurn();
    if (table_)
        table_->newGame();
}

} // namespace daxo
