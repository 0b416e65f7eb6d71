#include "expected_score_chart.h"

#include "coach_texts.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace daxo {

QChart* expectedScoreChart(const solver::Judgement& judgement, const CoachTexts& texts)
{
    auto* chart = new QChart;
    chart->setTitle(texts.chartTitle());
    chart->legend()->setAlignment(Qt::AlignBottom);

    // Turn n's decisions lie between n - 1 and n, a third further on for
    // each throw; the line starts from perfect play's expectation.
    auto* expected = new QLineSeries;
    expected->setName(texts.expectedSeries());
    expected->append(0, judgement.expectedAtStart);
    double low = judgement.expectedAtStart;
    double high = judgement.expectedAtStart;
    for (const solver::JudgedDecision& decision : judgement.decisions) {
        expected->append(decision.before.turn - 1 + decision.before.throwsMade / 3.0, decision.expectedFinal);
        low = std::min(low, decision.expectedFinal);
        high = std::max(high, decision.expectedFinal);
    }
    auto* final = new QLineSeries;
    final->setName(texts.scoreSeries(judgement.now.over()));
    final->setPen(QPen(QColor(176, 0, 0), 2, Qt::DashLine));
    final->append(0, judgement.now.scored);
    final->append(12, judgement.now.scored);
    low = std::min<double>(low, judgement.now.scored);
    high = std::max<double>(high, judgement.now.scored);
    chart->addSeries(expected);
    chart->addSeries(final);

    auto* points = new QValueAxis;
    points->setTitleText(texts.pointsAxis());
    points->setRange(std::max(0.0, low - 10), high + 10);
    points->applyNiceNumbers();
    points->setLabelFormat("%d");
    againstTheTurns(*chart, points, texts);
    return chart;
}

void againstTheTurns(QChart& chart, QValueAxis* values, const CoachTexts& texts)
{
    auto* turns = new QValueAxis;
    turns->setTitleText(texts.turnAxis());
    turns->setRange(0, 12);
    turns->setTickCount(13);
    turns->setLabelFormat("%d");
    chart.addAxis(turns, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(turns);
        series->attachAxis(values);
    }
}

} // namespace daxo
