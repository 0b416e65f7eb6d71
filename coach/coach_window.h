#pragma once

#include "widgets/secondary_window.h"

class QLabel;
class QProgressBar;
class QTreeWidget;

namespace daxo {

class Coach;

// The window `Entraîneur`: the coach's judgement of the game in play, live.
// The expected final score of perfect play from where the game stands, the
// best actions and what each would lose, and the loss of the last choice,
// pointed out when it cost 0.2 points or more. Closing only hides it.
class CoachWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The coach must outlive the window.
    CoachWindow(QWidget& board, Coach& coach);

    // Places the window beside the board, on its right where the screen
    // has room, else on its left.
    void placeBeside(const QWidget& board);

Q_SIGNALS:
    // The player wants the analysis of the game.
    void analysisWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    Coach& coach_;
    QLabel* standing_ = nullptr;    // Etat
    QProgressBar* progress_ = nullptr;
    QLabel* expected_ = nullptr;    // Attendu
    QLabel* assisted_ = nullptr;    // Assistee
    QTreeWidget* actions_ = nullptr;
    QLabel* verdict_ = nullptr;
};

} // namespace daxo
