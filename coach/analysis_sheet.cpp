#include "analysis_sheet.h"

#include "chances_chart.h"
#include "coach_texts.h"
#include "expected_score_chart.h"
#include "widgets/fonts.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLabel>
#include <QVBoxLayout>

namespace daxo {
namespace {

constexpr int kWidth = 700;

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// Every decision as rows of a table, small enough for a page.
QString decisionTable(const solver::Judgement& judgement, const CoachTexts& texts)
{
    QString html = "<table cellspacing=0 cellpadding=2 border=1 width=100%><tr>";
    for (const QString& header : texts.decisionHeaders())
        html += "<th>" + escaped(header) + "</th>";
    html += "</tr>";
    for (const solver::JudgedDecision& decision : judgement.decisions) {
        const bool costly = CoachTexts::isCostly(decision.chosen.loss);
        html += "<tr><td align=center>" + QString::number(decision.before.turn) + "</td><td align=center>" +
                escaped(texts.throwNumber(decision.before.throwsMade)) + "</td><td>" +
                escaped(texts.diceShown(decision.before.dice)) + "</td><td>" + escaped(texts.action(decision.chosen)) +
                "</td><td>" + escaped(texts.action(decision.best)) + "</td><td align=right>" +
                (costly ? "<b>" : "") + escaped(texts.points(decision.chosen.loss)) + (costly ? "</b>" : "") +
                "</td></tr>";
    }
    return html + "</table>";
}

QChartView* printedChart(QChart* drawn)
{
    // Played back on a printer, the legend's clip of its own items cut away
    // the colour keys and a name; on paper it has nothing to scroll.
    drawn->legend()->setFlag(QGraphicsItem::ItemClipsChildrenToShape, false);
    auto* chart = new QChartView(drawn);
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setFixedHeight(260);
    return chart;
}

} // namespace

AnalysisSheet::AnalysisSheet(const QString& title, const solver::Judgement& judgement, const CoachTexts& texts,
                             const CourseShown& course)
{
    setAttribute(Qt::WA_DontShowOnScreen);
    setObjectName("PrintAnalyse");
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(sansFont(8.25));

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title);
    heading->setFont(sansFont(14, QFont::Bold));
    layout->addWidget(heading);
    auto* summary = new QLabel(texts.summary(judgement));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    layout->addWidget(printedChart(expectedScoreChart(judgement, texts)));
    if (course.course && !course.course->steps.empty()) {
        if (const std::optional<std::size_t> won = course.course->winningStep()) {
            auto* said = new QLabel(texts.wonAt(*course.course, *won, course.players));
            said->setWordWrap(true);
            layout->addWidget(said);
        }
        layout->addWidget(printedChart(chancesChart(*course.course, course.players, texts)));
    }

    auto* table = new QLabel(decisionTable(judgement, texts));
    table->setTextFormat(Qt::RichText);
    table->setFont(sansFont(7));
    layout->addWidget(table);

    setFixedWidth(kWidth);
    adjustSize();
    setFixedSize(kWidth, sizeHint().height());
}

} // namespace daxo
