#include "support/game_fixture.h"

namespace daxo {
namespace {

using test::GameFixture;

TEST_F(GameFixture, ThreeThrowsATurnAndHeldDiceStay)
{
    // At window start the counter reads "Label1", which counts as no throw.
    throwDice({1, 2, 3, 4, 5});
    EXPECT_EQ(game.caption(Label::Label1), "1");
    EXPECT_TRUE(game.holdBox(1).enabled);
    game.setHeld(1, true);
    game.setHeld(4, true);
    throwDice({6, 6, 6});
    EXPECT_EQ(game.dice(), (Dice{"1", "6", "6", "4", "6"}));
    EXPECT_EQ(panel(6), "Total des dés : 23");
    EXPECT_TRUE(game.isEnabled(Button::Command1));

    for (int die = 1; die <= 5; ++die)
        game.setHeld(die, true);
    throwDice({}); // all held: the throw counts, nothing changes
    EXPECT_EQ(game.dice(), (Dice{"1", "6", "6", "4", "6"}));
    EXPECT_FALSE(game.isEnabled(Button::Command1));
    EXPECT_TRUE(game.holdBox(5).enabled);
    game.Command1_Click(); // disabled: nothing is thrown
    EXPECT_EQ(game.caption(Label::Label1), "3");
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
    for (int n = 1; n <= kButtonCount; ++n)
        EXPECT_TRUE(game.isEnabled(button(n))) << n;
    for (int n = number(Cell::Text6); n <= number(Cell::Text20); ++n)
        EXPECT_EQ(text(cell(n)), n == number(Cell::Text12) ? "0" : "") << name(cell(n));
    std::vector<std::string> panels;
    for (int p = 1; p <= 6; ++p)
        panels.push_back(panel(p));
    EXPECT_EQ(panels, (std::vector<std::string>{"Partie n°2", "Sous Total : 0", "Reste pour Bonus : 60", "Bonus : ",
                                                 "Total : ", "Total des dés : 0"}));
    EXPECT_TRUE(placeholders());
    EXPECT_FALSE(game.holdBox(2).checked);

    game.setCaption(Label::Label20, "E");
    game.Nouveau_Click();
    EXPECT_EQ(panel(1), "Game n°3");
}

// The twelve boxes with four 6s and a 5 each turn make 127 points; Full,
// Suite and Daxo are refused and confirmed. "F" and "E" as laid down; every
// other code, the empty code of a first start included, ends the game in
// English too.
TEST(Turns, TheTwelfthBoxEndsTheGame)
{
    for (const std::string code : {"F", "E", "D", ""}) {
        for (const bool playAgain : {true, false}) {
            SCOPED_TRACE('"' + code + '"');
            test::Play play(code);
            for (int n = 2; n <= 13; ++n) {
                if (n == 8 || n == 9 || n == 11)
                    play.answers.queue({Answer::Yes});
                if (n == 13)
                    play.answers.queue(playAgain ? std::vector{Answer::Yes} : std::vector{Answer::No, Answer::No});
                play.throwDice({6, 6, 6, 6, 5});
                play.game.click(button(n));
            }
            const bool french = code == "F";
            const Question end = french ? Question{"Vous avez 127 ! Voulez vous faire une nouvelle partie ?",
                                                   "Fin de la partie", Question::Icon::Exclamation}
                                        : Question{"You are 127 ! Play again ?", "Game over", Question::Icon::Exclamation};
            const Question quit = french ? Question{"Voulez vous quitter ? ", "Quitter", Question::Icon::Question}
                                         : Question{"Quit ? ", "Quit", Question::Icon::Question};
            const auto& asked = play.answers.asked();
            EXPECT_EQ(asked.back(), playAgain ? end : quit);
            // Yes: game 2 on a cleared sheet. No, No: the finished sheet stays,
            // the dice can be thrown, no box can be scored.
            EXPECT_EQ(play.game.caption(Label::Label17), playAgain ? "2" : "1");
            EXPECT_EQ(play.text(Cell::Text20), playAgain ? "" : "127");
            EXPECT_EQ(play.game.isEnabled(Button::Command2), playAgain);
            EXPECT_TRUE(play.game.isEnabled(Button::Command1));
        }
    }
}

} // namespace
} // namespace daxo
