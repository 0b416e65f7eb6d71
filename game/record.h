#pragma once

#include "dice_rules.h"
#include "sheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace daxo {

// A game began: window start or New game, with the game's number and the
// seed its dice come from.
struct NewGameEvent {
    int game = 1;
    std::uint64_t seed = 0;
    friend bool operator==(const NewGameEvent&, const NewGameEvent&) = default;
};

// The dice were thrown: which dice were held for it, and the dice after it.
struct ThrowEvent {
    int throwNumber = 1; // 1 to 3 within the turn
    std::array<bool, 5> held{};
    Dice dice = {};
    friend bool operator==(const ThrowEvent&, const ThrowEvent&) = default;
};

// A box was scored with these dice, after this many throws of the turn.
struct ScoreEvent {
    Button box = Button::Command2;
    Dice dice = {};
    int throwsMade = 0;
    std::string score = {}; // the text the box's cell was left with
    friend bool operator==(const ScoreEvent&, const ScoreEvent&) = default;
};

// The player typed into a cell in cheat mode.
struct TypedEvent {
    Cell cell = Cell::Text1;
    std::string text = {};
    friend bool operator==(const TypedEvent&, const TypedEvent&) = default;
};

// The player had the coach's help: a hint asked for, or, once a game, the
// coach window showing the best actions of one of its positions.
struct HintEvent {
    bool coachWindow = false;
    friend bool operator==(const HintEvent&, const HintEvent&) = default;
};

// The player took back the last box scored, or scored it again.
struct UndoEvent {
    bool redo = false;
    friend bool operator==(const UndoEvent&, const UndoEvent&) = default;
};

using GameEvent = std::variant<NewGameEvent, ThrowEvent, ScoreEvent, TypedEvent, HintEvent, UndoEvent>;

// Every decision of one game as it happened, from its start: what the coach
// judges, and what the history keeps.
class GameRecord {
public:
    explicit GameRecord(int game = 1, std::uint64_t seed = 0);
    // A record read back from the history.
    GameRecord(std::vector<GameEvent> events, std::int64_t startedAt);

    const std::vector<GameEvent>& events() const { return events_; }
    void add(GameEvent event);
    // When the game began, in milliseconds since 1970 (UTC): with its seed,
    // what tells it from every other game.
    std::int64_t startedAt() const { return startedAt_; }
    // Whether a value typed in cheat mode made the game what it is: such a
    // game cannot be judged against the rules.
    bool touchedByCheat() const { return touchedByCheat_; }
    // Whether the player had help: a hint, an undo, or the cheat mode. An
    // assisted game is no measure of the player alone.
    bool assisted() const { return assisted_; }
    // The game's number and the seed of its dice.
    const NewGameEvent& start() const { return std::get<NewGameEvent>(events_.front()); }

private:
    std::vector<GameEvent> events_;
    std::int64_t startedAt_ = 0;
    bool touchedByCheat_ = false;
    bool assisted_ = false;
};

// What a record comes to: each box's score (in the order of the buttons
// Command2 to Command13; nothing while the box is free), the bonus and the
// total, as the boxes were scored.
struct RecordSummary {
    std::array<std::optional<int>, 12> boxes{};
    int subtotal = 0;
    int bonus = 0;
    int total = 0;
    bool finished() const;
    // Whether there is anything of a game to keep: a throw or a box.
    bool begun = false;
};

RecordSummary summarize(const GameRecord& record);

} // namespace daxo
