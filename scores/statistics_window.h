#pragma once

#include "storage/history.h"
#include "widgets/secondary_window.h"

#include <optional>
#include <string>

class QChartView;
class QLabel;
class QTableWidget;

namespace daxo {

class AsyncHistory;
class Game;
class PerfectPlaySource;

// The window `Statistiques`: the player's finished games in figures, set
// against perfect play. The number of games, the mean, the best, the
// standard deviation and the bonus rate; each box's mean beside perfect
// play's; a histogram of the final scores with perfect play's distribution
// over it; and the coach's mean loss per decision game after game, to see
// the player getting better. The database works the figures out; the
// window reads them without waiting, and follows the history as it grows.
class StatisticsWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    StatisticsWindow(QWidget& board, const Game& game, AsyncHistory& history, PerfectPlaySource& perfect);

    void retranslate() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void read();
    void render();

    const Game& game_;
    AsyncHistory& history_;
    PerfectPlaySource& perfect_;
    QLabel* summary_ = nullptr;
    QTableWidget* boxes_ = nullptr;
    QTableWidget* levels_ = nullptr; // Ordinateurs: against each computer level
    QChartView* histogram_ = nullptr;
    QChartView* losses_ = nullptr;
    // The figures last read; nothing while none were read, or when the
    // history could not be read.
    std::optional<HistoryFigures> figures_;
    bool read_ = false;

    // What each chart was last drawn from. A game's end changes the
    // histogram first and the losses once the coach has judged it: each
    // chart is built and painted again only when its own figures change,
    // so that no redraw holds the board for both.
    struct HistogramDrawn {
        std::string language; // the code the charts speak
        bool perfectReady = false; // perfect play's figures come once a run
        int games = 0;
        int best = 0;
        int binWidth = 0;
        std::vector<int> scoreCounts;
        friend bool operator==(const HistogramDrawn&, const HistogramDrawn&) = default;
    };
    struct LossesDrawn {
        std::string language;
        int judgedGames = 0;
        std::vector<HistoryFigures::Progress> progress;
        friend bool operator==(const LossesDrawn&, const LossesDrawn&) = default;
    };
    std::optional<HistogramDrawn> histogramDrawn_;
    std::optional<LossesDrawn> lossesDrawn_;
};

} // namespace daxo
