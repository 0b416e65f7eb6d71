#include "statistics_charts.h"

#include "histogram.h"
#include "scores_texts.h"
#include "solver/perfect_play_statistics.h"
#include "widgets/chart_views.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
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
    // Room for the axes' labels in a small window.
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setAlignment(Qt::AlignRight);
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

    // The player's games as a filled staircase over the scores, each step a
    // bin from its lower bound to the next: read off a value axis on round
    // numbers, as bars on categories cannot be.
    auto* steps = new QLineSeries;
    auto* floor = new QLineSeries;
    double most = 0;
    for (int bin = 0; bin < bins; ++bin) {
        const int count =
            bin < static_cast<int>(figures.scoreCounts.size()) ? figures.scoreCounts[static_cast<std::size_t>(bin)] : 0;
        steps->append(bin * width, count);
        steps->append((bin + 1) * width, count);
        most = std::max<double>(most, count);
    }
    floor->append(0, 0);
    floor->append(bins * width, 0);
    auto* yours = new QAreaSeries(steps, floor);
    // The area draws its lines but does not own them: they go with it.
    steps->setParent(yours);
    floor->setParent(yours);
    yours->setName(texts.yourGames());
    yours->setColor(QColor(32, 159, 223));
    yours->setBorderColor(QColor(32, 159, 223).darker(130));
    chart->addSeries(yours);

    auto* scores = new QValueAxis;
    scores->setTitleText(texts.scoreAxis());
    scores->setRange(0, bins * width);
    scores->setTickType(QValueAxis::TicksDynamic);
    scores->setTickAnchor(0);
    scores->setTickInterval(roundStep(bins * width, 8));
    scores->setLabelFormat("%.0f");
    chart->addAxis(scores, Qt::AlignBottom);
    yours->attachAxis(scores);
    auto* counts = new QValueAxis;
    counts->setTitleText(texts.gamesAxis());
    chart->addAxis(counts, Qt::AlignLeft);
    yours->attachAxis(counts);

    if (perfectReady && figures.games > 0) {
        auto* line = new QLineSeries;
        line->setName(texts.perfectPlay());
        line->setPen(QPen(QColor(176, 0, 0), 2));
        const double scale = static_cast<double>(figures.games) / static_cast<double>(perfect->totals.size());
        const std::vector<int> spread = histogram(perfect->totals, width, bins);
        for (int bin = 0; bin < bins; ++bin) {
            const double expected = spread[static_cast<std::size_t>(bin)] * scale;
            line->append((bin + 0.5) * width, expected);
            most = std::max(most, expected);
        }
        chart->addSeries(line);
        line->attachAxis(scores);
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
