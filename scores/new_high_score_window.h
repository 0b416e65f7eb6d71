#pragma once

#include "widgets/secondary_window.h"

class QLabel;
class QLineEdit;

namespace daxo {

class Game;

// The window `Bravo`, at the end of a game that enters the high scores,
// after the game's own question: it says so and takes the player's name,
// offered as it was given last. A score never goes without a name: Escape,
// or a name left empty, keeps the one offered.
class NewHighScoreWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    // The game, for the language, must outlive the window.
    NewHighScoreWindow(QWidget& board, const Game& game);

    // The game `game` of `score` points entered the high scores at `rank`.
    void offer(qint64 game, int rank, int score, const QString& name);
    void retranslate() override;
    void done(int result) override;

Q_SIGNALS:
    void named(qint64 game, const QString& name);

private:
    const Game& game_;
    QLabel* news_ = nullptr;
    QLineEdit* name_ = nullptr;
    qint64 id_ = 0;
    int rank_ = 0;
    int score_ = 0;
    QString offered_;
};

} // namespace daxo
