#include "coach/analysis_sheet.h"
#include "coach/coach_texts.h"
#include "coach/coach_window.h"
#include "solver/game_analysis.h"
#include "support/board_fixture.h"
#include "support/eventually.h"
#include "widgets/mark_overlay.h"
#include "widgets/sheet_printing.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QPainter>
#include <QPicture>
#include <QTest>

namespace daxo {
namespace {

using solver::Action;

using test::eventually;

class CoachTest : public test::BoardFixture {
protected:
    CoachTest() { strategies.release(); }

    const solver::Strategy& table() { return test::wholeTable(); }

    void askForHint() { find<QAction>("conseil")->trigger(); }

    std::vector<QString> marked()
    {
        std::vector<QString> names;
        for (QWidget* control : window.findChild<MarkOverlay*>("marks")->marked())
            names.push_back(control->objectName());
        return names;
    }

    // The judgement of the game in play, as the engine gives it.
    solver::Judgement judged() { return solver::judge(window.game().record(), table()); }

    CoachWindow& openCoach()
    {
        window.entraineur_Click();
        CoachWindow& coach = windows.coachWindow();
        EXPECT_TRUE(eventually([&] { return coach.findChild<QLabel*>("Attendu")->isVisible(); }));
        return coach;
    }

    QString text(QWidget& in, const char* name) { return in.findChild<QLabel*>(name)->text(); }
};

// On paper as on the screen, the chart's legend shows each line's colour
// and name: the page is played back from a recording, and what the screen
// clips by itself must not be lost on the way.
TEST_F(CoachTest, ThePrintedAnalysisDrawsItsLegendAsTheScreenDoes)
{
    playBoxes({Answer::No, Answer::No});
    const solver::Judgement judgement = judged();
    AnalysisSheet sheet("Analyse de la partie", judgement, CoachTexts("F"));
    const QImage direct = sheet.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage played(sheet.size(), QImage::Format_RGB32);
    played.fill(Qt::white);
    QPainter painter(&played);
    painter.drawPicture(0, 0, sheetDrawing(sheet));
    painter.end();

    const auto* view = sheet.findChild<QChartView*>();
    ASSERT_NE(view, nullptr);
    const QRectF inScene = view->chart()->legend()->sceneBoundingRect();
    const QRect legend(view->mapTo(&sheet, view->mapFromScene(inScene.topLeft())), inScene.size().toSize());
    ASSERT_FALSE(legend.isEmpty());
    int differing = 0;
    for (int y = legend.top(); y <= legend.bottom(); ++y) {
        for (int x = legend.left(); x <= legend.right(); ++x) {
            const QColor a = direct.pixelColor(x, y), b = played.pixelColor(x, y);
            differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 96;
        }
    }
    EXPECT_LT(differing, legend.width() * legend.height() / 100) << "of " << legend.width() * legend.height();
}

// Opening the coach window, from the menu or at the start of a run, leaves
// the keyboard on the board: its keys go on working.
TEST_F(CoachTest, TheCoachWindowLeavesTheKeyboardToTheBoard)
{
    table(); // worked out now, not while the windows are being shown
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    find<QAction>("entraineur")->trigger();
    ASSERT_TRUE(windows.coachWindow().isVisible());
    EXPECT_TRUE(eventually([&] { return QApplication::activeWindow() == &window; }));
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(marked(), std::vector<QString>{"Command1"}) << "the hint's key";
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_EQ(window.game().caption(Label::Label17), "2");

    // A window manager that activates every window it maps gets no say;
    // the player who goes to the window later does.
    windows.coachWindow().close();
    find<QAction>("entraineur")->trigger();
    windows.coachWindow().activateWindow();
    QTest::qWait(100);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    QTest::qWait(500);
    windows.coachWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows.coachWindow()));
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &windows.coachWindow());

    windows.keepForNextRun();
    windows.coachWindow().close();
    Windows next{dice, messages, printers, strategies};
    next.main().show();
    next.main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&next.main()));
    next.restoreCoachWindow();
    ASSERT_TRUE(next.coachWindow().isVisible());
    EXPECT_TRUE(eventually([&] { return QApplication::activeWindow() == &next.main(); }));
}

} // namespace
} // namespace daxo
