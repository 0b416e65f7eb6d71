#include "game/random_dice_source.h"
#include "solver/game_analysis.h"
#include "support/random_games.h"
#include "support/scripted_ports.h"
#include "support/whole_table.h"
#include "table/computer_answers.h"
#include "table/computer_choice.h"
#include "table/level_simulation.h"
#include "table/levels.h"
#include "table/table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace daxo {
namespace {

Seat human(std::string name) { return {.kind = Seat::Kind::Human, .name = std::move(name)}; }
Seat computer(std::string level) { return {.kind = Seat::Kind::Computer, .level = std::move(level)}; }

// Hears the table's course as lines: "passed 1", "ended 1 3 1", "left 3".
struct Heard final : TableListener {
    void boardPassed(int seat) override { lines.push_back("passed " + std::to_string(seat)); }
    void tableEnded(const std::vector<int>& places) override
    {
        std::string line = "ended";
        for (const int place : places)
            line += " " + std::to_string(place);
        lines.push_back(line);
    }
    void tableLeft(const std::vector<GameRecord>& records) override
    {
        lines.push_back("left " + std::to_string(records.size()));
        left = records;
    }
    std::vector<std::string> take() { return std::exchange(lines, {}); }
    std::vector<std::string> lines;
    std::vector<GameRecord> left;
};

// What the game last told of undo, as the board's menu hears it.
struct UndoTold final : GameListener {
    void undoStateChanged(bool undo, bool redo) override { told = {undo, redo}; }
    std::pair<bool, bool> told{};
};

// A table on a game with scripted dice and answers.
class TableTest : public ::testing::Test {
protected:
    explicit TableTest(Seats seats = {human("Anne"), human("Bruno"), human("Chloé")})
        : table(game, std::move(seats))
    {
        game.setCaption(Label::Label20, "F");
        answers.setComputerInPlay([this] { return table.computerInPlay(); });
        table.addListener(heard);
        game.addListener(undoTold);
        game.Nouveau_Click();
        heard.take();
    }
    ~TableTest() override
    {
        game.removeListener(undoTold);
        table.removeListener(heard);
    }

    void throwDice(std::initializer_list<int> faces)
    {
        dice.queue(faces);
        game.Command1_Click();
    }

