#pragma once

#include "table/table_chances.h"

#include <QObject>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace daxo {

class StrategySource;

// Every player's chance of winning at the point of the table's game last
// asked, worked out on a thread of its own so that the board never waits:
// a point asked while another is at work waits for it, and only the newest
// such one is worked out next. What it works out for a game serves the
// game's next points, and is let go when another game is asked.
class ChancesSource final : public QObject {
    Q_OBJECT
public:
    // The strategies must outlive the source.
    ChancesSource(StrategySource& strategies, QObject* parent);
    ~ChancesSource() override;

    // `inPlay` the player whose turn it is, or -1: what their throws need
    // is worked out while the board waits for the first.
    void ask(int game, const std::vector<Opponent>& players, int inPlay);
    // The chances last worked out for the game last asked, one a player,
    // until those of the point last asked replace them; nothing while the
    // point is too early in the game, or before its first are worked out.
    const std::optional<std::vector<solver::WinChance>>& chances() const { return chances_; }
    bool working() const { return asked_ && (asked_ != worked_ || !delivered_); }

Q_SIGNALS:
    void ready();

private:
    struct Point {
        int game = 0;
        std::vector<Opponent> players;
        int inPlay = -1;
        friend bool operator==(const Point&, const Point&) = default;
    };
    void start();
    void deliver(const Point& point, std::optional<std::vector<solver::WinChance>> chances);
    void done();

    StrategySource& strategies_;
    std::optional<Point> asked_, worked_; // the last asked, and the one its chances are of
    bool delivered_ = false;              // worked_'s chances
    std::optional<std::vector<solver::WinChance>> chances_;
    std::unique_ptr<TableChances> table_; // of worked_'s game, used by one worker at a time
    std::jthread worker_; // last: it stops before what it uses goes
};

} // namespace daxo
