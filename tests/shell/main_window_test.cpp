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

// The Quit button, the menu item and Yes to the quit question at the end of
// a game all end the program.
TEST_F(MainWindowTest, QuitButtonMenuAndQuestionEndTheProgram)
{
    for (auto quit : std::initializer_list<std::function<void()>>{[&] { click("Command14"); },
                                                                  [&] { find<QAction>("quit")->trigger(); },
                                                                  [&] { playBoxes({Answer::No, Answer::Yes}); }}) {
        window.show();
        quit();
        EXPECT_FALSE(window.isVisible());
    }
}

// Laid out as designed, the throw button holding the focus, and kept at
// its size.
TEST_F(MainWindowTest, KeepsItsLayoutAndFixedSize)
{
    EXPECT_EQ(find<QPushButton>("Command1")->geometry(), QRect(32, 16, 81, 25));
    EXPECT_EQ(find<QLineEdit>("Text20")->geometry(), QRect(312, 368, 89, 25));
    EXPECT_EQ(window.focusWidget(), find<QPushButton>("Command1"));
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
