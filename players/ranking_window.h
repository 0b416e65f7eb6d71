#pragma once

#include "table/seat.h"
#include "widgets/secondary_window.h"

#include <vector>

class QLabel;
class QTableWidget;

namespace daxo {

class Game;

// The window `Classement`: the end of a table's game, each player's place
// and total, equal totals sharing a place, and the winner named.
class RankingWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The game must outlive the window.
    RankingWindow(QWidget& board, const Game& game);

    // The players, their totals and their places, by seat.
    void showRanking(const Seats& seats, const std::vector<int>& totals, const std::vector<int>& places);

    void retranslate() override;

private:
    const Game& game_;
    QLabel* winner_ = nullptr;    // Gagnant
    QTableWidget* table_ = nullptr; // Places
    Seats seats_;
    std::vector<int> totals_;
    std::vector<int> places_;
};

} // namespace daxo
