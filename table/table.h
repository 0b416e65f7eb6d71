#pragma once

#include "game/game.h"
#include "opponent.h"
#include "seat.h"
#include "solver/game_analysis.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace daxo {
namespace solver {
class OpeningFutures;
}

class WinningChoice;

// Told of the course of a table, in the order it goes.
class TableListener {
public:
    virtual ~TableListener() = default;
    // The board shows the sheet of `seat` now, as that player left it.
    virtual void boardPassed(int /*seat*/) {}
    // The last player's twelfth box: the game is over, the board shows the
    // first human's sheet for the game's own question, asked next.
    virtual void tableEnded(const std::vector<int>& /*places*/) {}
    // New game replaces the table's game before its end: each seat's
    // record as it stood.
    virtual void tableLeft(const std::vector<GameRecord>& /*records*/) {}
};

// A game of two to six players at one board: whose turn it is, each
// player's own sheet kept while the others play and put back on the board
// as it was left, the end after the last player's twelfth box with the
// places, and the computers' decisions, drawn from the engine's own
// ranking. The dice are the game's, one stream for the whole table, so that
// the same seed, players and actions give the same game.
//
// Undo reaches back only within the turn of the human in play, and to the
// box that ended a human's turn while the next player has not acted yet: a
// computer's move is never undone, and no one else's turn either.
class Table final : public TablePort, private GameListener {
public:
    // Seats two to six players at `game`, which must outlive the table; the
    // table's game starts with the game's next New game.
    Table(Game& game, Seats seats);
    ~Table() override;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Listeners must outlive the table or be removed first.
    void addListener(TableListener& listener);
    void removeListener(TableListener& listener);

    const Seats& seats() const { return seats_; }
    int seatInPlay() const { return current_; }
    bool computerInPlay() const { return !over_ && !seats_[static_cast<std::size_t>(current_)].human(); }
    bool over() const { return over_; }
    // Each seat's record as it stands, the one in play from the board.
    const GameRecord& recordOf(int seat) const;
    // Every player as the others see them, in the seats' order.
    std::vector<Opponent> players() const;
    // The places the totals give now, equal totals sharing one.
    std::vector<int> places() const;

    // One step of the computer in play, done on the board for all to see:
    // its throw, the dice it keeps (ticked first, thrown at the next step),
    // or the box it scores. Nothing when no computer is in play. The
    // strategy, and the openings if any, must outlive the table.
    struct Step {
        enum class Kind { Throw, Keep, Score };
        Kind kind = Kind::Throw;
        int seat = 0;
        std::array<bool, 5> held{}; // Keep: the dice kept
        Button box = Button::Command2; // Score
    };
    std::optional<Step> playComputerStep(const solver::Strategy& strategy,
                                         const solver::OpeningFutures* openings = nullptr);

private:
    // TablePort
    void boxScored() override;
    bool endsTheGame() override;
    void newGame() override;
    bool canTakeBack() const override;
    void takeBack() override;
    // GameListener
    void gameLeft(const GameRecord& left) override;

    // Puts `seat`'s sheet on the board; `fresh` forgets what undo could
    // bring back, from a turn before the others'. `lastBox`: the seat whose
    // box passed the board, while it may be taken back.
    void passTo(int seat, bool fresh, std::optional<int> lastBox);
    template <typename Notify>
    void notify(Notify&& call);
    // The decision of a computer that plays to win, against the others'
    // games as they stand.
    const solver::Action& chooseToWin(const solver::Strategy& strategy, const solver::OpeningFutures* openings,
                                      const solver::GamePoint& point, const std::vector<solver::Action>& actions);

    Game& game_;
    Seats seats_;
    std::vector<Game::Sheet> sheets_; // by seat; the one in play is the board's
    int current_ = 0;
    bool over_ = false;
    // The seat whose box ended the last turn, while it may be taken back.
    std::optional<int> lastBox_;
    std::size_t eventsAtPass_ = 0; // the record in play, when the board passed
    bool throwAfterKeep_ = false;  // a computer's dice are ticked: it throws next
    std::vector<TableListener*> listeners_;
    // What a computer that plays to win has worked out, kept from game to game.
    std::unique_ptr<WinningChoice> winning_;
    const solver::Strategy* winningFor_ = nullptr;
    const solver::OpeningFutures* winningReads_ = nullptr;
};

} // namespace daxo
