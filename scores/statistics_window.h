#pragma once

#include "widgets/secondary_window.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace daxo {

class Game;
class HistoryKeeper;
class PerfectPlaySource;

// The window `Statistiques`: the player's finished games in figures, set
// against perfect play. The number of games, the mean, the best, the
// standard deviation and the bonus rate; each box's mean beside perfect
// play's; a histogram of the final scores with perfect play's distribution
// over it; and the coach's mean loss per decision game after game, to see
// the player getting better.
class StatisticsWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    StatisticsWindow(QWidget& board, const Game& game, HistoryKeeper& keeper, PerfectPlaySource& perfect);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    const Game& game_;
    HistoryKeeper& keeper_;
    PerfectPlaySource& perfect_;
    QLabel* summary_ = nullptr;
    QTableWidget* boxes_ = nullptr;
    QChartView* histogram_ = nullptr;
    QChartView* losses_ = nullptr;
};

} // namespace daxo
