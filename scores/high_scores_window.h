#pragma once

#include "storage/history.h"
#include "widgets/secondary_window.h"

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace daxo {

class AsyncHistory;
class Game;

// The window `Meilleurs`: the ten best finished games that no one helped,
// with their rank, score, date and player; with none, what enters it. It
// follows the history as it is written, and reads it without waiting.
class HighScoresWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    HighScoresWindow(QWidget& board, const Game& game, AsyncHistory& history);

    void retranslate() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void read();
    void render();

    const Game& game_;
    AsyncHistory& history_;
    QLabel* empty_ = nullptr;    // Vide
    QTableWidget* table_ = nullptr;
    // The lines last read; nothing while none was read, or when the history
    // could not be read.
    std::optional<std::vector<HighScore>> best_;
    bool read_ = false;
};

} // namespace daxo
