#pragma once

#include "widgets/secondary_window.h"

class QTableWidget;

namespace daxo {

class Game;
class HistoryKeeper;

// The window `Meilleurs`: the ten best finished games that no one helped,
// with their rank, score, date and player.
class HighScoresWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    HighScoresWindow(QWidget& board, const Game& game, HistoryKeeper& keeper);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    const Game& game_;
    HistoryKeeper& keeper_;
    QTableWidget* table_ = nullptr;
};

} // namespace daxo
