#include "ranking_window.h"

#include "table_texts.h"
#include "game/game.h"
#include "widgets/box_names.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace daxo {

RankingWindow::RankingWindow(QWidget& board, const Game& game)
    : SecondaryWindow(board, "Classement", QSize(340, 250), QSize(260, 200), Keyboard::Leaves)
    , game_(game)
{
    setWindowTitle("Classement");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    winner_ = new QLabel;
    winner_->setObjectName("Gagnant");
    winner_->setWordWrap(true);
    QFont bold = winner_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    winner_->setFont(bold);
    layout->addWidget(winner_);
    table_ = newFigureTable("Places", 2);
    layout->addWidget(table_, 1);
    addButtonRow(*layout);
}

void RankingWindow::showRanking(const Seats& seats, const std::vector<int>& totals, const std::vector<int>& places)
{
    seats_ = seats;
    totals_ = totals;
    places_ = places;
    retranslate();
}

// Best first; equal places in the order of the seats.
void RankingWindow::retranslate()
{
    const TableTexts texts(game_.languageCode());
    const QStringList names = texts.seatNames(seats_);
    std::vector<std::size_t> order(places_.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, {}, [this](std::size_t seat) { return places_[seat]; });
    QStringList placeHeads;
    std::vector<QStringList> rows;
    QStringList first;
    int best = 0;
    for (const std::size_t seat : order) {
        placeHeads << texts.place(places_[seat]);
        rows.push_back({names.value(static_cast<int>(seat)), QString::number(totals_[seat])});
        if (places_[seat] == 1) {
            first << names.value(static_cast<int>(seat));
            best = totals_[seat];
        }
    }
    table_->setHorizontalHeaderLabels(texts.rankingHeaders());
    setRows(*table_, placeHeads, rows, {1});
    table_->setAccessibleName(windowTitle());
    winner_->setText(first.isEmpty() ? QString() : texts.winners(first, best));
}

} // namespace daxo
