#pragma once

#include "table/table_chances.h"
#include "widgets/winning_odds.h"

#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace daxo {

class Game;
class Seating;
class StrategySource;

// Every player's chance of winning at the point the table's game has
// reached, and the odds of each action of a human in play, worked out on a
// thread of its own so that the board never waits: a point asked while
// another is at work waits for it, and only the newest such one is worked
// out next. What it works out for a game serves the game's next points,
// and is let go when another game is asked.
class ChancesSource final : public WinningOdds {
    Q_OBJECT
public:
    // What it is given must outlive the source.
    ChancesSource(Game& game, Seating& seating, StrategySource& strategies, QObject* parent);
    ~ChancesSource() override;

    void request() override;
    // The chances last worked out for the game last asked, one a player,
    // until those of the point last asked replace them; nothing while the
    // point is too early in the game, or before its first are worked out.
    const std::optional<std::vector<solver::WinChance>>& chances() const { return chances_; }
    bool working() const { return asked_ && (asked_ != worked_ || !delivered_); }

    const std::vector<double>* actionChances(const solver::GamePoint& point) const override;
    bool actionsComing() const override;

private:
    struct Point {
        int game = 0;
        std::vector<Opponent> players;
        int inPlay = -1; // the player whose turn it is, or -1 once over
        friend bool operator==(const Point&, const Point&) = default;
        // The human in play once their turn's dice are thrown: their choice.
        const Opponent* choosing() const;
    };
    void ask(Point point);
    void start();
    void deliver(const Point& point, std::optional<std::vector<solver::WinChance>> chances);
    void deliverActions(const Point& point, std::optional<std::vector<double>> chances);
    void done();

    Game& game_;
    Seating& seating_;
    StrategySource& strategies_;
    std::optional<Point> asked_, worked_; // the last asked, and the one its chances are of
    bool delivered_ = false;              // worked_'s chances
    bool actionsDelivered_ = false;       // and its actions' odds
    std::optional<std::vector<solver::WinChance>> chances_;
    std::optional<solver::GamePoint> actionsAt_; // where the actions' odds are of
    std::vector<double> actionChances_;
    std::unique_ptr<TableChances> table_; // of worked_'s game, used by one worker at a time
    std::stop_source workingAhead_;       // the worker's turns ahead, stopped by the next point asked
    std::jthread worker_; // last: it stops before what it uses goes
};

} // namespace daxo
