#pragma once

#include "pace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

class QEventLoop;
class QKeyEvent;
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
// takes no other input, but its menu works as always, and undo takes back
// the box that ended a human's turn until the computer's first step.
//
// Screen readers hear each step whole, as the next waits until it is said;
// a turn played out at once (hurried, or at the instant pace) is said in
// one sentence. At the end, the last box and then the winner are said
// before the game's own question comes.
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
    // Says `news` and lets it stand as long as the pace, or speech, wants.
    void say(const QString& news, Pace pace);
    // Runs the program on until what was said last has had its time, with
    // no input taken meanwhile but a key or a click, which cuts it short.
    void waitUntilSaid();
    QString boxJustScored();
    void lock(bool locked);
    QString nameOf(int seat) const;
    // The pace the turn in play is said at: at once when hurried.
    Pace sayingPace() const { return hurried_ ? Pace::Instant : pace_; }
    // Whether an event goes to the board or one of its controls.
    bool onBoard(QObject* watched) const;
    // Input that goes where it goes in a computer's turn: the modifier keys,
    // the menu bar and the menus' own keys.
    bool passesThrough(QObject* watched, QEvent* event) const;
    bool isMenuKey(const QKeyEvent& key) const;

    Game& game_;
    Seating& seating_;
    StrategySource& strategies_;
    QWidget& board_;
    Announcer* announcer_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 saidBy_ = 0; // on clock_, when what was said last has had its time
    QEventLoop* waiting_ = nullptr; // while the end waits for its news to be said
    Pace pace_ = Pace::Normal;
    std::optional<int> scoringSeat_; // the computer in play during its step
    bool hurried_ = false; // the turn in play is played out at once
    bool locked_ = false;
};

} // namespace daxo
