#include "chances_chart.h"

#include "coach_texts.h"
#include "expected_score_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace daxo {

QChart* chancesChart(const solver::TableCourse& course, const QStringList& players, const CoachTexts& texts)
{
    auto* chart = new QChart;
    chart->setTitle(texts.chancesChartTitle());
    chart->legend()->setAlignment(Qt::AlignBottom);
    const double seats = std::max<double>(1, static_cast<double>(players.size()));
    for (int seat = 0; seat < players.size(); ++seat) {
        auto* line = new QLineSeries;
        line->setName(players[seat]);
        for (const solver::CourseStep& step : course.steps) {
            const double at = step.seat < 0 ? 0 : step.turn - 1 + (step.seat + 1) / seats;
            line->append(at, 100 * step.chances[static_cast<std::size_t>(seat)]);
        }
        chart->addSeries(line);
    }
    auto* chances = new QValueAxis;
    chances->setTitleText(texts.chancesAxis());
    chances->setRange(0, 100);
    chances->setTickCount(6);
    chances->setLabelFormat("%d");
    againstTheTurns(*chart, chances, texts);
    return chart;
}

} // namespace daxo
