#pragma once

#include "game/game.h"
#include "widgets/secondary_window.h"

#include <QStringList>

class QLabel;
class QTableWidget;

namespace daxo {

class ChancesSource;
class PlayerMessages;
class PrinterPort;
class Seating;
class StrategySource;
struct Scoreboard;

// The window `Marque`: every player's sheet side by side (see Scoreboard),
// the player in play marked, following the game live, at a table each
// player's chance of winning with a bar; it prints on one page.
class ScoreboardWindow final : public SecondaryWindow, private GameListener {
    Q_OBJECT
public:
    // What it is given must outlive the window.
    ScoreboardWindow(QWidget& board, Game& game, Seating& seating, StrategySource& strategies, ChancesSource& chances,
                     PrinterPort& printers, PlayerMessages& messages);
    ~ScoreboardWindow() override;

    void retranslate() override;
    Scoreboard scoreboard() const;
    void print();
    // Whether the chances of winning shown are still being worked out.
    bool chancesComing() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recordChanged(const GameRecord& record) override;
    void render();
    void fitColumns();

    Game& game_;
    Seating& seating_;
    StrategySource& strategies_;
    ChancesSource& chances_;
    PrinterPort& printers_;
    PlayerMessages& messages_;
    QLabel* heading_ = nullptr; // Tour
    QTableWidget* table_ = nullptr; // Feuilles
    QStringList heads_; // each column's head, whole
};

} // namespace daxo
