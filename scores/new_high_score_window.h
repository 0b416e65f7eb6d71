#pragma once

#include "widgets/secondary_window.h"

class QLabel;
class QLineEdit;

namespace daxo {

// The window `Bravo`, at the end of a game that enters the high scores,
// after the game's own question: it says so and takes the player's name,
// offered as it was given last.
class NewHighScoreWindow final : public SecondaryWindow {
    Q_OBJECT
public:
    explicit NewHighScoreWindow(QWidget& board);

    void offer(qint64 game, const QString& news, const QString& name);

Q_SIGNALS:
    void named(qint64 game, const QString& name);

private:
    QLabel* news_ = nullptr;
    QLineEdit* name_ = nullptr;
    qint64 game_ = 0;
};

} // namespace daxo
