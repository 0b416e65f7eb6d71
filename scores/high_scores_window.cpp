#include "high_scores_window.h"

#include "game/game.h"
#include "scores_texts.h"
#include "storage/async_history.h"
#include "widgets/box_names.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>

namespace daxo {

HighScoresWindow::HighScoresWindow(QWidget& board, const Game& game, AsyncHistory& history)
    : SecondaryWindow(board, "Meilleurs", QSize(460, 330), QSize(320, 240), Keyboard::Leaves)
    , game_(game)
    , history_(history)
{
    setWindowTitle("Meilleurs scores");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    empty_ = new QLabel;
    empty_->setObjectName("Vide");
    empty_->setWordWrap(true);
    empty_->hide();
    layout->addWidget(empty_);
    table_ = newFigureTable("Tableau", 3);
    layout->addWidget(table_, 1);
    addButtonRow(*layout);
    connect(&history_, &AsyncHistory::changed, this, [this](HistoryChange what) {
        if (isVisible() && (what == HistoryChange::Finished || what == HistoryChange::Name))
            read();
    });
    render();
}

void HighScoresWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    read();
}

void HighScoresWindow::read()
{
    history_.highScores([window = QPointer(this)](std::optional<std::vector<HighScore>> best) {
        if (!window)
            return;
        window->best_ = std::move(best);
        window->read_ = true;
        window->render();
    });
}

void HighScoresWindow::retranslate() { render(); }

void HighScoresWindow::render()
{
    const ScoresTexts texts(game_.languageCode());
    table_->setHorizontalHeaderLabels(texts.highScoreHeaders());
    table_->setAccessibleName(windowTitle());
    QStringList ranks;
    std::vector<QStringList> rows;
    for (const HighScore& line : best_.value_or(std::vector<HighScore>{})) {
        ranks << QString::number(rows.size() + 1);
        rows.push_back({texts.count(line.score), texts.date(line.startedAt), line.player});
    }
    setRows(*table_, ranks, rows, {0});
    // What the table is, when it shows nothing.
    const bool none = read_ && rows.empty();
    empty_->setText(!best_ ? texts.unreadable(history_.lastTrouble()) : texts.noHighScore());
    empty_->setVisible(none);
    table_->setVisible(!none);
}

} // namespace daxo
