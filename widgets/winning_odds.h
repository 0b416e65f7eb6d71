#pragma once

#include <QObject>
#include <vector>

namespace daxo {
namespace solver {
struct GamePoint;
} // namespace solver

// At a table of several, the chance of winning of each action the player
// in play can take, as the coach weighs them: the action, then perfect
// play, against the others' final totals as each of them plays. Worked out
// off the board's thread; the windows hear of it on their own.
class WinningOdds : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks for the odds at the point the table's game has reached; nothing
    // alone at the board.
    virtual void request() = 0;
    // Each action's chance of winning at `point`, in the order the engine
    // ranks the actions there, once worked out for that very point; else
    // nullptr.
    virtual const std::vector<double>* actionChances(const solver::GamePoint& point) const = 0;
    // Whether the odds last asked for are still to come: false alone at
    // the board, and while the game is too early for them.
    virtual bool actionsComing() const = 0;

Q_SIGNALS:
    void ready();
};

} // namespace daxo
