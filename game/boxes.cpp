#include "game.h"

#include "number_text.h"

// The twelve boxes of the score sheet. Each scores its cell, uses up its
// button and ends the turn; a combination that is not on the dice is scored
// 0 only when the player confirms.

namespace daxo {

void Game::click(Button b)
{
    switch (b) {
    case Button::Command1: return Command1_Click();
    case Button::Command2: return Command2_Click();
    case Button::Command3: return Command3_Click();
    case Button::Command4: return Command4_Click();
    case Button::Command5: return Command5_Click();
    case Button::Command6: return Command6_Click();
    case Button::Command7: return Command7_Click();
    case Button::Command8: return Command8_Click();
    case Button::Command9: return Command9_Click();
    case Button::Command10: return Command10_Click();
    case Button::Command11: return Command11_Click();
    case Button::Command12: return Command12_Click();
    case Button::Command13: return Command13_Click();
    }
}

void Game::Command2_Click() { scoreNumberBox(Button::Command2, Cell::Text6, 1); }
void Game::Command3_Click() { scoreNumberBox(Button::Command3, Cell::Text7, 2); }
void Game::Command4_Click() { scoreNumberBox(Button::Command4, Cell::Text8, 3); }
void Game::Command5_Click() { scoreNumberBox(Button::Command5, Cell::Text9, 4); }
void Game::Command6_Click() { scoreNumberBox(Button::Command6, Cell::Text10, 5); }
void Game::Command7_Click() { scoreNumberBox(Button::Command7, Cell::Text11, 6); }

void Game::Command8_Click()
{
    scoreCombination(Button::Command8, Cell::Text14, isFull(dice()), kFullScore, texts().noFull);
}

void Game::Command9_Click() { ScoreSuite(); }

void Game::ScoreSuite()
{
    scoreCombination(Button::Command9, Cell::Text15, isSuite(dice()), kSuiteScore, texts().noSuite);
}

void Game::Command10_Click()
{
    scoreCombination(Button::Command10, Cell::Text16, isCarre(dice()), kCarreScore, texts().noCarre);
}

void Game::Command11_Click()
{
    scoreCombination(Button::Command11, Cell::Text17, isDaxo(dice()), kDaxoScore, texts().noDaxo);
}

// Plus. A Moins already scored above the dice sum forces the Plus to 0.
void Game::Command12_Click()
{
    if (!isEnabled(Button::Command12))
        return;
    keepForUndo();
    setText(Cell::Text18, writeNumber(diceSum(dice())));
    if (value(Cell::Text19) > value(Cell::Text18))
        setText(Cell::Text18, "0");
    finishBox(Button::Command12);
}

// Moins. A Plus below the dice sum forces the Moins to 0, unless the Plus is
// still free or was itself scored 0: then it limits nothing.
void Game::Command13_Click()
{
    if (!isEnabled(Button::Command13))
        return;
    keepForUndo();
    const std::string sum = writeNumber(diceSum(dice()));
    setText(Cell::Text19, sum);
    if (value(Cell::Text18) < value(Cell::Text19))
        setText(Cell::Text19, "0");
    if (text(Cell::Text18).empty() || text(Cell::Text18) == "0")
        setText(Cell::Text19, sum);
    finishBox(Button::Command13);
}

void Game::scoreNumberBox(Button b, Cell c, int face)
{
    if (!isEnabled(b))
        return;
    keepForUndo();
    setText(c, writeNumber(numberBoxScore(dice(), face)));
    finishBox(b);
}

void Game::scoreCombination(Button b, Cell c, bool holds, int value, std::string_view missing)
{
    if (!isEnabled(b))
        return;
    if (!holds) {
        const Question refusal{
            .prompt = std::string(missing) + "\r\n" + std::string(texts().refusalQuestion),
            .title = std::string(texts().refusalTitle),
            .icon = Question::Icon::Exclamation,
        };
        if (questions_.ask(refusal) == Answer::No)
            return;
        value = 0;
    }
    keepForUndo();
    setText(c, writeNumber(value));
    finishBox(b);
}

void Game::finishBox(Button b)
{
    addToRecord(ScoreEvent{.box = b, .dice = dice(), .throwsMade = static_cast<int>(readNumber(caption(Label::Label1))),
                           .score = text(scoreCellOf(b))});
    setEnabled(b, false);
    ResetTurn();
    const int game = static_cast<int>(readNumber(caption(Label::Label17)));
    CheckEndOfGame();
    // At a table the board passes, unless the game ended and a new one began.
    if (table_ && readNumber(caption(Label::Label17)) == game)
        table_->boxScored();
}

} // namespace daxo
