#include "statistics_charts.h"

#include "histogram.h"
#include "scores_texts.h"
#include "solver/perfect_play_statistics.h"
#include "widgets/chart_views.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace daxo {
namespace {

// Beyond this many points of progress, a point each would be clutter: the
// line alone is drawn.
constexpr int kMostMarkedPoints = 30;

QChart* newChart(const QString& title, const ScoresTexts& texts)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocalizeNumbers(true); // "2,5" and "1 000" in French, as in the tables
    chart->setLocale(texts.locale());
    return chart;
}

} // namespace

QChart* scoreHistogram(const HistoryFigures& figures, const solver::PerfectPlayStatistics* perfect,
                       const ScoresTexts& texts)
{
    const bool perfectReady = perfect && !perfect->totals.empty();
    QChart* chart = newChart(perfectReady ? texts.histogramTitle()
                                          : texts.histogramTitle() + " — " + texts.perfectPlayComing(),
                             texts);
    int highest = figures.best;
    if (perfectReady)
        highest = std::max(highest, *std::max_element(perfect->totals.begin(), perfect->totals.end()));
    const int width = figures.binWidth;
    const int bins = std::max(highest, 0) / width + 1;

    auto* yours = new QBarSet(texts.yourGames());
    double most = 0;
    for (int bin = 0; bin < bins; ++bin) {
        const int count = bin < static_cast<int>(figures.scoreCounts.size()) ? figures.scoreCounts[static_cast<std::size_t>(bin)] : 0;
        *yours << count;
        most = std::max<double>(most, count);
    }
    auto* bars = new QBarSeries;
    bars->append(yours);
    chart->addSeries(bars);
    auto* categories = new QBarCategoryAxis;
    for (int bin = 0; bin < bins; ++bin)
        categories->append(texts.count(bin * width));
    categories->setTitleText(texts.scoreAxis());
    categories->setLabelsAngle(-90); // the bins' lower bounds, side by side
    chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);

    auto* counts = new QValueAxis;
    counts->setTitleText(texts.gamesAxis());
    chart->addAxis(counts, Qt::AlignLeft);
    bars->attachAxis(counts);
    if (perfectReady && figures.games > 0) {
        auto* line = new QLineSeries;
        line->setName(texts.perfectPlay());
        line->setPen(QPen(QColor(176, 0, 0), 2));
        const double scale = static_cast<double>(figures.games) / static_cast<double>(perfect->totals.size());
        const std::vector<int> spread = histogram(perfect->totals, width, bins);
        for (int bin = 0; bin < bins; ++bin) {
            const double expected = spread[static_cast<std::size_t>(bin)] * scale;
            line->append(bin, expected);
            most = std::max(most, expected);
        }
        chart->addSeries(line);
        line->attachAxis(categories);
        line->attachAxis(counts);
    }
    setRoundRange(*counts, most, true);
    return chart;
}

QChart* lossChart(const HistoryFigures& figures, const ScoresTexts& texts)
{
    QChart* chart = newChart(texts.lossTitle(), texts);
    chart->legend()->hide();
    auto* line = new QLineSeries;
    const auto& progress = figures.progress;
    const bool marked = static_cast<int>(progress.size()) <= kMostMarkedPoints;
    line->setPointsVisible(marked); // a single game is a point
    double most = 0;
    for (const HistoryFigures::Progress& point : progress) {
        line->append((point.firstGame + point.lastGame) / 2.0, point.meanLoss);
        most = std::max(most, point.meanLoss);
    }
    chart->addSeries(line);
    auto* games = new QValueAxis;
    games->setTitleText(texts.gamesAxis());
    // From the first game to the last; half a game more at each end while
    // the points are drawn, so that none is cut by the chart's edge.
    const int last = std::max(1, figures.judgedGames);
    const double margin = marked ? 0.5 : 0;
    games->setRange(1 - margin, last + margin);
    games->setLabelFormat("%.0f"); // localised labels need a precision
    games->setTickType(QValueAxis::TicksDynamic);
    games->setTickAnchor(0);
    games->setTickInterval(std::max(1.0, roundStep(last - 1, 10)));
    auto* loss = new QValueAxis;
    loss->setTitleText(texts.lossAxis());
    setRoundRange(*loss, most * 1.1, false);
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(loss, Qt::AlignLeft);
    line->attachAxis(games);
    line->attachAxis(loss);
    return chart;
}

} // namespace daxo
