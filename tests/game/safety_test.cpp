#include "support/game_fixture.h"

#include <climits>
#include <functional>

namespace daxo {
namespace {

using test::GameFixture;

// Counts what it hears, and may act on the game while it hears it.
struct Counting : GameListener {
    void captionChanged(Label, const std::string&) override
    {
        ++heard;
        if (onHearing)
            onHearing();
    }
    int heard = 0;
    std::function<void()> onHearing;
};

// A window that opens another, or closes itself, while the game tells it of
// a change: every listener still present hears each change once, a removed
// one no more, and one added hears from the next change on.
TEST_F(GameFixture, ListenersMayComeAndGoWhileTheyAreTold)
{
    Counting first, second, third, added;
    for (Counting* listener : {&first, &second, &third})
        game.addListener(*listener);
    first.onHearing = [&] {
        game.removeListener(first);
        game.removeListener(second);
        game.addListener(added);
    };
    game.setCaption(Label::Label17, "5");
    EXPECT_EQ((std::array{first.heard, second.heard, third.heard, added.heard}), (std::array{1, 0, 1, 0}));
    game.setCaption(Label::Label17, "6");
    EXPECT_EQ((std::array{first.heard, second.heard, third.heard, added.heard}), (std::array{1, 0, 2, 1}));
    game.removeListener(third);
    game.removeListener(added);
}

// Numbers out of range read as an untouched control and write nothing:
// just past each end of each kind of control, and far away.
TEST_F(GameFixture, ControlNumbersOutOfRangeAreHarmless)
{
    auto outside = [](int first, int last) { return std::array{first - 1, last + 1, INT_MIN, INT_MAX}; };
    for (const int die : outside(1, kDieCount)) {
        EXPECT_EQ(game.holdBox(die), HoldBox{});
        EXPECT_EQ(game.diePicture(die), 0);
        game.setHeld(die, true);
    }
    for (const int panel : outside(1, kPanelCount)) {
        EXPECT_EQ(game.panel(panel), PanelText{});
        game.setPanel(panel, {"x", "y"});
    }
    for (const int n : outside(1, kCellCount)) {
        EXPECT_EQ(game.text(cell(n)), "");
        EXPECT_EQ(game.playerSheetText(cell(n)), "");
        game.setText(cell(n), "9");
        EXPECT_FALSE(game.typeText(cell(n), "9"));
    }
    for (const int n : outside(1, kButtonCount)) {
        EXPECT_FALSE(game.isEnabled(button(n)));
        game.click(button(n));
    }
    for (const int n : outside(0, kLabelCount - 1)) {
        EXPECT_EQ(game.caption(static_cast<Label>(n)), "");
        game.setCaption(static_cast<Label>(n), "9");
    }
    EXPECT_EQ(game.text(Cell::Text20), "0");
    EXPECT_EQ(game.caption(Label::Label1), "Label1");
}

} // namespace
} // namespace daxo
