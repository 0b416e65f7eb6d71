#include "support/game_fixture.h"

namespace daxo {
namespace {

using test::GameFixture;

struct Bonus {
    std::string code;
    std::string subtotal;
    std::string bonus;
    std::string panel2;
    std::string panel3;
};

class BonusThreshold : public GameFixture, public ::testing::WithParamInterface<Bonus> {};

TEST_P(BonusThreshold, FollowsTheSubtotal)
{
    const Bonus& b = GetParam();
    setLanguage(b.code);
    game.setText(Cell::Text6, b.subtotal);
    EXPECT_EQ(text(Cell::Text12), b.subtotal);
    EXPECT_EQ(text(Cell::Text13), b.bonus);
    EXPECT_EQ(panel(2), b.panel2);
    EXPECT_EQ(panel(3), b.panel3);
    EXPECT_EQ(panel(4), "Bonus : " + b.bonus);
}

INSTANTIATE_TEST_SUITE_P(Subtotals, BonusThreshold, ::testing::Values(
    Bonus{"F", "59", "0", "Sous Total : 59", "Reste pour Bonus : 1"},
    Bonus{"F", "60", "30", "Sous Total : 60", "Reste pour Bonus : 0"},
    Bonus{"F", "75", "30", "Sous Total : 75", "Reste pour Bonus : -15"},
    Bonus{"E", "59", "0", "Sub Total : 59", "Points remaining for Bonus : 1"},
    Bonus{"E", "63", "30", "Sub Total : 63", "Points remaining for Bonus : -3"},
    Bonus{"", "60", "30", "Sub Total : 60", "Points remaining for Bonus : 0"}));

TEST_F(GameFixture, ScoresRunThroughSubtotalBonusAndTotal)
{
    throwDice({6, 6, 6, 6, 2});
    game.Command7_Click();
    EXPECT_EQ(text(Cell::Text12), "24");
    EXPECT_EQ(text(Cell::Text13), "0");
    EXPECT_EQ(text(Cell::Text20), "24");
    EXPECT_EQ(panel(5), "Total : 24");

    game.setText(Cell::Text10, "40");
    EXPECT_EQ(text(Cell::Text12), "64");
    EXPECT_EQ(text(Cell::Text13), "30");
    EXPECT_EQ(text(Cell::Text20), "94");
    EXPECT_EQ(panel(4), "Bonus : 30");
}

TEST_F(GameFixture, ALowerBoxChangesOnlyTheTotalAndItsPanel)
{
    throwDice({2, 2, 2, 3, 3});
    const std::string panels[] = {panel(2), panel(3), panel(4)};
    game.Command8_Click();
    EXPECT_EQ(text(Cell::Text20), "20");
    EXPECT_EQ(panel(5), "Total : 20");
    EXPECT_EQ(panel(2), panels[0]);
    EXPECT_EQ(panel(3), panels[1]);
    EXPECT_EQ(panel(4), panels[2]);
    // The bonus cell stays empty until the subtotal first changes.
    EXPECT_EQ(text(Cell::Text13), "");
}

TEST_F(GameFixture, DiceTotalPanelSpeaksTheLanguageOfTheCode)
{
    throwDice({1, 2, 3, 4, 6});
    EXPECT_EQ(panel(6), "Total des dés : 16");
    for (const char* code : {"E", "D", ""}) {
        setLanguage(code);
        game.setText(Cell::Text5, "5");
        game.setText(Cell::Text5, "6");
        EXPECT_EQ(panel(6), "Dice's total : 16") << '"' << code << '"';
    }
}

TEST_F(GameFixture, PlayerSheetFollowsEveryTotalChange)
{
    throwDice({5, 5, 5, 1, 1});
    game.Command6_Click();
    throwDice({5, 5, 5, 1, 1});
    game.Command8_Click();
    for (int n = number(Cell::Text6); n <= number(Cell::Text20); ++n)
        EXPECT_EQ(game.playerSheetText(cell(n)), text(cell(n))) << name(cell(n));
}

TEST_F(GameFixture, PlayerSheetLagsAChangeThatLeavesTheTotal)
{
    // A 0 typed into an empty number box leaves the subtotal at its "0", so
    // no total is recomputed and the sheet still shows the empty cell.
    game.setText(Cell::Text6, "0");
    EXPECT_EQ(game.playerSheetText(Cell::Text6), "");
    EXPECT_EQ(game.playerSheetText(Cell::Text20), "0");

    throwDice({3, 3, 3, 3, 3});
    game.Command11_Click();
    EXPECT_EQ(game.playerSheetText(Cell::Text6), "0");
    EXPECT_EQ(game.playerSheetText(Cell::Text17), "50");
    EXPECT_EQ(game.playerSheetText(Cell::Text20), "50");
}

TEST_F(GameFixture, TypedTotalsStandUntilTheGameWritesThem)
{
    game.setText(Cell::Text12, "65");
    EXPECT_EQ(text(Cell::Text13), "30");
    EXPECT_EQ(text(Cell::Text20), "95");
    game.setText(Cell::Text13, "100");
    EXPECT_EQ(text(Cell::Text20), "165");
    EXPECT_EQ(panel(4), "Bonus : 100");
    game.setText(Cell::Text12, "not a number");
    EXPECT_EQ(text(Cell::Text13), "0");
    EXPECT_EQ(panel(3), "Reste pour Bonus : 60");
    game.setText(Cell::Text7, "2");
    EXPECT_EQ(text(Cell::Text12), "2");
}

TEST_F(GameFixture, HugeAndHostileTypedTextsSaturateAndReadBack)
{
    const std::string huge(5000, '9');
    for (Cell c : {Cell::Text6, Cell::Text7, Cell::Text8, Cell::Text9, Cell::Text10, Cell::Text11, Cell::Text14,
                   Cell::Text15, Cell::Text16, Cell::Text17, Cell::Text18, Cell::Text19})
        game.setText(c, huge);
    EXPECT_EQ(text(Cell::Text12), "1000000000000000");
    EXPECT_EQ(text(Cell::Text13), "30");
    EXPECT_EQ(text(Cell::Text20), "1000000000000000");
    EXPECT_EQ(panel(3), "Reste pour Bonus : -999999999999940");

    for (Cell c : {Cell::Text7, Cell::Text8, Cell::Text9, Cell::Text10, Cell::Text11, Cell::Text14, Cell::Text18,
                   Cell::Text19})
        game.setText(c, "");
    game.setText(Cell::Text6, "-" + huge);
    game.setText(Cell::Text15, "inf");
    game.setText(Cell::Text16, "nan");
    game.setText(Cell::Text17, "0.5");
    EXPECT_EQ(text(Cell::Text12), "-1000000000000000");
    EXPECT_EQ(text(Cell::Text13), "0");
    EXPECT_EQ(text(Cell::Text20), "-999999999999999.5");
    EXPECT_EQ(panel(3), "Reste pour Bonus : 1000000000000060");
}

} // namespace
} // namespace daxo
