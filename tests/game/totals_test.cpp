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

} // namespace
} // namespace daxo
