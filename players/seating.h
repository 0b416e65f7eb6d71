#pragma once

#include "table/table.h"

#include <QObject>
#include <memory>
#include <vector>

namespace daxo {

// Who sits at the board: the game alone, for a single human, or a table of
// players, which it owns. It changes the table as the player asks, and
// tells the windows of the table's course.
class Seating final : public QObject, private TableListener {
    Q_OBJECT
public:
    // The game and the questions must outlive the seating.
    Seating(Game& game, QuestionPort& questions, QObject* parent = nullptr);
    ~Seating() override;

    // The table in play, or nullptr for the game alone.
    Table* table() const { return table_.get(); }
    // The players in order; a single human for the game alone.
    const Seats& seats() const { return seats_; }
    bool computerInPlay() const { return table_ && table_->computerInPlay(); }

    // Seats these players (one to six, as the players window gives them).
    // While nothing of the game is played yet they sit down at once; after
    // a game begun, a new game starts for them, once the player agreed to
    // leave it if it was still in progress. Returns whether they sat down:
    // not when they are the players already there, nor when the player kept
    // the game.
    bool seat(const Seats& players, const std::string& languageCode);

Q_SIGNALS:
    // A new table replaced the one before (nullptr for the game alone).
    // The table before is let go first, told as nullptr, before it goes.
    void tableChanged(Table* table);
    // The board shows the sheet of `seat` now.
    void passed(int seat);
    // The last box of the table's game: the places, equal totals sharing.
    void ended(const std::vector<int>& places);

private:
    void boardPassed(int seat) override;
    void tableEnded(const std::vector<int>& places) override;
    bool begun() const;
    bool finished() const;
    void replaceTable(const Seats& players);

    Game& game_;
    QuestionPort& questions_;
    Seats seats_{Seat{}};
    std::unique_ptr<Table> table_;
};

} // namespace daxo
