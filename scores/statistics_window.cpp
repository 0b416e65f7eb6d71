#include "statistics_window.h"

#include "game/game.h"
#include "perfect_play_source.h"
#include "scores_texts.h"
#include "statistics_charts.h"
#include "storage/async_history.h"
#include "table/levels.h"
#include "widgets/box_names.h"
#include "widgets/chart_views.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace daxo {

StatisticsWindow::StatisticsWindow(QWidget& board, const Game& game, AsyncHistory& history, PerfectPlaySource& perfect)
    : SecondaryWindow(board, "Statistiques", QSize(820, 640), QSize(640, 480), Keyboard::Leaves)
    , game_(game)
    , history_(history)
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
    boxes_->setFixedWidth(260);
    middle->addWidget(boxes_);
    histogram_ = newChartView("Histogramme", 200);
    middle->addWidget(histogram_, 1);
    layout->addLayout(middle, 3);
    // Only for a player who has played against computers: a line a level.
    levels_ = newFigureTable("Ordinateurs", 4);
    levels_->hide();
    layout->addWidget(levels_);
    losses_ = newChartView("Progres", 160);
    layout->addWidget(losses_, 2);

    addButtonRow(*layout);

    connect(&history_, &AsyncHistory::changed, this, [this](HistoryChange what) {
        if (isVisible() && (what == HistoryChange::Finished || what == HistoryChange::Figures))
            read();
    });
    connect(&perfect_, &PerfectPlaySource::ready, this, [this] {
        if (isVisible())
            render();
    });
    render();
}

// Perfect play's figures are asked for when the window is first shown.
void StatisticsWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    perfect_.request();
    read();
}

void StatisticsWindow::read()
{
    history_.figures([window = QPointer(this)](std::optional<HistoryFigures> figures) {
        if (!window)
            return;
        window->figures_ = std::move(figures);
        window->read_ = true;
        window->render();
    });
}

void StatisticsWindow::retranslate() { render(); }

void StatisticsWindow::render()
{
    const std::string& code = game_.languageCode();
    const ScoresTexts texts(code);
    const HistoryFigures shown = figures_.value_or(HistoryFigures{});
    const solver::PerfectPlayStatistics* perfect = perfect_.statistics();

    QString summary;
    if (read_)
        summary = figures_ ? texts.summary(shown) : texts.unreadable(history_.lastTrouble());
    if (!perfect)
        summary += (summary.isEmpty() ? "" : "\n") + texts.perfectPlayComing();
    summary_->setText(summary);

    boxes_->setHorizontalHeaderLabels(texts.boxHeaders());
    boxes_->setAccessibleName(texts.boxTable());
    QStringList boxes;
    std::vector<QStringList> rows;
    for (int box = 0; box < 12; ++box) {
        const auto b = static_cast<std::size_t>(box);
        boxes << BoxNames(code).caption(button(box + 2));
        rows.push_back({shown.games > 0 ? texts.number(shown.boxMeans[b], 1) : QString::fromUtf8("—"),
                        perfect ? texts.number(perfect->boxMeans[b], 1) : QString::fromUtf8("…")});
    }
    setRows(*boxes_, boxes, rows, {0, 1});

    levels_->setHorizontalHeaderLabels(texts.levelHeaders());
    levels_->setAccessibleName(texts.levelTable());
    QStringList opponents;
    std::vector<QStringList> against;
    // From the weakest level to perfect play, as the players window lists them.
    std::vector<HistoryFigures::AgainstLevel> byStrength = shown.againstLevels;
    std::ranges::stable_sort(byStrength, {}, [](const HistoryFigures::AgainstLevel& level) {
        const Level* known = levelNamed(level.level.toStdString());
        return known ? known - levels().data() : std::ssize(levels());
    });
    for (const HistoryFigures::AgainstLevel& level : byStrength) {
        opponents << texts.levelName(level.level);
        against.push_back({texts.count(level.games), texts.count(level.wins), texts.count(level.losses),
                           texts.margin(level.meanMargin)});
    }
    setRows(*levels_, opponents, against, {0, 1, 2, 3});
    levels_->setFixedHeight(levels_->horizontalHeader()->sizeHint().height() +
                            levels_->verticalHeader()->defaultSectionSize() * static_cast<int>(against.size()) +
                            2 * levels_->frameWidth());
    levels_->setVisible(!against.empty());
    HistogramDrawn histogram{code, perfect != nullptr, shown.games, shown.best, shown.binWidth, shown.scoreCounts};
    if (histogramDrawn_ != histogram) {
        showChart(*histogram_, scoreHistogram(shown, perfect, texts), texts.histogramTitle());
        histogramDrawn_ = std::move(histogram);
    }
    LossesDrawn losses{code, shown.judgedGames, shown.progress};
    if (lossesDrawn_ != losses) {
        showChart(*losses_, lossChart(shown, texts), texts.lossTitle());
        lossesDrawn_ = std::move(losses);
    }
}

} // namespace daxo
