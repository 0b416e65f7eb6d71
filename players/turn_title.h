#pragma once

#include "game/game.h"

#include <QObject>

class QWidget;

namespace daxo {

class Seating;

// The board's title at a table says whose turn it is, in the language
// shown; the game alone keeps its own title, "Daxo".
class TurnTitle final : public QObject, private GameListener {
    Q_OBJECT
public:
    // What it is given must outlive it.
    TurnTitle(Game& game, Seating& seating, QWidget& board, QObject* parent = nullptr);
    ~TurnTitle() override;

private:
    void captionChanged(Label label, const std::string& caption) override;
    void show();

    Game& game_;
    Seating& seating_;
    QWidget& board_;
};

} // namespace daxo
