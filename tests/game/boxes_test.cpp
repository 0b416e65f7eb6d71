#include "support/game_fixture.h"

#include <tuple>

namespace daxo {
namespace {

using test::GameFixture;
using test::Play;
using Faces = std::array<int, 5>;

TEST(Boxes, ScoreTheirRuleAndEndTheTurn)
{
    // One row per rule; a refused combination is confirmed and scores 0.
    const std::tuple<Faces, Button, Cell, std::string, bool> rows[] = {
        {{3, 3, 5, 3, 1}, Button::Command4, Cell::Text8, "9", false},
        {{3, 3, 5, 3, 1}, Button::Command7, Cell::Text11, "0", false},
        {{6, 6, 6, 6, 6}, Button::Command7, Cell::Text11, "30", false},
        {{1, 2, 2, 4, 6}, Button::Command2, Cell::Text6, "1", false},
        {{5, 5, 5, 2, 2}, Button::Command8, Cell::Text14, "20", false},
        {{6, 2, 4, 3, 5}, Button::Command9, Cell::Text15, "30", false},
        {{6, 1, 6, 6, 6}, Button::Command10, Cell::Text16, "40", false},
        {{4, 4, 4, 4, 4}, Button::Command11, Cell::Text17, "50", false},
        {{6, 5, 6, 4, 1}, Button::Command12, Cell::Text18, "22", false},
        {{1, 1, 2, 1, 1}, Button::Command13, Cell::Text19, "6", false},
        {{6, 1, 6, 6, 6}, Button::Command8, Cell::Text14, "0", true},
        {{1, 2, 3, 4, 4}, Button::Command9, Cell::Text15, "0", true},
        {{5, 5, 5, 2, 2}, Button::Command10, Cell::Text16, "0", true},
        {{1, 2, 3, 4, 5}, Button::Command11, Cell::Text17, "0", true},
    };
    for (const auto& [faces, box, cell, score, refused] : rows) {
        SCOPED_TRACE(name(box) + " on " + std::to_string(faces[0]) + std::to_string(faces[1]) +
                     std::to_string(faces[2]) + std::to_string(faces[3]) + std::to_string(faces[4]));
        Play play;
        play.throwDice(faces);
        if (refused)
            play.answers.queue({Answer::Yes});
        play.game.click(box);
        EXPECT_EQ(play.text(cell), score);
        // The box is used and the turn over: placeholders, no throw, one box more.
        EXPECT_EQ(std::tuple(play.game.isEnabled(box), play.placeholders(), play.game.caption(Label::Label1),
                             play.game.caption(Label::Label19), play.game.isEnabled(Button::Command1)),
                  std::tuple(false, true, "0", "1", true));
    }
}

TEST_F(GameFixture, ARefusalAnsweredNoChangesNothing)
{
    throwDice({5, 5, 5, 2, 2});
    game.setHeld(2, true);
    answers.queue({Answer::No});
    game.Command10_Click();
    EXPECT_EQ(std::tuple(text(Cell::Text16), game.isEnabled(Button::Command10), game.caption(Label::Label1),
                         game.caption(Label::Label19)),
              std::tuple("", true, "1", "Label19"));
    throwDice({1, 1, 1, 1}); // the turn goes on, the held die stays
    EXPECT_EQ(game.dice(), (Dice{"1", "5", "1", "1", "1"}));
}

TEST(Boxes, RefusalsSpeakTheLanguageOfTheCode)
{
    const std::tuple<std::string, Button, std::string, std::string> rows[] = {
        {"F", Button::Command8, "Vous n'avez pas de Full\r\nVoulez-vous effectuer cette action?", "Attention !"},
        {"E", Button::Command9, "You don't have any Sequence\r\nAre you sure to click?", "Warning !"},
        {"D", Button::Command10, "You don't have any Four\r\nAre you sure to click?", "Warning !"},
        {"", Button::Command8, "You don't have any Full\r\nAre you sure to click?", "Warning !"},
    };
    for (const auto& [code, box, prompt, title] : rows) {
        Play play(code);
        play.answers.queue({Answer::No});
        play.game.click(box);
        EXPECT_EQ(play.answers.asked(), (std::vector<Question>{{prompt, title, Question::Icon::Exclamation}}));
    }
}

// At window start the dice hold their start texts, later the placeholders:
// neither counts, nor forms a combination. A Plus scored so limits nothing.
TEST_F(GameFixture, NothingIsOnTheDiceBeforeTheFirstThrow)
{
    for (Button box : {Button::Command3, Button::Command5, Button::Command12})
        game.click(box);
    EXPECT_EQ(text(Cell::Text7) + text(Cell::Text9) + text(Cell::Text18), "000");
    answers.queue({Answer::No, Answer::No, Answer::No, Answer::No});
    for (Button box : {Button::Command8, Button::Command9, Button::Command10, Button::Command11})
        game.click(box);
    EXPECT_EQ(answers.asked().size(), 4u);
    throwDice({5, 5, 5, 5, 4});
    game.Command13_Click();
    EXPECT_EQ(text(Cell::Text19), "24");
}

// The Moins must not exceed the Plus: whichever is scored second is forced
// to 0 when it would break the rule; equal sums stand.
TEST(Boxes, MoinsPlusRuleInBothOrders)
{
    constexpr Faces k20{4, 4, 4, 4, 4}, k24{6, 6, 6, 3, 3}, k18{6, 6, 2, 2, 2}, k5{1, 1, 1, 1, 1};
    const Button plus = Button::Command12, moins = Button::Command13;
    const std::tuple<Button, Faces, Button, Faces, std::string, std::string> rows[] = {
        {plus, k20, moins, k24, "20", "0"},  {moins, k24, plus, k20, "0", "24"}, {plus, k18, moins, k18, "18", "18"},
        {moins, k18, plus, k18, "18", "18"}, {plus, k24, moins, k20, "24", "20"}, {moins, k5, plus, k24, "24", "5"},
    };
    for (const auto& [first, firstFaces, second, secondFaces, plusScore, moinsScore] : rows) {
        Play play;
        play.throwDice(firstFaces);
        play.game.click(first);
        play.throwDice(secondFaces);
        play.game.click(second);
        EXPECT_EQ(std::pair(play.text(Cell::Text18), play.text(Cell::Text19)), std::pair(plusScore, moinsScore))
            << name(first) << " first";
    }
}

TEST_F(GameFixture, AUsedBoxCannotBeScoredAgain)
{
    throwDice({6, 6, 6, 6, 6});
    game.Command7_Click();
    throwDice({1, 1, 1, 1, 1});
    game.Command7_Click();
    EXPECT_EQ(std::pair(text(Cell::Text11), game.caption(Label::Label19)), std::pair(std::string("30"), std::string("1")));
}

} // namespace
} // namespace daxo
