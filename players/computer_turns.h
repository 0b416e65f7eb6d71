#pragma once

#include "pace.h"

#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

class QWidget;

namespace daxo {

class Announcer;
class Game;
class Seating;
class StrategySource;
class Table;

// Plays the computers' turns on the board for all to see, one step at a
// time at the pace the player chose: the throw, the dice kept (their hold
// boxes ticked first), the box scored. Any key or click on the board
// hurries the turn in play to its end; during a computer's turn the board
// takes no other input, but for undo while the box that ended a human's
// turn can still be taken back. Screen readers hear each step.
class ComputerTurns final : public QObject {
    Q_OBJECT
public:
    // What it is given must outlive it.
    ComputerTurns(Game& game, Seating& seating, StrategySource& strategies, QWidget& board,
                  QObject* parent = nullptr);
    ~ComputerTurns() override;

    void setPace(Pace pace);
    Pace pace() const { return pace_; }
    // Plays the turn in play to its end without pausing.
    void hurry();

Q_SIGNALS:
    // A computer's turn began or ended: the board is to take the player's
    // input again only once it ended.
    void boardLocked(bool locked);
    // What a step did, as screen readers hear it.
    void announced(const QString& news);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void passed(int seat);
    void ended(const std::vector<int>& places);
    void schedule();
    void step();
    void announce(const QString& news);
    QString boxJustScored();
    void lock(bool locked);
    bool english() const;
    QString nameOf(int seat) const;
    // Whether an event goes to the board or one of its controls.
    bool onBoard(QObject* watched) const;

    Game& game_;
    Seating& seating_;
    StrategySource& strategies_;
    QWidget& board_;
    Announcer* announcer_;
    QTimer timer_;
    Pace pace_ = Pace::Normal;
    std::optional<int> scoringSeat_; // the computer in play during its step
    bool hurried_ = false; // the turn in play is played out at once
    bool locked_ = false;
};

} // namespace daxo