    test::ScriptedDice dice;
    test::ScriptedAnswers player;
    ComputerAnswers answers{player};
    Game game{dice, answers};
    Table table;
    Heard heard;
    UndoTold undoTold;
};

// The board passes after each box, in order, and each player's sheet comes
// back exactly as that player left it, with the dice and holds cleared.
TEST_F(TableTest, TheBoardPassesInOrderAndEachSheetComesBackAsLeft)
{
    throwDice({6, 6, 6, 2, 1});
    game.setHeld(1, true);
    game.Command7_Click(); // Anne's sixes: 18
    EXPECT_EQ(heard.take(), std::vector<std::string>{"passed 1"});
    EXPECT_EQ(table.seatInPlay(), 1);
    EXPECT_EQ(game.text(Cell::Text11), "") << "Bruno's sheet is empty";
    EXPECT_TRUE(game.isEnabled(Button::Command7));
    EXPECT_EQ(game.caption(Label::Label19), "0");

    throwDice({5, 5, 5, 5, 5});
    game.Command11_Click(); // Bruno's Daxo: 50
    throwDice({1, 2, 3, 4, 5});
    game.Command9_Click(); // Chloé's Suite: 30
    EXPECT_EQ(heard.take(), (std::vector<std::string>{"passed 2", "passed 0"}));

    // Anne's sheet, as she left it; nothing of the others'.
    EXPECT_EQ(game.text(Cell::Text11), "18");
    EXPECT_EQ(game.text(Cell::Text12), "18");
    EXPECT_EQ(game.text(Cell::Text17), "");
    EXPECT_EQ(game.text(Cell::Text15), "");
    EXPECT_FALSE(game.isEnabled(Button::Command7));
    EXPECT_EQ(game.caption(Label::Label19), "1");
    EXPECT_EQ(game.panel(5).text(), "Total : 18");
    EXPECT_EQ(game.dice(), (Dice{"a", "b", "c", "d", "e"}));
    for (int die = 1; die <= kDieCount; ++die)
        EXPECT_EQ(game.holdBox(die), HoldBox{}) << die;
    EXPECT_EQ(summarize(table.recordOf(1)).total, 50);
    EXPECT_EQ(summarize(table.recordOf(2)).total, 30);
    EXPECT_EQ(table.recordOf(1).start(), table.recordOf(0).start()) << "one game, one seed";
}

// Undo takes back the box that ended a human's turn while the next player
// has not acted, and redo passes the board again; no further back, and
// never once the next player has acted.
TEST_F(TableTest, UndoReachesOnlyTheTurnInPlayAndTheBoxThatEndedIt)
{
    throwDice({6, 6, 6, 2, 1});
    game.Command7_Click(); // Anne: 18
    throwDice({2, 2, 3, 4, 5});
    game.Command3_Click(); // Bruno: 4
    ASSERT_EQ(table.seatInPlay(), 2);
    ASSERT_TRUE(game.canUndo()) << "Bruno's box, Chloé not having acted";
    EXPECT_EQ(undoTold.told, std::pair(true, false)) << "as the menu hears it";
    game.undo();
    EXPECT_EQ(table.seatInPlay(), 1);
    EXPECT_EQ(game.text(Cell::Text7), "");
    EXPECT_TRUE(game.isEnabled(Button::Command3));
    EXPECT_EQ(game.dice(), (Dice{"2", "2", "3", "4", "5"}));
    EXPECT_FALSE(game.canUndo()) << "nothing of Anne's turn";
    ASSERT_TRUE(game.canRedo());
    game.redo();
    EXPECT_EQ(table.seatInPlay(), 2);
    EXPECT_EQ(game.text(Cell::Text7), "") << "Chloé's sheet";
    EXPECT_EQ(summarize(table.recordOf(1)).total, 4);

    throwDice({1, 1, 1, 1, 1}); // Chloé acts
    EXPECT_FALSE(game.canUndo());
    EXPECT_EQ(undoTold.told, std::pair(false, false));
    game.undo();
    EXPECT_EQ(table.seatInPlay(), 2);
    EXPECT_EQ(summarize(table.recordOf(1)).total, 4);
    game.Command2_Click(); // Chloé: 5
    game.undo();
    game.redo();
    EXPECT_EQ(table.seatInPlay(), 0);
    EXPECT_FALSE(table.recordOf(0).assisted()) << "the others' undos are theirs alone";
    EXPECT_TRUE(table.recordOf(1).assisted());
    EXPECT_TRUE(table.recordOf(2).assisted());
}

// The end comes after the last player's twelfth box, not the first's: the
// places, then the game's own question to the first human, on that
// human's sheet.
TEST_F(TableTest, TheGameEndsAfterTheLastPlayersTwelfthBox)
{
    for (int box = 2; box <= 13; ++box) {
        for (int seat = 0; seat < 3; ++seat) {
            if (box == 13 && seat == 2)
                player.queue({Answer::No, Answer::No});
            // Five of a kind, or a Suite for its box: every combination
            // holds. Anne's and Chloé's dice alike, Bruno's lower.
            const int face = seat == 1 ? 3 : 6;
            if (box == 9)
                throwDice({1, 2, 3, 4, 5});
            else
                throwDice({face, face, face, face, face});
            game.click(button(box));
            if (box == 13 && seat == 0) {
                EXPECT_TRUE(player.asked().empty()) << "Anne's sheet is full, the others' not";
            }
        }
    }
    const std::vector<std::string> heard = this->heard.take();
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard.back(), "ended 1 3 1");
    EXPECT_EQ(heard[heard.size() - 2], "passed 0");
    ASSERT_EQ(player.asked().size(), 2u);
    EXPECT_EQ(player.asked().front().prompt, "Vous avez " + game.text(Cell::Text20) +
                                                  " ! Voulez vous faire une nouvelle partie ?");
    EXPECT_EQ(table.seatInPlay(), 0);
    EXPECT_TRUE(table.over());
    EXPECT_EQ(table.places(), (std::vector<int>{1, 3, 1}));

    // The end told it all: New game after it starts afresh, no seat left.
    game.Nouveau_Click();
    EXPECT_EQ(this->heard.take(), std::vector<std::string>{"passed 0"});
}

