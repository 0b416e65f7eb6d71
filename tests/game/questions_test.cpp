// Every question the game asks, in both languages, with both answers: what
// is asked, and what each answer leads to.

#include "support/game_fixture.h"


namespace daxo {
namespace {

using test::Play;

struct Refusal {
    Button box;
    Cell cell;
    std::string french;
    std::string english;
};

const Refusal kRefusals[] = {
    {Button::Command8, Cell::Text14, "Vous n'avez pas de Full", "You don't have any Full"},
    {Button::Command9, Cell::Text15, "Vous n'avez pas de Suite", "You don't have any Sequence"},
    {Button::Command10, Cell::Text16, "Vous n'avez pas de Carré", "You don't have any Four"},
    {Button::Command11, Cell::Text17, "Vous n'avez pas de Daxo", "You don't have any Daxo"},
};

// Yes scores the box 0 and ends the turn; No leaves the game exactly as it
// was, the held die and the throw count included.
TEST(Questions, EachRefusalInBothLanguagesWithBothAnswers)
{
    for (const Refusal& refusal : kRefusals) {
        for (const std::string code : {"F", "E"}) {
            for (const Answer answer : {Answer::Yes, Answer::No}) {
                SCOPED_TRACE(name(refusal.box) + " " + code + (answer == Answer::Yes ? " Yes" : " No"));
                Play play(code);
                play.throwDice({1, 2, 2, 4, 6}); // no combination at all
                play.game.setHeld(3, true);
                play.answers.queue({answer});
                play.game.click(refusal.box);
                const bool french = code == "F";
                const Question asked{(french ? refusal.french : refusal.english) + "\r\n" +
                                         (french ? "Voulez-vous effectuer cette action?" : "Are you sure to click?"),
                                     french ? "Attention !" : "Warning !", Question::Icon::Exclamation};
                EXPECT_EQ(play.answers.asked(), std::vector<Question>{asked});
                const bool scored = answer == Answer::Yes;
                const std::string expectedCell = scored ? "0" : "";
                const std::string throws = scored ? "0" : "1";
                const std::string boxes = scored ? "1" : "Label19";
                EXPECT_EQ(play.text(refusal.cell), expectedCell);
                EXPECT_EQ(play.game.isEnabled(refusal.box), !scored);
                EXPECT_EQ(play.game.caption(Label::Label1), throws);
                EXPECT_EQ(play.game.caption(Label::Label19), boxes);
                EXPECT_EQ(play.game.holdBox(3).checked, !scored);
                EXPECT_EQ(play.placeholders(), scored);
            }
        }
    }
}

// Told when the player wants to end the program.
struct QuitListener final : GameListener {
    void quitRequested() override { ++quits; }
    int quits = 0;
};

// The twelfth box: the end message with the total; Yes starts the next
// game; No asks whether to quit, where Yes ends the program and No leaves
// the finished sheet.
TEST(Questions, TheEndOfAGameWithEveryAnswer)
{
    struct Row {
        std::vector<Answer> answers;
        bool newGame;
        bool quit;
    };
    const Row rows[] = {
        {{Answer::Yes}, true, false},
        {{Answer::No, Answer::Yes}, false, true},
        {{Answer::No, Answer::No}, false, false},
    };
    for (const std::string code : {"F", "E"}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(code + " after " + std::to_string(row.answers.size()) + " answers");
            Play play(code);
            QuitListener listener;
            play.game.addListener(listener);
            for (int n = 2; n <= 13; ++n) {
                // Each combination holds: no refusal comes before the end.
                play.throwDice(n == 9 ? std::vector{1, 2, 3, 4, 5} : std::vector{6, 6, 6, 6, 6});
                if (n == 13)
                    play.answers.queue(row.answers);
                play.game.click(button(n));
            }
            play.game.removeListener(listener);
            const bool french = code == "F";
            std::vector<Question> asked{
                french ? Question{"Vous avez 230 ! Voulez vous faire une nouvelle partie ?", "Fin de la partie",
                                  Question::Icon::Exclamation}
                       : Question{"You are 230 ! Play again ?", "Game over", Question::Icon::Exclamation}};
            if (!row.newGame)
                asked.push_back(french ? Question{"Voulez vous quitter ? ", "Quitter", Question::Icon::Question}
                                       : Question{"Quit ? ", "Quit", Question::Icon::Question});
            EXPECT_EQ(play.answers.asked(), asked);
            EXPECT_EQ(listener.quits, row.quit ? 1 : 0);
            EXPECT_EQ(play.game.caption(Label::Label17), row.newGame ? "2" : "1");
            EXPECT_EQ(play.text(Cell::Text20), row.newGame ? "" : "230");
        }
    }
}

// No box before the twelfth asks anything. The twelfth asks in English for
// every code that is not French, the third code and the empty one too, so
// that no game ends unseen.
TEST(Questions, OnlyTheTwelfthBoxAsks)
{
    for (const std::string code : {"D", ""}) {
        Play play(code);
        for (int n = 2; n <= 12; ++n) {
            play.throwDice(n == 9 ? std::vector{1, 2, 3, 4, 5} : std::vector{6, 6, 6, 6, 6});
            play.game.click(button(n));
        }
        EXPECT_TRUE(play.answers.asked().empty());
        play.throwDice({6, 6, 6, 6, 6});
        play.answers.queue({Answer::No, Answer::No});
        play.game.click(Button::Command13);
        ASSERT_EQ(play.answers.asked().size(), 2u);
        EXPECT_EQ(play.answers.asked().front().title, "Game over");
    }
}

} // namespace
} // namespace daxo
