#include "game/random_dice_source.h"
#include "solver/game_analysis.h"
#include "support/random_games.h"
#include "support/scripted_ports.h"
#include "support/transcript.h"
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
        // Its spread, worked out again from games played as it plays them.
        double sum = 0, squares = 0;
        for (int game = 0; game < 200; ++game) {
            std::mt19937_64 random(11 + static_cast<std::uint64_t>(game) * 0x9e3779b97f4a7c15ull);
            const double total = playAtLevel(strategy, level, random).total;
            sum += total;
            squares += total * total;
        }
        const LevelFigures few = simulateLevel(strategy, level, 200, 11, 1);
        EXPECT_NEAR(few.mean, sum / 200, 1e-9);
        EXPECT_NEAR(few.deviation, std::sqrt((squares - sum * sum / 200) / 199), 1e-9) << level.name;
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

// A seeded table, a computer first, the human second and perfect play
// last: every record event of every seat as it was made, the board passed,
// undo's state as the menu hears it, a New game in the human's turn, then a
// whole game to its end with its places and the game's own question. Held to
// a transcript reviewed once; played again from its seed, the same.
std::vector<std::string> aSeededTable(const solver::Strategy& strategy)
{
    std::vector<std::string> said;
    struct Telling final : QuestionPort, TableListener {
        explicit Telling(std::vector<std::string>& said) : said(said) {}
        Answer ask(const Question& question) override
        {
            said.push_back("Ask " + question.title);
            return question.title == "Warning !" ? Answer::Yes : Answer::No;
        }
        void boardPassed(int to) override
        {
            said.push_back("passed " + std::to_string(to) + (game && game->canUndo() ? ", its box undoable" : ""));
        }
        void tableEnded(const std::vector<int>& places) override
        {
            std::string line = "ended";
            for (const int place : places)
                line += " " + std::to_string(place);
            said.push_back(line);
        }
        void tableLeft(const std::vector<GameRecord>& left) override { records("left", left); }
        void records(const std::string& title, const std::vector<GameRecord>& sheets)
        {
            for (std::size_t seat = 0; seat < sheets.size(); ++seat) {
                said.push_back(title + " seat " + std::to_string(seat));
                for (const GameEvent& event : sheets[seat].events())
                    said.push_back("  " + test::lineOf(event));
            }
        }
        std::vector<std::string>& said;
        const Game* game = nullptr;
    } telling(said);
    RandomDiceSource dice(99);
    ComputerAnswers answers(telling);
    Game game(dice, answers);
    telling.game = &game;
    game.setCaption(Label::Label20, "E");
    Table table(game, {computer("regular"), human("Anne"), computer("perfect")});
    answers.setComputerInPlay([&] { return table.computerInPlay(); });
    table.addListener(telling);
    // The human throws twice, keeping the sixes, then scores the first free
    // box, refusals confirmed; in her fourth turn of the first game, after a
    // throw, a New game.
    int turns = 0;
    game.Nouveau_Click();
    for (int step = 0; step < 2000 && !table.over(); ++step) {
        if (table.computerInPlay()) {
            EXPECT_TRUE(table.playComputerStep(strategy));
            continue;
        }
        game.Command1_Click();
        if (++turns == 4) {
            game.Nouveau_Click();
            continue;
        }
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
    telling.records("finished", {table.recordOf(0), table.recordOf(1), table.recordOf(2)});
    EXPECT_NEAR(solver::judge(table.recordOf(2), strategy).totalLoss, 0, 1e-9) << "perfect play takes the best always";
    table.removeListener(telling);
    return said;
}

TEST(TableGame, IsWhatItsTranscriptSays)
{
    const std::vector<std::string> said = aSeededTable(test::wholeTable());
    test::expectTranscript(DAXO_TEST_DATA "/tables/seeded-table.txt", said);
}

} // namespace
} // namespace daxo
