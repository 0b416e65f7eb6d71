#include "support/board_fixture.h"
#include "widgets/status_panel.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <functional>
#include <set>

namespace daxo {
namespace {

using MainWindowTest = test::BoardFixture;

TEST_F(MainWindowTest, StartsAsLaidOutWithEveryControlNamed)
{
    auto named = [&](const char* pattern, int first, int last) {
        for (int n = first; n <= last; ++n)
            find<QWidget>(QString(pattern).arg(n));
    };
    named("Text%1", 1, 20);
    named("Command%1", 1, 14);
    named("Check%1", 1, 5);
    named("Picture%1", 1, 12);
    named("Label%1", 1, 20);
    named("Frame%1", 3, 4);
    for (const char* name : {"Frame1", "Option1", "Option2", "StatusBar1"})
        find<QWidget>(name);
    for (const char* item : {"Fichier", "Nouveau", "Sep", "Imprimer", "prop", "sep2", "quit", "Option", "langues",
                             "Sep3", "Image12", "Aide", "regle", "Sep4", "site", "Daxo", "Mespages", "Sep5", "apropos"})
        EXPECT_NE(window.findChild<QObject*>(item), nullptr) << item;

    EXPECT_EQ(cellText(Cell::Text1), QString::fromUtf8("Dé 1"));
    EXPECT_EQ((QStringList{cellText(Cell::Text12), cellText(Cell::Text13), cellText(Cell::Text20)}),
              (QStringList{"0", "", "0"}));
    EXPECT_EQ(panels(), (QStringList{QString::fromUtf8("Partie n°1"), "Sous Total : ", "Reste pour bonus : ",
                                     "Bonus : ", "Total : ", QString::fromUtf8("Total des dés : ")}));
    EXPECT_EQ(find<QLabel>("Label19")->text(), "0");
    EXPECT_FALSE(find<QCheckBox>("Check1")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>("Text6")->isReadOnly());
    EXPECT_TRUE(dieShows(1, 0));
    for (const char* hidden : {"Text1", "Frame4", "Label1", "Label20", "Picture1", "Picture7"})
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
    EXPECT_TRUE(dieShows(3, 3));
    find<QCheckBox>("Check5")->click();
    throwDice({6, 6, 6, 6});
    throwDice({6, 6, 6, 6});
    EXPECT_EQ(cellText(Cell::Text5), "5");
    EXPECT_TRUE(dieShows(1, 6));
    EXPECT_FALSE(find<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("Check1")->isEnabled());

    click("Command7");
    EXPECT_EQ(cellText(Cell::Text11), "24");
    EXPECT_EQ(panels(), (QStringList{QString::fromUtf8("Partie n°1"), "Sub Total : 24",
                                     "Points remaining for Bonus : 36", "Bonus : 0", "Total : 24",
                                     "Dice's total : 0"}));
    EXPECT_FALSE(find<QPushButton>("Command7")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("Check5")->isEnabled() || find<QCheckBox>("Check5")->isChecked());
    EXPECT_TRUE(dieShows(5, 0));

    // The eleven other boxes; the end of the game offers another.
    playBoxes({Answer::Yes}, 7);
    EXPECT_EQ(messages.answers.asked().back(),
              (Question{"You are 127 ! Play again ?", "Game over", Question::Icon::Exclamation}));
    EXPECT_EQ(panelText(1), QString::fromUtf8("Game n°2"));
    EXPECT_EQ(cellText(Cell::Text20), "");
    EXPECT_TRUE(find<QPushButton>("Command13")->isEnabled());

    // The second game ends with No to another game and Yes to quitting.
    playBoxes({Answer::No, Answer::Yes});
    EXPECT_EQ(messages.answers.asked().back(), (Question{"Quit ? ", "Quit", Question::Icon::Question}));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, QuitButtonAndMenuEndTheProgram)
{
    for (auto quit : std::initializer_list<std::function<void()>>{[&] { click("Command14"); },
                                                                  [&] { find<QAction>("quit")->trigger(); }}) {
        window.show();
        quit();
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(MainWindowTest, MenuShortcutsWorkFromAnywhereInTheWindow)
{
    EXPECT_EQ(find<QAction>("Imprimer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(find<QAction>("regle")->shortcut(), QKeySequence(Qt::Key_F1));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(find<QPushButton>("Command5"), Qt::Key_F2);
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
    // A resize that no window manager stopped, as on a bare X server.
    window.windowHandle()->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.size(), size);
}

// The six panels side by side at their own widths, evenly spaced, none over
// another, within the bar.
TEST_F(MainWindowTest, StatusPanelsKeepTheirWidthsAndTheirDistance)
{
    const int twips[] = {1000, 1500, 2380, 1000, 1000, 1500};
    const QRect bar = find<QStatusBar>("StatusBar1")->rect();
    std::set<int> gaps;
    for (int panel = 1; panel <= 6; ++panel) {
        const QRect place = find<StatusPanel>(QString("Panel%1").arg(panel))->geometry();
        EXPECT_EQ(place.width(), fromTwips(twips[panel - 1])) << panel;
        EXPECT_TRUE(bar.contains(place)) << panel;
        if (panel > 1)
            gaps.insert(place.left() - find<StatusPanel>(QString("Panel%1").arg(panel - 1))->geometry().right() - 1);
    }
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_GT(*gaps.begin(), 0);
}

// A panel too narrow for its text shortens the caption, never the value.
TEST_F(MainWindowTest, AStatusPanelShortensItsCaptionNotItsValue)
{
    window.game().setCaption(Label::Label20, "E");
    window.game().setText(Cell::Text6, "-999999");
    auto* panel = find<StatusPanel>("Panel3");
    const QString shown = panel->shownText();
    EXPECT_EQ(panel->text(), "Points remaining for Bonus : 1000059");
    EXPECT_TRUE(shown.endsWith(" : 1000059") && shown.startsWith("Points")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(shown), panel->contentsRect().width());
    EXPECT_EQ(find<StatusPanel>("Panel2")->shownText(), "Sub Total : -999999");
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
}

} // namespace
} // namespace daxo
