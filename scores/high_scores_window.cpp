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
    table_ = newFigureTable("Tableau", 0, 4);
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
    table_->setRowCount(static_cast<int>(best.size()));
    for (int row = 0; row < static_cast<int>(best.size()); ++row) {
        const StoredGame& game = best[static_cast<std::size_t>(row)];
        const QStringList cells{QString::number(row + 1), QString::number(game.summary.total),
                                texts.date(game.record.startedAt()), game.player};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column < 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
}

} // namespace daxo