// New game starts every sheet anew, after telling of each seat's record.
TEST_F(TableTest, NewGameStartsEverySheetAnew)
{
    throwDice({6, 6, 6, 6, 6});
    game.Command7_Click();
    throwDice({6, 6, 6, 6, 6});
    heard.take();
    game.Nouveau_Click();
    EXPECT_EQ(heard.take(), (std::vector<std::string>{"left 3", "passed 0"}));
    ASSERT_EQ(heard.left.size(), 3u);
    EXPECT_EQ(summarize(heard.left[0]).total, 30);
    EXPECT_TRUE(summarize(heard.left[1]).begun && !summarize(heard.left[2]).begun);
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_FALSE(summarize(table.recordOf(seat)).begun);
        EXPECT_EQ(table.recordOf(seat).start().game, 3);
    }
}

TEST(Places, EqualTotalsShareAPlace)
{
    const std::pair<std::vector<int>, std::vector<int>> rows[] = {
        {{200, 180, 200, 150}, {1, 3, 1, 4}},
        {{100, 100}, {1, 1}},
        {{90, 120, 150}, {3, 2, 1}},
        {{0, 0, 0, 10}, {2, 2, 2, 1}},
    };
    for (const auto& [totals, places] : rows)
        EXPECT_EQ(placesOf(totals), places);
}

// Whatever the level, a computer draws among the engine's own actions; the
// perfect one always takes the best.
TEST(ComputerChoice, AlwaysOneOfTheEnginesActionsAndPerfectTakesTheBest)
{
    const solver::Strategy& strategy = test::wholeTable();
    RandomDiceSource dice(3);
    test::ScriptedAnswers none;
    std::mt19937_64 random(5);
    for (int game = 0; game < 20; ++game) {
        solver::Position position;
        for (int turn = 0; turn < 12; ++turn) {
            solver::FaceCounts counts{};
            for (int d = 0; d < 5; ++d)
                ++counts[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 5)(random))];
            const std::vector<solver::Action> actions = strategy.advise(position, counts, turn % 3);
            for (const Level& level : levels()) {
                for (const double draw : {0.0, 0.3, 0.77, 0.999999}) {
                    const solver::Action& chosen = chooseAction(actions, level, draw);
                    EXPECT_NE(std::find(actions.begin(), actions.end(), chosen), actions.end()) << level.name;
                    if (level.temperature == 0) {
                        EXPECT_EQ(chosen, actions.front());
                    }
                }
            }
            const solver::Action& best = actions.front();
            const solver::Box box = best.kind == solver::Action::Kind::Score ? best.box : [&] {
                for (int b = 0; b < solver::kBoxCount; ++b)
                    if (!(position.used & (1u << b)))
                        return static_cast<solver::Box>(b);
                return solver::Box::Ones;
            }();
            position = solver::afterScoring(position, box, 0).position;
        }
    }
}

// A weaker level loses more: the likelier a choice, the less it loses.
TEST(ComputerChoice, TheWeightOfAChoiceFallsWithItsLoss)
{
    const std::vector<solver::Action> actions{{.kind = solver::Action::Kind::Throw, .loss = 0},
                                              {.kind = solver::Action::Kind::Score, .loss = 1},
                                              {.kind = solver::Action::Kind::Score, .box = solver::Box::Twos, .loss = 5}};
    const Level& regular = *levelNamed("regular");
    std::array<int, 3> counts{};
    for (int i = 0; i < 10000; ++i) {
        const solver::Action& chosen = chooseAction(actions, regular, (i + 0.5) / 10000);
        ++counts[static_cast<std::size_t>(&chosen - actions.data())];
    }
    EXPECT_GT(counts[0], counts[1]);
    EXPECT_GT(counts[1], counts[2]);
    EXPECT_GT(counts[2], 0);
}

// The levels' strengths are what the Players window says they are.
TEST(Levels, PlayAtTheirMeasuredStrength)
{
#ifdef DAXO_SANITIZED
    constexpr int kGames = 400;
#else
    constexpr int kGames = 3000;
#endif
    const solver::Strategy& strategy = test::wholeTable();
    double weaker = 0;
    for (const Level& level : levels()) {
        const LevelFigures figures = simulateLevel(strategy, level, kGames, 11, 2);
        EXPECT_NEAR(figures.mean, level.measuredMean, 3 + 4 * figures.standardError) << level.name;
        EXPECT_GT(figures.mean, weaker) << level.name;
        weaker = figures.mean;
    }
}

