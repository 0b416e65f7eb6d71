#include "shell/about_window.h"
#include "support/board_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>

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

    // Types into a cell as the player does, its old text replaced.
    void type(int n, const QString& text)
    {
        cell(n)->selectAll();
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
            QApplication::sendEvent(cell(n), &press);
        }
    }

    int openCells()
    {
        int open = 0;
        for (int n = 1; n <= 20; ++n)
            open += cell(n)->isReadOnly() ? 0 : 1 << (n - 1);
        return open;
    }
};

TEST_F(CheatMode, OptionsUnlockAndLockNineteenCells)
{
    constexpr int kTextsOneToNineteen = (1 << 19) - 1; // never the grand total
    EXPECT_EQ(openCells(), 0);
    find<QRadioButton>("Option1")->click();
    EXPECT_EQ(openCells(), kTextsOneToNineteen);
    windows.about().Image_Click(); // hiding the panel leaves them open
    EXPECT_EQ(openCells(), kTextsOneToNineteen);
    windows.about().Image_Click();
    find<QRadioButton>("Option2")->click();
    EXPECT_EQ(openCells(), 0);
}

TEST_F(CheatMode, TypedCellsDriveThePicturesTotalsAndPanels)
{
    find<QRadioButton>("Option1")->click();
    type(1, "6");
    type(2, "7");
    EXPECT_TRUE(dieShows(1, 6));
    EXPECT_TRUE(dieShows(2, 0)) << "a number that is no face leaves the picture";
    EXPECT_EQ(panelText(6), QString::fromUtf8("Total des dés : 13"));

    type(6, "62");
    EXPECT_EQ((QStringList{cellText(Cell::Text12), cellText(Cell::Text20), panelText(3)}),
              (QStringList{"62", "92", "Reste pour Bonus : -2"}));
    // Any text is read safely, pasted at once.
    cell(7)->selectAll();
    cell(7)->insert(QString(3000, '9') + QString::fromUtf8(" inf é"));
    EXPECT_EQ(cellText(Cell::Text12), "1000000000000000");

    // A typed box can still be scored by its button, over the typed value.
    throwDice({1, 1, 2, 2, 2});
    click("Command2");
    EXPECT_EQ(cellText(Cell::Text6), "2");
}

} // namespace
} // namespace daxo
