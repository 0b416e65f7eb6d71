#include "support/game_fixture.h"

#include <tuple>

namespace daxo {
namespace {

using test::GameFixture;
using test::Play;

// Everything of a game that can be seen, field by field.
struct Seen {
    std::vector<std::string> texts, captions, panels, sheet;
    std::vector<bool> enabled;
    std::vector<HoldBox> holds;
    std::vector<int> pictures;
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen seen(const Game& game)
{
    Seen s;
    for (int n = 1; n <= kCellCount; ++n) {
        s.texts.push_back(game.text(cell(n)));
        s.sheet.push_back(game.playerSheetText(cell(n)));
    }
    for (int n = 1; n <= kButtonCount; ++n)
        s.enabled.push_back(game.isEnabled(button(n)));
    for (int die = 1; die <= kDieCount; ++die) {
        s.holds.push_back(game.holdBox(die));
        s.pictures.push_back(game.diePicture(die));
    }
    for (const Label label : {Label::Label1, Label::Label17, Label::Label19})
        s.captions.push_back(game.caption(label));
    for (int panel = 1; panel <= kPanelCount; ++panel)
        s.panels.push_back(game.panel(panel).text());
    return s;
}

// Each kind of box, scored then taken back and scored again: the game is
// each time exactly as it was, field by field.
TEST(Undo, TakesBackEveryKindOfBoxAndScoresItAgain)
{
    using Faces = std::array<int, 5>;
    const std::tuple<const char*, Faces, Button, bool> rows[] = {
        {"a number box", {3, 3, 5, 3, 1}, Button::Command4, false},
        {"a Full", {2, 2, 2, 5, 5}, Button::Command8, false},
        {"a Suite refused, taken for 0", {1, 2, 3, 4, 6}, Button::Command9, true},
        {"a Carré", {6, 6, 1, 6, 6}, Button::Command10, false},
        {"a Daxo", {4, 4, 4, 4, 4}, Button::Command11, false},
        {"a Plus", {6, 5, 6, 4, 1}, Button::Command12, false},
        {"a Moins forced to 0 under the Plus", {6, 6, 6, 6, 6}, Button::Command13, false},
        {"the sixes that earn the bonus", {6, 6, 6, 6, 2}, Button::Command7, false},
    };
    for (const auto& [what, faces, box, refused] : rows) {
        SCOPED_TRACE(what);
        Play play;
        // Before it, a Plus of 22 and a subtotal of 40: the Moins is limited,
        // and 24 sixes take the subtotal past 60.
        play.throwDice({6, 5, 6, 4, 1});
        if (box != Button::Command12)
            play.game.Command12_Click();
        play.game.setText(Cell::Text6, "4");
        play.game.setText(Cell::Text9, "36");
        play.throwDice(faces);
        play.game.setHeld(2, true);
        const Seen before = seen(play.game);
        if (refused)
            play.answers.queue({Answer::Yes});
        play.game.click(box);
        const Seen after = seen(play.game);
        ASSERT_NE(after, before);
        EXPECT_TRUE(play.game.canUndo());
        play.game.undo();
        EXPECT_EQ(seen(play.game), before);
        EXPECT_TRUE(play.game.canRedo());
        play.game.redo();
        EXPECT_EQ(seen(play.game), after);
        EXPECT_TRUE(play.game.record().assisted());
    }
}

// Back box by box to the start of the game, and forward again; the twelfth
// box too, once its end-of-game questions are answered No.
TEST_F(GameFixture, UndoGoesBackToTheStartAndRedoForward)
{
    std::vector<Seen> states{seen(game)};
    for (int n = 2; n <= 13; ++n) {
        if (n == 8 || n == 9 || n == 11)
            answers.queue({Answer::Yes});
        if (n == 13)
            answers.queue({Answer::No, Answer::No});
        throwDice({6, 6, 6, 6, 5});
        states.push_back(seen(game));
        game.click(button(n));
    }
    const Seen end = seen(game);
    EXPECT_EQ(game.caption(Label::Label19), "12");
    for (int n = 13; n >= 2; --n) {
        ASSERT_TRUE(game.canUndo()) << n;
        game.undo();
        EXPECT_EQ(seen(game), states[static_cast<std::size_t>(n - 1)]) << n;
    }
    EXPECT_FALSE(game.canUndo());
    for (int n = 2; n <= 13; ++n)
        game.redo();
    EXPECT_EQ(seen(game), end);
    EXPECT_FALSE(game.canRedo());
}

// A throw is never undone: undo takes the dice back with the sheet, and
// the same actions throw the same dice again. A new action ends redo; a new
// game ends undo.
TEST_F(GameFixture, AfterUndoTheSameActionsThrowTheSameDice)
{
    throwDice({1, 1, 1, 1, 1});
    game.Command2_Click();
    throwDice({2, 2, 3, 2, 2});
    game.setHeld(3, true);
    throwDice({4, 4, 4, 4});
    game.undo();
    EXPECT_EQ(game.dice(), (Dice{"1", "1", "1", "1", "1"})) << "back to the dice of the box's own turn";
    game.Command3_Click(); // another box
    EXPECT_FALSE(game.canRedo()) << "a new action";
    game.Command1_Click(); // nothing scripted: the same dice again
    EXPECT_EQ(game.dice(), (Dice{"2", "2", "3", "2", "2"}));
    game.setHeld(1, true);
    game.Command1_Click(); // other holds: the same faces, on other dice
    EXPECT_EQ(game.dice(), (Dice{"2", "4", "4", "4", "4"}));
    EXPECT_TRUE(game.canUndo());
    game.Nouveau_Click();
    EXPECT_FALSE(game.canUndo());
}

// Restoring tells the listeners of every difference once, and runs no
// chain: a chain would write the subtotal, the bonus and the total again.
TEST_F(GameFixture, UndoTellsEachChangeOnceAndRunsNoChain)
{
    struct Counting : GameListener {
        std::map<std::string, int> texts;
        void textChanged(Cell c, const std::string&) override { ++texts[name(c)]; }
    } heard;
    throwDice({5, 5, 5, 2, 2});
    game.Command6_Click();
    game.addListener(heard);
    game.undo();
    game.removeListener(heard);
    // The fives, the subtotal, the bonus, the total, and the dice.
    EXPECT_EQ(heard.texts, (std::map<std::string, int>{{"Text1", 1}, {"Text2", 1}, {"Text3", 1}, {"Text4", 1},
                                                        {"Text5", 1}, {"Text10", 1}, {"Text12", 1}, {"Text13", 1},
                                                        {"Text20", 1}}));
}

} // namespace
} // namespace daxo
