#include "support/game_fixture.h"

#include <tuple>

namespace daxo {
namespace {

using test::GameFixture;

TEST(Totals, TheBonusFollowsTheSubtotal)
{
    const std::tuple<std::string, std::string, std::string, std::string, std::string> rows[] = {
        {"F", "59", "0", "Sous Total : 59", "Reste pour Bonus : 1"},
        {"F", "60", "30", "Sous Total : 60", "Reste pour Bonus : 0"},
        {"F", "75", "30", "Sous Total : 75", "Reste pour Bonus : -15"},
        {"E", "63", "30", "Sub Total : 63", "Points remaining for Bonus : -3"},
        {"", "59", "0", "Sub Total : 59", "Points remaining for Bonus : 1"},
    };
    for (const auto& [code, subtotal, bonus, panel2, panel3] : rows) {
        test::Play play(code);
        play.game.setText(Cell::Text6, subtotal);
        EXPECT_EQ((std::array{play.text(Cell::Text12), play.text(Cell::Text13), play.panel(2), play.panel(3),
                              play.panel(4)}),
                  (std::array{subtotal, bonus, panel2, panel3, "Bonus : " + bonus}));
    }
}

TEST_F(GameFixture, ALowerBoxChangesOnlyTheTotalAndItsPanel)
{
    throwDice({2, 2, 2, 3, 3});
    const std::array before{panel(2), panel(3), panel(4)};
    game.Command8_Click();
    EXPECT_EQ(text(Cell::Text20), "20");
    EXPECT_EQ(panel(5), "Total : 20");
    EXPECT_EQ((std::array{panel(2), panel(3), panel(4)}), before);
    EXPECT_EQ(text(Cell::Text13), "") << "the bonus waits for the subtotal to change";
}

TEST_F(GameFixture, HugeAndHostileTypedTextsSaturateAndReadBack)
{
    const std::string huge(5000, '9');
    for (int n = number(Cell::Text6); n <= number(Cell::Text19); ++n)
        if (n != number(Cell::Text12) && n != number(Cell::Text13))
            game.setText(cell(n), huge);
    EXPECT_EQ(text(Cell::Text12), "1000000000000000");
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
    EXPECT_EQ(text(Cell::Text20), "-999999999999999.5");
    EXPECT_EQ(panel(3), "Reste pour Bonus : 1000000000000060");
}

// Each score cell counts in the grand total, and the number boxes in the
// subtotal too, the player's sheet following; a cell left out of a sum is
// seen at once.
TEST(Totals, EachScoreCellCountsInItsSums)
{
    for (int n = number(Cell::Text6); n <= number(Cell::Text19); ++n) {
        const Cell scored = cell(n);
        if (scored == Cell::Text12 || scored == Cell::Text13)
            continue;
        test::Play play;
        play.game.setText(scored, "7");
        const bool numberBox = n <= number(Cell::Text11);
        EXPECT_EQ(std::tuple(play.text(Cell::Text12), play.text(Cell::Text20), play.game.playerSheetText(scored),
                             play.game.playerSheetText(Cell::Text20)),
                  std::tuple(numberBox ? "7" : "0", "7", "7", "7"))
            << name(scored);
    }
}

// Whole sheets: the subtotal, the bonus from 60 on, the total with and
// without it, the panels and the player's sheet.
TEST(Totals, WholeSheetsWithAndWithoutTheBonus)
{
    struct Row {
        std::array<int, 12> boxes; // Text6 to Text11, then Text14 to Text19
        std::string subtotal, bonus, total, missing;
    };
    const Row rows[] = {
        {{3, 6, 9, 12, 15, 18, 20, 30, 40, 50, 25, 10}, "63", "30", "268", "-3"},
        {{5, 10, 15, 20, 10, 0, 0, 0, 0, 0, 5, 5}, "60", "30", "100", "0"},
        {{4, 10, 15, 20, 10, 0, 0, 0, 0, 0, 5, 5}, "59", "0", "69", "1"},
        {{1, 2, 3, 4, 5, 6, 20, 0, 40, 0, 30, 5}, "21", "0", "116", "39"},
        {{5, 10, 15, 20, 25, 30, 20, 30, 40, 50, 30, 30}, "105", "30", "335", "-45"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("subtotal " + row.subtotal);
        test::Play play;
        for (std::size_t box = 0; box < row.boxes.size(); ++box)
            play.game.setText(scoreCellOf(button(static_cast<int>(box) + 2)), std::to_string(row.boxes[box]));
        EXPECT_EQ((std::array{play.text(Cell::Text12), play.text(Cell::Text13), play.text(Cell::Text20)}),
                  (std::array{row.subtotal, row.bonus, row.total}));
        EXPECT_EQ((std::array{play.panel(2), play.panel(3), play.panel(4), play.panel(5)}),
                  (std::array{"Sous Total : " + row.subtotal, "Reste pour Bonus : " + row.missing,
                              "Bonus : " + row.bonus, "Total : " + row.total}));
        for (int n = number(Cell::Text6); n <= number(Cell::Text20); ++n)
            EXPECT_EQ(play.game.playerSheetText(cell(n)), play.text(cell(n))) << name(cell(n));
    }
}

} // namespace
} // namespace daxo
