#include "statistics_window.h"

#include "game/game.h"
#include "game_statistics.h"
#include "history_keeper.h"
#include "perfect_play_source.h"
#include "scores_texts.h"
#include "widgets/box_names.h"
#include "widgets/chart_views.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace daxo {
namespace {

constexpr int kBinWidth = 20;

// The player's scores as bars, and perfect play's spread over as many
// games as a line.
QChart* scoreHistogram(const GameStatistics& statistics, const solver::PerfectPlayStatistics* perfect,
                       const ScoresTexts& texts)
{
    int highest = statistics.best;
    if (perfect && !perfect->totals.empty())
        highest = std::max(highest, *std::max_element(perfect->totals.begin(), perfect->totals.end()));
    const int bins = highest / kBinWidth + 1;

    auto* chart = new QChart;
    chart->setTitle(texts.histogramTitle());
    auto* yours = new QBarSet(texts.yourGames());
    for (const int count : histogram(statistics.scores, kBinWidth, bins))
        *yours << count;
    auto* bars = new QBarSeries;
    bars->append(yours);
    chart->addSeries(bars);
    auto* categories = new QBarCategoryAxis;
    for (int bin = 0; bin < bins; ++bin)
        categories->append(QString::number(bin * kBinWidth));
    categories->setTitleText(texts.scoreAxis());
    categories->setLabelsAngle(-90); // the bins' lower bounds, side by side
    chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);

    auto* counts = new QValueAxis;
    counts->setTitleText(texts.gamesAxis());
    counts->setLabelFormat("%d");
    chart->addAxis(counts, Qt::AlignLeft);
    bars->attachAxis(counts);
    double most = 1;
    for (const int count : histogram(statistics.scores, kBinWidth, bins))
        most = std::max<double>(most, count);
    if (perfect && !perfect->totals.empty()) {
        auto* line = new QLineSeries;
        line->setName(texts.perfectPlay());
        line->setPen(QPen(QColor(176, 0, 0), 2));
        const double scale = static_cast<double>(std::max(statistics.games, 1)) / static_cast<double>(perfect->totals.size());
        const std::vector<int> spread = histogram(perfect->totals, kBinWidth, bins);
        for (int bin = 0; bin < bins; ++bin) {
            const double expected = spread[static_cast<std::size_t>(bin)] * scale;
            line->append(bin, expected);
            most = std::max(most, expected);
        }
        chart->addSeries(line);
        line->attachAxis(categories);
        line->attachAxis(counts);
    }
    // Whole games on the axis: up to five ticks one apart, else five apart.
    const int top = std::max(1, static_cast<int>(std::ceil(most)));
    const int axisTop = top <= 5 ? top : (top + 4) / 5 * 5;
    counts->setRange(0, axisTop);
    counts->setTickCount(top <= 5 ? top + 1 : 6);
    return chart;
}

QChart* lossChart(const GameStatistics& statistics, const ScoresTexts& texts)
{
    auto* chart = new QChart;
    chart->setTitle(texts.lossTitle());
    chart->legend()->hide();
    chart->setLocalizeNumbers(true); // "2,5" in French, as in the table
    chart->setLocale(texts.locale());
    auto* line = new QLineSeries;
    line->setPointsVisible(true); // a single game is a point
    double most = 0.1;
    for (std::size_t game = 0; game < statistics.meanLosses.size(); ++game) {
        line->append(static_cast<double>(game + 1), statistics.meanLosses[game]);
        most = std::max(most, statistics.meanLosses[game]);
    }
    chart->addSeries(line);
    auto* games = new QValueAxis;
    games->setTitleText(texts.gamesAxis());
    // A tick on each game, or on every few of them, never between two: the
    // axis runs on to the next tick after the last game.
    const int spans = std::max(1, static_cast<int>(statistics.meanLosses.size()) - 1);
    const int step = (spans + 9) / 10;
    const int ticks = (spans + step - 1) / step;
    games->setLabelFormat("%.0f"); // localised labels need a precision
    games->setRange(1, 1 + ticks * step);
    games->setTickCount(ticks + 1);
    auto* loss = new QValueAxis;
    loss->setTitleText(texts.lossAxis());
    loss->setRange(0, most * 1.1);
    loss->applyNiceNumbers();
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(loss, Qt::AlignLeft);
    line->attachAxis(games);
    line->attachAxis(loss);
    return chart;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget& board, const Game& game, HistoryKeeper& keeper, PerfectPlaySource& perfect)
    : SecondaryWindow(board, "Statistiques", QSize(820, 640))
    , game_(game)
    , keeper_(keeper)
    , perfect_(perfect)
{
    setWindowTitle("Statistiques");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel;
    summary_->setObjectName("Resume");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* middle = new QHBoxLayout;
    boxes_ = newFigureTable("Cases", 2);
    boxes_->setFixedWidth(300);
    middle->addWidget(boxes_);
    histogram_ = newChartView("Histogramme", 220);
    middle->addWidget(histogram_);
    layout->addLayout(middle, 1);
    losses_ = newChartView("Progres", 220);
    layout->addWidget(losses_);

    addButtonRow(*layout);

    auto whenShown = [this] {
        if (isVisible())
            render();
    };
    connect(&keeper_, &HistoryKeeper::changed, this, whenShown);
    connect(&perfect_, &PerfectPlaySource::ready, this, whenShown);
    centreOn(*this, board);
}

// Perfect play's figures are asked for when the window is first shown.
void StatisticsWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    perfect_.request();
    render();
}

void StatisticsWindow::render()
{
    const bool english = speaksEnglish(game_.languageCode());
    const ScoresTexts texts(english);
    const GameStatistics statistics = statisticsOf(keeper_.history().finishedGames());
    const solver::PerfectPlayStatistics* perfect = perfect_.statistics();

    QString summary = texts.summary(statistics);
    if (!perfect)
        summary += "\n" + texts.perfectPlayComing();
    summary_->setText(summary);

    boxes_->setHorizontalHeaderLabels(texts.boxHeaders());
    boxes_->setAccessibleName(texts.boxHeaders().join(", "));
    QStringList boxes;
    std::vector<QStringList> rows;
    for (int box = 0; box < 12; ++box) {
        const auto b = static_cast<std::size_t>(box);
        boxes << boxCaption(button(box + 2), english);
        rows.push_back({texts.number(statistics.boxMeans[b], 1),
                        perfect ? texts.number(perfect->boxMeans[b], 1) : QString::fromUtf8("…")});
    }
    setRows(*boxes_, boxes, rows, {0, 1});
    showChart(*histogram_, scoreHistogram(statistics, perfect, texts), texts.histogramTitle());
    showChart(*losses_, lossChart(statistics, texts), texts.lossTitle());
}

} // namespace daxo