// A computer's decision draws the same number for the same point of the
// same game, whatever came before.
TEST(ComputerChoice, TheSameDecisionDrawsTheSameNumber)
{
    std::set<double> draws;
    for (int seat = 0; seat < 3; ++seat) {
        for (int turn = 1; turn <= 12; ++turn) {
            for (int throwsMade = 0; throwsMade < 3; ++throwsMade) {
                const double draw = decisionDraw(42, seat, turn, throwsMade);
                EXPECT_EQ(draw, decisionDraw(42, seat, turn, throwsMade));
                EXPECT_TRUE(draw >= 0 && draw < 1);
                draws.insert(draw);
            }
        }
    }
    EXPECT_EQ(draws.size(), 108u);
    EXPECT_NE(decisionDraw(42, 0, 1, 0), decisionDraw(43, 0, 1, 0));
}

// A whole game of three, a human scripted and two computers, with seeded
// dice; played again from its seed with the same actions, it is the same
// game, the computers' included.
std::vector<std::vector<GameEvent>> playATableOfThree(std::uint64_t seed)
{
    RandomDiceSource dice(seed);
    test::AcceptingRefusals player; // and No at the end
    ComputerAnswers answers(player);
    Game game(dice, answers);
    game.setCaption(Label::Label20, "E");
    Table table(game, {human("Anne"), computer("regular"), computer("perfect")});
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    game.Nouveau_Click();
    const solver::Strategy& strategy = test::wholeTable();
    int steps = 0;
    while (!table.over() && steps < 2000) {
        ++steps;
        if (table.computerInPlay()) {
            EXPECT_TRUE(table.playComputerStep(strategy));
            continue;
        }
        // The human throws twice, keeping the sixes, then scores the first
        // free box: refusals answered Yes.
        game.Command1_Click();
        for (int die = 1; die <= 5; ++die)
            game.setHeld(die, game.text(dieCell(die)) == "6");
        game.Command1_Click();
        for (int n = 2; n <= 13; ++n) {
            if (game.isEnabled(button(n))) {
                game.click(button(n));
                break;
            }
        }
    }
    EXPECT_TRUE(table.over());
    std::vector<std::vector<GameEvent>> records;
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_TRUE(summarize(table.recordOf(seat)).finished()) << seat;
        records.push_back(table.recordOf(seat).events());
    }
    return records;
}

TEST(TableGame, ReplayedFromItsSeedIsTheSameGame)
{
    const auto first = playATableOfThree(99);
    EXPECT_EQ(playATableOfThree(99), first);
    EXPECT_NE(playATableOfThree(100), first);
    // The perfect computer took the engine's best at every decision.
    GameRecord perfect(first[2], 0);
    EXPECT_NEAR(solver::judge(perfect, test::wholeTable()).totalLoss, 0, 1e-9);
}

// The table's computers, deciding on the board through the game itself,
// play as strong as their levels measured apart from it.
TEST(TableGame, ComputersOnTheBoardPlayAtTheirLevel)
{
    RandomDiceSource dice(2026);
    test::AcceptingRefusals player;
    ComputerAnswers answers(player);
    Game game(dice, answers);
    Table table(game, {computer("regular"), computer("perfect")});
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    const solver::Strategy& strategy = test::wholeTable();
    constexpr int kGames = 400;
    std::array<double, 2> sum{};
    for (int played = 0; played < kGames; ++played) {
        game.Nouveau_Click();
        while (!table.over())
            ASSERT_TRUE(table.playComputerStep(strategy));
        for (int seat = 0; seat < 2; ++seat)
            sum[static_cast<std::size_t>(seat)] += summarize(table.recordOf(seat)).total;
    }
    // Four standard errors of 37 points over the games.
    const double margin = 4 * 37.0 / std::sqrt(kGames);
    EXPECT_NEAR(sum[0] / kGames, levelNamed("regular")->measuredMean, margin);
    EXPECT_NEAR(sum[1] / kGames, perfectLevel().measuredMean, margin);
}

} // namespace
} // namespace daxo
