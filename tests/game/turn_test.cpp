#include "support/game_fixture.h"

namespace daxo {
namespace {

using test::GameFixture;

// Records the die pictures and quit requests as the game hands them out.
struct ListenerLog final : GameListener {
    std::vector<std::pair<int, int>> copies; // die, face
    int quits = 0;
    void diePictureChanged(int die, int face) override { copies.emplace_back(die, face); }
    void quitRequested() override { ++quits; }
};

TEST_F(GameFixture, ThreeThrowsATurn)
{
    // At window start the counter reads "Label1", which counts as no throw.
    throwDice({1, 2, 3, 4, 5});
    EXPECT_EQ(game.caption(Label::Label1), "1");
    EXPECT_TRUE(game.holdBox(1).enabled);
    throwDice({1, 2, 3, 4, 5});
    EXPECT_TRUE(game.isEnabled(Button::Command1));
    throwDice({6, 6, 6, 6, 6});
    EXPECT_EQ(game.caption(Label::Label1), "3");
    EXPECT_FALSE(game.isEnabled(Button::Command1));
    for (int die = 1; die <= 5; ++die)
        EXPECT_TRUE(game.holdBox(die).enabled);
    game.Command1_Click(); // disabled: nothing is thrown
    EXPECT_EQ(game.caption(Label::Label1), "3");
}

TEST_F(GameFixture, HeldDiceKeepTheirFaces)
{
    throwDice({1, 2, 3, 4, 5});
    game.setHeld(1, true);
    game.setHeld(4, true);
    throwDice({6, 6, 6});
    EXPECT_EQ(game.dice(), (Dice{"1", "6", "6", "4", "6"}));
    EXPECT_EQ(panel(6), "Total des dés : 23");

    for (int die = 1; die <= 5; ++die)
        game.setHeld(die, true);
    throwDice({});
    EXPECT_EQ(game.dice(), (Dice{"1", "6", "6", "4", "6"}));
    EXPECT_FALSE(game.isEnabled(Button::Command1));
}

TEST_F(GameFixture, ResetTurnClearsDiceHoldsAndPictures)
{
    throwDice({2, 3, 4, 5, 6});
    game.setHeld(3, true);
    ListenerLog log;
    game.addListener(log);
    game.ResetTurn();
    game.removeListener(log);

    EXPECT_EQ(game.dice(), (Dice{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(panel(6), "Total des dés : 0");
    for (int die = 1; die <= 5; ++die) {
        EXPECT_EQ(game.holdBox(die), HoldBox{}) << die;
        EXPECT_EQ(game.diePicture(die), 0) << die;
    }
    EXPECT_EQ(game.caption(Label::Label1), "0");
    EXPECT_TRUE(game.isEnabled(Button::Command1));
    // Each cell change redraws the dice from all five texts: five times five
    // as the cells are emptied, then the empty ones again as the
    // placeholders come in, which leave their own die as it is.
    EXPECT_EQ(log.copies.size(), 25u + 4 + 3 + 2 + 1);
    EXPECT_EQ(log.copies.back(), std::make_pair(5, 0));
}

TEST_F(GameFixture, DicePicturesFollowTheCellTexts)
{
    throwDice({6, 1, 2, 3, 4});
    EXPECT_EQ(game.diePicture(1), 6);
    game.setText(Cell::Text1, "7");
    EXPECT_EQ(game.diePicture(1), 6) << "a number that is no face leaves the picture";
    EXPECT_EQ(panel(6), "Total des dés : 17");
    game.setText(Cell::Text1, "");
    EXPECT_EQ(game.diePicture(1), 0);
    game.setText(Cell::Text2, "06");
    EXPECT_EQ(game.diePicture(2), 1);
}

TEST_F(GameFixture, NewGameClearsTheSheetAndCountsTheGame)
{
    throwDice({4, 4, 4, 4, 4});
    game.Command5_Click();
    throwDice({1, 2, 3, 4, 5});
    game.setHeld(2, true);
    game.Nouveau_Click();

    EXPECT_EQ(game.caption(Label::Label17), "2");
    EXPECT_EQ(game.caption(Label::Label19), "0");
    EXPECT_EQ(panel(1), "Partie n°2");
    for (int n = 1; n <= kButtonCount; ++n)
        EXPECT_TRUE(game.isEnabled(button(n))) << n;
    for (int n = number(Cell::Text6); n <= number(Cell::Text19); ++n)
        EXPECT_EQ(text(cell(n)), n == number(Cell::Text12) ? "0" : "") << name(cell(n));
    EXPECT_EQ(text(Cell::Text20), "");
    EXPECT_EQ(panel(2), "Sous Total : 0");
    EXPECT_EQ(panel(3), "Reste pour Bonus : 60");
    EXPECT_EQ(panel(4), "Bonus : ");
    EXPECT_EQ(panel(5), "Total : ");
    EXPECT_EQ(panel(6), "Total des dés : 0");
    EXPECT_EQ(game.dice(), (Dice{"a", "b", "c", "d", "e"}));
    EXPECT_FALSE(game.holdBox(2).checked);
    EXPECT_EQ(game.playerSheetText(Cell::Text9), "");
    EXPECT_EQ(game.playerSheetText(Cell::Text20), "");

    setLanguage("E");
    game.Nouveau_Click();
    EXPECT_EQ(panel(1), "Game n°3");
}

// Plays the twelve boxes with the same dice: four 6s and a 5.
class EndOfGame : public GameFixture, public ::testing::WithParamInterface<std::string> {
protected:
    // Full, Suite and Daxo are refused and confirmed; `endAnswers` answer
    // the questions at the end.
    void playTwelveBoxes(std::initializer_list<Answer> endAnswers)
    {
        for (int n = 2; n <= 13; ++n) {
            if (n == 8 || n == 9 || n == 11)
                answers.queue({Answer::Yes});
            if (n == 13)
                answers.queue(endAnswers);
            throwDice({6, 6, 6, 6, 5});
            game.click(button(n));
        }
    }
    Question endQuestion(const std::string& total) const
    {
        if (GetParam() == "F")
            return {"Vous avez " + total + " ! Voulez vous faire une nouvelle partie ?", "Fin de la partie",
                    Question::Icon::Exclamation};
        return {"You are " + total + " ! Play again ?", "Game over", Question::Icon::Exclamation};
    }
    Question quitQuestion() const
    {
        if (GetParam() == "F")
            return {"Voulez vous quitter ? ", "Quitter", Question::Icon::Question};
        return {"Quit ? ", "Quit", Question::Icon::Question};
    }
};

TEST_P(EndOfGame, YesStartsTheNextGame)
{
    setLanguage(GetParam());
    game.setCaption(Label::Label19, "0");
    playTwelveBoxes({Answer::Yes});
    // 5 + 24 + 40 + 29 + 29 = 127; the last box, Moins, equals the Plus.
    ASSERT_EQ(answers.asked().size(), 4u);
    EXPECT_EQ(answers.asked().back(), endQuestion("127"));
    EXPECT_EQ(game.caption(Label::Label17), "2");
    EXPECT_EQ(text(Cell::Text20), "");
    EXPECT_TRUE(game.isEnabled(Button::Command13));
}

TEST_P(EndOfGame, NoThenYesQuits)
{
    setLanguage(GetParam());
    ListenerLog log;
    game.addListener(log);
    playTwelveBoxes({Answer::No, Answer::Yes});
    game.removeListener(log);
    ASSERT_EQ(answers.asked().size(), 5u);
    EXPECT_EQ(answers.asked().back(), quitQuestion());
    EXPECT_EQ(log.quits, 1);
}

TEST_P(EndOfGame, NoThenNoLeavesTheFinishedSheet)
{
    setLanguage(GetParam());
    playTwelveBoxes({Answer::No, Answer::No});
    EXPECT_EQ(text(Cell::Text20), "127");
    EXPECT_EQ(game.caption(Label::Label19), "12");
    EXPECT_TRUE(game.isEnabled(Button::Command1));
    for (int n = 2; n <= kButtonCount; ++n)
        EXPECT_FALSE(game.isEnabled(button(n))) << n;
    throwDice({1, 1, 1, 1, 1});
    EXPECT_EQ(text(Cell::Text1), "1");
}

// "F" and "E" as laid down; every other code, the empty code of a first
// start included, ends the game in English too.
INSTANTIATE_TEST_SUITE_P(Codes, EndOfGame, ::testing::Values("F", "E", "D", ""));

TEST_F(GameFixture, NoQuestionBeforeTheTwelfthBox)
{
    for (int n = 2; n <= 7; ++n) {
        throwDice({1, 2, 3, 4, 5});
        game.click(button(n));
    }
    EXPECT_TRUE(answers.asked().empty());
    EXPECT_EQ(game.caption(Label::Label19), "6");
}

} // namespace
} // namespace daxo
