#include "shell/about_window.h"
#include "support/board_fixture.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

#include <numeric>

namespace daxo {
namespace {

class CheatMode : public test::BoardFixture {
protected:
    void SetUp() override
    {
        window.show();
        windows.about().Image_Click();
    }

    QLineEdit* cell(int n) { return find<QLineEdit>(QString("Text%1").arg(n)); }

    // Types into a cell as the player does: its old text selected and
    // replaced, character by character.
    void type(int n, const QString& text)
    {
        cell(n)->setFocus();
        cell(n)->selectAll();
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
            QApplication::sendEvent(cell(n), &press);
        }
    }

    std::vector<int> openCells()
    {
        std::vector<int> open;
        for (int n = 1; n <= 20; ++n)
            if (!cell(n)->isReadOnly())
                open.push_back(n);
        return open;
    }
};

TEST_F(CheatMode, OptionsUnlockAndLockNineteenCells)
{
    EXPECT_TRUE(openCells().empty());
    find<QRadioButton>("Option1")->click();
    std::vector<int> nineteen(19);
    std::iota(nineteen.begin(), nineteen.end(), 1);
    EXPECT_EQ(openCells(), nineteen);

    // Hiding the cheat controls leaves the cells open.
    windows.about().Image_Click();
    EXPECT_EQ(openCells(), nineteen);

    windows.about().Image_Click();
    find<QRadioButton>("Option2")->click();
    EXPECT_TRUE(openCells().empty());
}

TEST_F(CheatMode, TypedCellsDriveThePicturesTotalsAndPanels)
{
    find<QRadioButton>("Option1")->click();
    type(1, "6");
    EXPECT_TRUE(dieShows(1, 6));
    EXPECT_EQ(panelText(6), "Dice's total : 6");
    type(2, "7");
    EXPECT_TRUE(dieShows(2, 0)) << "a number that is no face leaves the picture";
    EXPECT_EQ(panelText(6), "Dice's total : 13");

    type(6, "62");
    EXPECT_EQ(cellText(Cell::Text12), "62");
    EXPECT_EQ(cellText(Cell::Text13), "30");
    EXPECT_EQ(cellText(Cell::Text20), "92");
    EXPECT_EQ(panelText(3), "Points remaining for Bonus : -2");
    EXPECT_EQ(panelText(5), "Total : 92");

    // A typed box can still be scored by its button, over the typed value.
    throwDice({1, 1, 2, 2, 2});
    click("Command2");
    EXPECT_EQ(cellText(Cell::Text6), "2");
    EXPECT_EQ(cellText(Cell::Text20), "2");
}

TEST_F(CheatMode, HugeAndGarbageTextsAreHarmless)
{
    find<QRadioButton>("Option1")->click();
    type(7, QString(3000, '9'));
    EXPECT_EQ(cellText(Cell::Text12), "1000000000000000");
    type(14, QString::fromUtf8("inf nan 0x1F é ∞ -"));
    type(13, "-1e308");
    EXPECT_EQ(cellText(Cell::Text20), "999999999999999");
    type(1, QString(500, 'x'));
    EXPECT_EQ(panelText(6), "Dice's total : 0");
}

TEST_F(CheatMode, TheGrandTotalIsNeverTyped)
{
    find<QRadioButton>("Option1")->click();
    EXPECT_TRUE(cell(20)->isReadOnly());
    QTest::keyClicks(cell(20), "5");
    EXPECT_EQ(cellText(Cell::Text20), "0");
}

} // namespace
} // namespace daxo
