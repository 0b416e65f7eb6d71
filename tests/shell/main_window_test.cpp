#include "support/board_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace daxo {
namespace {

using MainWindowTest = test::BoardFixture;

TEST_F(MainWindowTest, EveryControlCarriesItsName)
{
    EXPECT_EQ(window.objectName(), "Daxo");
    EXPECT_EQ(window.windowTitle(), "Daxo");
    for (int n = 1; n <= 20; ++n)
        find<QLineEdit>(QString("Text%1").arg(n));
    for (int n = 1; n <= 14; ++n)
        find<QPushButton>(QString("Command%1").arg(n));
    for (int n = 1; n <= 5; ++n)
        find<QCheckBox>(QString("Check%1").arg(n));
    for (int n = 1; n <= 12; ++n)
        find<PictureBox>(QString("Picture%1").arg(n));
    for (const char* frame : {"Frame1", "Frame3", "Frame4"})
        find<QGroupBox>(frame);
    for (const char* option : {"Option1", "Option2"})
        find<QRadioButton>(option);
    for (int n = 1; n <= 20; ++n)
        find<QLabel>(QString("Label%1").arg(n));
    find<QStatusBar>("StatusBar1");
    for (const char* menu : {"Fichier", "Option", "Aide", "site"})
        find<QMenu>(menu);
    for (const char* item : {"Nouveau", "Sep", "Imprimer", "prop", "sep2", "quit", "langues", "Sep3", "Image12",
                             "regle", "Sep4", "Daxo", "Mespages", "Sep5", "apropos"})
        find<QAction>(item);
}

TEST_F(MainWindowTest, StartsAsLaidOut)
{
    EXPECT_EQ(cellText(Cell::Text1), QString::fromUtf8("Dé 1"));
    EXPECT_EQ(cellText(Cell::Text12), "0");
    EXPECT_EQ(cellText(Cell::Text20), "0");
    EXPECT_EQ(cellText(Cell::Text13), "");
    EXPECT_EQ(panelText(1), QString::fromUtf8("Partie n°1"));
    EXPECT_EQ(panelText(3), "Reste pour bonus : ");
    EXPECT_EQ(find<QLabel>("Label19")->text(), "0");
    for (int n = 1; n <= 5; ++n) {
        EXPECT_FALSE(find<QCheckBox>(QString("Check%1").arg(n))->isEnabled());
        EXPECT_TRUE(find<QLineEdit>(QString("Text%1").arg(n))->isHidden());
        EXPECT_TRUE(dieShows(n, 0));
    }
    EXPECT_TRUE(find<QGroupBox>("Frame4")->isHidden());
    EXPECT_TRUE(find<QLineEdit>("Text6")->isReadOnly());
    for (const char* hidden : {"Label1", "Label17", "Label18", "Label19", "Label20", "Picture1", "Picture7"})
        EXPECT_TRUE(find<QWidget>(hidden)->isHidden()) << hidden;
    EXPECT_EQ(find<QPushButton>("Command1")->geometry(), QRect(32, 16, 81, 25));
    EXPECT_EQ(find<QLineEdit>("Text20")->geometry(), QRect(312, 368, 89, 25));
    EXPECT_EQ(window.focusWidget(), find<QPushButton>("Command1"));
}

TEST_F(MainWindowTest, AWholeGameThroughTheButtons)
{
    window.show();

    // A first turn of three throws, holding the 5 after the first.
    throwDice({1, 2, 3, 4, 5});
    EXPECT_EQ(panelText(6), "Dice's total : 15"); // no language chosen yet: English
    for (int die = 1; die <= 5; ++die)
        EXPECT_TRUE(dieShows(die, die)) << die;
    EXPECT_EQ(find<PictureBox>("Picture10")->accessibleName(), QString::fromUtf8("Dé 3, face 3"));
    find<QCheckBox>("Check5")->click();
    throwDice({6, 6, 6, 6});
    throwDice({6, 6, 6, 6});
    EXPECT_EQ(cellText(Cell::Text5), "5");
    EXPECT_TRUE(dieShows(1, 6));
    EXPECT_FALSE(find<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("Check1")->isEnabled());

    click("Command7");
    EXPECT_EQ(cellText(Cell::Text11), "24");
    EXPECT_EQ(cellText(Cell::Text12), "24");
    EXPECT_EQ(cellText(Cell::Text13), "0");
    EXPECT_EQ(cellText(Cell::Text20), "24");
    EXPECT_EQ(panelText(2), "Sub Total : 24");
    EXPECT_EQ(panelText(3), "Points remaining for Bonus : 36");
    EXPECT_EQ(panelText(4), "Bonus : 0");
    EXPECT_EQ(panelText(5), "Total : 24");
    EXPECT_EQ(panelText(6), "Dice's total : 0");
    EXPECT_FALSE(find<QPushButton>("Command7")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("Check5")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("Check5")->isChecked());
    for (int die = 1; die <= 5; ++die)
        EXPECT_TRUE(dieShows(die, 0)) << die;

    // The eleven other boxes; the end of the game offers another.
    playBoxes({Answer::Yes}, 7);
    const Question end{"You are 127 ! Play again ?", "Game over", Question::Icon::Exclamation};
    EXPECT_EQ(messages.answers.asked().back(), end);
    EXPECT_EQ(panelText(1), QString::fromUtf8("Game n°2"));
    EXPECT_EQ(cellText(Cell::Text20), "");
    EXPECT_EQ(cellText(Cell::Text11), "");
    EXPECT_TRUE(find<QPushButton>("Command13")->isEnabled());

    // The second game ends with No to another game and Yes to quitting.
    playBoxes({Answer::No, Answer::Yes});
    const Question quit{"Quit ? ", "Quit", Question::Icon::Question};
    EXPECT_EQ(messages.answers.asked().back(), quit);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, QuitButtonAndMenuEndTheProgram)
{
    window.show();
    click("Command14");
    EXPECT_FALSE(window.isVisible());
    window.show();
    find<QAction>("quit")->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, MenuShortcutsWorkFromAnywhereInTheWindow)
{
    EXPECT_EQ(find<QAction>("Nouveau")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(find<QAction>("Imprimer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(find<QAction>("regle")->shortcut(), QKeySequence(Qt::Key_F1));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(find<QPushButton>("Command5"), Qt::Key_F2);
    EXPECT_EQ(find<QLabel>("Label17")->text(), "2");
    find<QLineEdit>("Text9")->setFocus();
    QTest::keyClick(find<QLineEdit>("Text9"), Qt::Key_F2);
    EXPECT_EQ(panelText(1), QString::fromUtf8("Game n°3"));
}

TEST_F(MainWindowTest, KeepsItsFixedSize)
{
    window.show();
    const QSize size = window.size();
    EXPECT_EQ(window.minimumSize(), size);
    EXPECT_EQ(window.maximumSize(), size);
    EXPECT_EQ(find<QWidget>("board")->size(), QSize(584, 427));
    EXPECT_EQ(find<QStatusBar>("StatusBar1")->size(), QSize(584, 17));

    window.resize(900, 700);
    EXPECT_EQ(window.size(), size);
    // A resize that no window manager stopped, as on a bare X server.
    window.windowHandle()->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.size(), size);
}

TEST_F(MainWindowTest, AnAddressThatCannotBeOpenedIsReported)
{
    QList<QUrl> opened;
    window.setUrlOpener([&](const QUrl& url) {
        opened << url;
        return opened.size() == 1;
    });
    find<QAction>("Daxo")->trigger();
    EXPECT_TRUE(messages.notices.isEmpty());
    find<QAction>("Mespages")->trigger();
    ASSERT_EQ(messages.notices.size(), 1);
    EXPECT_TRUE(messages.notices.front().contains(opened.back().toString())) << messages.notices.front().toStdString();
    EXPECT_TRUE(find<QAction>("Daxo")->text().startsWith("&"));
}

} // namespace
} // namespace daxo
