#include "coach/analysis_sheet.h"
#include "coach/coach_texts.h"
#include "solver/game_analysis.h"
#include "support/board_fixture.h"
#include "widgets/sheet_printing.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QPainter>
#include <QPicture>

namespace daxo {
namespace {

using CoachTest = test::BoardFixture;

// On paper as on the screen, the chart's legend shows each line's colour
// and name: the page is played back from a recording, and what the screen
// clips by itself must not be lost on the way.
TEST_F(CoachTest, ThePrintedAnalysisDrawsItsLegendAsTheScreenDoes)
{
    strategies.release();
    playBoxes({Answer::No, Answer::No});
    const solver::Judgement judgement = solver::judge(window.game().record(), test::wholeTable());
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

} // namespace
} // namespace daxo
