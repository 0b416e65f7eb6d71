#include "support/game_fixture.h"

namespace daxo {
namespace {

// A record read back always opens with its game, whether the events it is
// made from begin with one or not; typed text still marks it.
TEST(GameRecordTest, OpensWithItsGame)
{
    const struct {
        std::vector<GameEvent> given, kept;
    } cases[] = {
        {{}, {NewGameEvent{}}},
        {{HintEvent{}}, {NewGameEvent{}, HintEvent{}}},
        {{NewGameEvent{4, 9}, HintEvent{}}, {NewGameEvent{4, 9}, HintEvent{}}},
        {{TypedEvent{Cell::Text6, "25"}}, {NewGameEvent{}, TypedEvent{Cell::Text6, "25"}}},
    };
    for (const auto& [given, kept] : cases) {
        const GameRecord record(given, 7);
        EXPECT_EQ(record.events(), kept);
        EXPECT_EQ(record.touchedByCheat(), kept.size() == 2 && std::holds_alternative<TypedEvent>(kept[1]));
    }
}

} // namespace
} // namespace daxo
