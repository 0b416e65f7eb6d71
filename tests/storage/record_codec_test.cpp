#include "storage/record_codec.h"
#include "support/random_games.h"

#include <gtest/gtest.h>

namespace daxo {
namespace {

GameRecord recordOf(std::vector<GameEvent> events) { return GameRecord(std::move(events), -42); }

// Whatever the game writes comes back whole: faces and texts, boxes scored
// with the turn's dice or with others, typed text of any byte, every help.
TEST(RecordCodec, GivesBackEveryRecord)
{
    using namespace std::string_literals;
    const std::vector<std::vector<GameEvent>> records{
        {NewGameEvent{1, 0}},
        {NewGameEvent{3, 18446744073709551615u}, ThrowEvent{1, {}, {"1", "6", "3", "4", "5"}},
         ThrowEvent{2, {true, false, true, false, true}, {"1", "2", "3", "6", "5"}},
         ScoreEvent{Button::Command9, {"1", "2", "3", "6", "5"}, 2, "0"}},
        // Before the first throw, with the placeholders; and with the start's.
        {NewGameEvent{2, 9}, ScoreEvent{Button::Command13, {"a", "b", "c", "d", "e"}, 0, "0"},
         ScoreEvent{Button::Command2, {"Dé 1", "Dé 2", "Dé 3", "Dé 4", "Dé 5"}, 0, "0"}},
        // Cheat mode: typed dice and scores, the score not a number.
        {NewGameEvent{4, 1}, ThrowEvent{1, {}, {"6", "6", "6", "6", "6"}}, TypedEvent{Cell::Text2, "7"},
         ScoreEvent{Button::Command7, {"6", "7", "6", "6", "6"}, 1, "x\0y"s},
         ThrowEvent{1, {}, {"", "é", "10", "-3", "\xff"}}, TypedEvent{Cell::Text20, std::string(300, 'z')},
         ScoreEvent{Button::Command13, {"", "é", "10", "-3", "\xff"}, 1, "-12.5"}},
        {NewGameEvent{5, 2}, HintEvent{}, HintEvent{.coachWindow = true}, UndoEvent{}, UndoEvent{.redo = true},
         ThrowEvent{-7, {true, true, true, true, true}, {"1", "1", "1", "1", "1"}},
         ScoreEvent{Button::Command12, {"1", "1", "1", "1", "1"}, 1000000, "5"}},
    };
    for (const auto& events : records) {
        const GameRecord record = recordOf(events);
        const auto back = decodeRecord(encodeRecord(record), record.start(), -42);
        ASSERT_TRUE(back) << events.size() << " events";
        EXPECT_EQ(back->events(), record.events());
        EXPECT_EQ(std::pair(back->assisted(), back->touchedByCheat()), std::pair(record.assisted(), record.touchedByCheat()));
    }
}

// A turn's figures are said once: a throw in four bytes, a box scored with
// the dice of the turn's last throw in four or five.
TEST(RecordCodec, AGameTakesAFewBytesADecision)
{
    test::RandomGames play(3, {.unfinished = 0, .hinted = 0, .undone = 0, .cheated = 0, .judged = 0});
    for (int game = 0; game < 50; ++game) {
        const GameRecord record = play.next(game).record;
        const QByteArray bytes = encodeRecord(record);
        EXPECT_LE(bytes.size(), 5 * static_cast<int>(record.events().size())) << game;
        EXPECT_EQ(decodeRecord(bytes, record.start(), game)->events(), record.events());
    }
}

// What no record encoded gives nothing, and never more than it holds.
TEST(RecordCodec, RefusesWhatIsNoRecord)
{
    const std::vector<QByteArray> refused{
        QByteArray("\x00", 1),             // a throw cut short
        QByteArray("\x00\x02\xff\x7f", 4), // a face beyond 6
        QByteArray("\x02\x02\x01""0", 4),  // a box with the dice of no throw
        QByteArray("\x62\x02\x01""0", 4),  // no box 12
        QByteArray("\x03\x02\x05""ab", 5), // typed text longer than what follows
        QByteArray("\x03\x50\x00", 3),     // no cell 40
        QByteArray("\x14", 1),             // no help of that kind
        QByteArray("\x06", 1),             // no event of that kind
        QByteArray("\x00\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff", 11), // a number without end
        QByteArray("{\"startedAt\":\"1\"}"), // the JSON of older files
    };
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(decodeRecord(bytes, NewGameEvent{}, 0)) << bytes.toHex().toStdString();
}

} // namespace
} // namespace daxo
