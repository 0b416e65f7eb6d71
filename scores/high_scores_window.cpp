#include "high_scores_window.h"

#include "game/game.h"
#include "history_keeper.h"
#include "scores_texts.h"
#include "widgets/box_names.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace daxo {

HighScoresWindow::HighScoresWindow(QWidget& board, const Game& game, HistoryKeeper& keeper)
    : SecondaryWindow(board, "Meilleurs", QSize(460, 330))
    , game_(game)
    , keeper_(keeper)
{
    setWindowTitle("Meilleurs scores");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    table_ = newFigureTable("Tableau", 3);
    layout->addWidget(table_);
    addButtonRow(*layout);
    connect(&keeper_, &HistoryKeeper::changed, this, [this] {
        if (isVisible())
            render();
    });
    centreOn(*this, board);
}

void HighScoresWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    render();
}

void HighScoresWindow::render()
{
    const ScoresTexts texts(speaksEnglish(game_.languageCode()));
    table_->setHorizontalHeaderLabels(texts.highScoreHeaders());
    table_->setAccessibleName(windowTitle());
    const std::vector<StoredGame> best = keeper_.history().highScores();
    QStringList ranks;
    std::vector<QStringList> rows;
    for (const StoredGame& game : best) {
        ranks << QString::number(rows.size() + 1);
        rows.push_back({QString::number(game.summary.total), texts.date(game.record.startedAt()), game.player});
    }
    setRows(*table_, ranks, rows, {0});
}

} // namespace daxo
