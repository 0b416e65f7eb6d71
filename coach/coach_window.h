#pragma once

#include "widgets/secondary_window.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace daxo {

class Coach;

// The window `Entraîneur`: the coach's judgement of the game in play, live.
// The expected final score of perfect play from where the game stands, the
// best actions and what each would lose, and the loss of the last choice,
// pointed out when it cost 0.2 points or more; at a table, each action's
// chance of winning, and the action that plays to win when it is not the
// best score's; once the game is over, its
// final score and the way to its analysis. Showing the best actions of a
// game makes it assisted, and the window says so. Closing only hides it.
class CoachWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The coach must outlive the window.
    CoachWindow(QWidget& board, Coach& coach);

    void retranslate() override;

Q_SIGNALS:
    // The player wants the analysis of the game.
    void analysisWanted();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render();

    Coach& coach_;
    QLabel* standing_ = nullptr;    // Etat
    QProgressBar* progress_ = nullptr;
    QLabel* expected_ = nullptr;    // Attendu
    QLabel* assisted_ = nullptr;    // Assistee
    QLabel* title_ = nullptr;       // Titre1
    QTableWidget* actions_ = nullptr;
    QLabel* toWin_ = nullptr;       // PourGagner
    QLabel* verdict_ = nullptr;
    QPushButton* analyse_ = nullptr; // Analyser
};

} // namespace daxo
