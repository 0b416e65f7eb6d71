#include "support/game_fixture.h"

namespace daxo {
namespace {

using test::GameFixture;

TEST_F(GameFixture, TheRecordFollowsEveryDecisionOfTheGame)
{
    throwDice({3, 3, 5, 3, 1});
    game.setHeld(1, true);
    game.setHeld(2, true);
    game.setHeld(4, true);
    throwDice({3, 1});
    answers.queue({Answer::No, Answer::Yes}); // Full refused, then taken for 0
    game.Command8_Click();
    game.Command8_Click();
    game.Command13_Click(); // before the first throw of the next turn
    EXPECT_EQ(game.record().events(),
              (std::vector<GameEvent>{
                  NewGameEvent{1, 1},
                  ThrowEvent{1, {false, false, false, false, false}, {"3", "3", "5", "3", "1"}},
                  ThrowEvent{2, {true, true, false, true, false}, {"3", "3", "3", "3", "1"}},
                  ScoreEvent{Button::Command8, {"3", "3", "3", "3", "1"}, 2, "0"},
                  ScoreEvent{Button::Command13, {"a", "b", "c", "d", "e"}, 0, "0"},
              }));
    EXPECT_FALSE(game.record().touchedByCheat());

    game.Nouveau_Click();
    EXPECT_EQ(game.record().events(), (std::vector<GameEvent>{NewGameEvent{2, 2}}));
}

// Typing in cheat mode is on the record, and marks the game; the game's
// own writes and typing the text a cell already holds are not.
TEST_F(GameFixture, TypedValuesMarkTheRecord)
{
    game.setCellsLocked(false);
    throwDice({6, 6, 6, 6, 6});
    game.typeText(Cell::Text1, "6");
    EXPECT_FALSE(game.record().touchedByCheat());
    game.typeText(Cell::Text6, "25");
    EXPECT_TRUE(game.record().touchedByCheat());
    EXPECT_EQ(game.record().events().back(), GameEvent(TypedEvent{Cell::Text6, "25"}));
    game.Command7_Click();
    EXPECT_TRUE(game.record().touchedByCheat()) << "the mark stays with the game";
    game.Nouveau_Click();
    EXPECT_FALSE(game.record().touchedByCheat()) << "and goes with it";
}

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
