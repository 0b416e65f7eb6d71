#include "shell/about_window.h"
#include "shell/rules_window.h"
#include "support/board_fixture.h"
#include "widgets/secondary_window.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

namespace daxo {
namespace {

using SecondaryWindows = test::BoardFixture;

// A window is never squeezed below what its contents need, even when more
// comes to show in it once it is open, and grown, it stays on the screen.
TEST_F(SecondaryWindows, GrowWithWhatTheyHoldAndStayOnTheScreen)
{
    window.show();
    SecondaryWindow grown(window, "Essai", QSize(400, 240), QSize(300, 200), SecondaryWindow::Keyboard::Leaves);
    auto* layout = new QVBoxLayout(&grown);
    auto* part = new QWidget;
    part->setMinimumHeight(100);
    layout->addWidget(part);
    showNotModal(grown);
    QCoreApplication::processEvents();
    const QRect room = grown.screen()->availableGeometry();
    for (const int needed : {150, room.height() - 80}) {
        part->setMinimumHeight(needed);
        QCoreApplication::processEvents();
        // What a window manager is told it may shrink the window to.
        EXPECT_GE(grown.minimumHeight(), layout->minimumSize().height());
        EXPECT_GE(part->height(), needed);
        EXPECT_TRUE(room.contains(grown.frameGeometry())) << needed;
    }
}

// Whether `window` comes to hold the keyboard.
bool becomesActive(const QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
}

// A window that came while a question was up goes back to the window shown
// last before it, the question gone. (Handing the keyboard back among the
// program's own windows is the window scripts'.)
TEST_F(SecondaryWindows, OneShownOverAQuestionHandsTheKeyboardBackPastIt)
{
    window.show();
    find<QAction>("apropos")->trigger();
    ASSERT_TRUE(becomesActive(windows.findAbout()));
    QWidget question;
    question.show();
    ASSERT_TRUE(becomesActive(&question));
    find<QAction>("regle")->trigger();
    question.close();
    windows.findRules()->close();
    EXPECT_TRUE(becomesActive(windows.findAbout()));
}

} // namespace
} // namespace daxo
