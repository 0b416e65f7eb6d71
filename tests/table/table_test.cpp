#include "game/random_dice_source.h"
#include "solver/game_analysis.h"
#include "solver/opening_futures.h"
#include "support/random_games.h"
#include "support/game_script.h"
#include "support/whole_table.h"
#include "table/computer_answers.h"
#include "table/computer_choice.h"
#include "table/level_simulation.h"
#include "table/levels.h"
#include "table/table.h"
#include "table/table_chances.h"
#include "table/table_course.h"
#include "table/winning_choice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <thread>

namespace daxo {
namespace {

Seat human(std::string name) { return {.kind = Seat::Kind::Human, .name = std::move(name)}; }
Seat computer(std::string level) { return {.kind = Seat::Kind::Computer, .level = std::move(level)}; }

// What a table tells its windows, a line each: the board passed (and
// whether its box may still be undone), the places at the end, and each
// sheet of a table left or finished, event by event.
struct TableNews final : TableListener {
    explicit TableNews(std::function<void(const std::string&)> write) : write(std::move(write)) {}
    void boardPassed(int seat) override
    {
        write("Passed to seat " + std::to_string(seat) + (game && game->canUndo() ? ", its box undoable" : ""));
    }
    void tableEnded(const std::vector<int>& places) override
    {
        std::string line = "Places";
        for (const int place : places)
            line += " " + std::to_string(place);
        write(line);
    }
    void tableLeft(const std::vector<GameRecord>& left) override { records("Left", left); }
    void records(const std::string& title, const std::vector<GameRecord>& sheets)
    {
        for (std::size_t seat = 0; seat < sheets.size(); ++seat) {
            write(title + " seat " + std::to_string(seat));
            for (const GameEvent& event : sheets[seat].events())
                write("  " + test::lineOf(event));
        }
    }
    std::function<void(const std::string&)> write;
    const Game* game = nullptr;
};

// Humans at one board, played from a script as the game's own are, with
// the table's news among the game's: the board passed after each box, each
// sheet back as its player left it, undo reaching only the box that ended
// the turn in play, and each seat's game as the table keeps it.
TEST(TableScript, IsWhatItsTranscriptSays)
{
    const std::string path = DAXO_TEST_DATA "/tables/humans-at-one-board.txt";
    test::ScriptedDice dice;
    test::Transcriber out;
    Game game{dice, out};
    game.addListener(out);
    TableNews news([&](const std::string& line) { out.write(line); });
    std::optional<Table> table;
    const std::vector<std::string> heard = test::playScript(path, out, [&](const std::string& action) {
        const std::vector<std::string> words = test::wordsOf(action);
        if (words.front() == "seat") {
            Seats seats;
            for (auto name = words.begin() + 1; name != words.end(); ++name)
                seats.push_back(human(*name));
            table.emplace(game, seats);
            table->addListener(news);
        } else if (words.front() == "sheets") {
            for (int seat = 0; seat < static_cast<int>(table->seats().size()); ++seat) {
                const GameRecord& record = table->recordOf(seat);
                out.lines.push_back("Seat " + std::to_string(seat) + ": game " + std::to_string(record.start().game) +
                                    " seed " + std::to_string(record.start().seed) + ", total " +
                                    std::to_string(summarize(record).total) + (record.assisted() ? ", assisted" : ""));
            }
        } else if (!test::playGameAction(action, game, dice, out)) {
            ADD_FAILURE() << "no action " << action;
        }
    });
    table->removeListener(news);
    game.removeListener(out);
    EXPECT_TRUE(dice.exhausted() && out.answers.exhausted());
    test::expectTranscript(path, heard);
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
        if (level.playsToWin)
            continue; // alone, it plays as perfect play; its strength is head to head
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

// Each decision of a game draws a number of its own: no two computers, nor
// two throws, share one.
TEST(ComputerChoice, EachDecisionDrawsANumberOfItsOwn)
{
    std::set<double> draws;
    for (int seat = 0; seat < 6; ++seat) {
        for (int turn = 1; turn <= 12; ++turn) {
            for (int throwsMade = 0; throwsMade < 3; ++throwsMade)
                draws.insert(decisionDraw(42, seat, turn, throwsMade));
        }
    }
    EXPECT_EQ(draws.size(), 6u * 12 * 3);
}

// A table of computers on a seeded game, a refusal always confirmed.
struct ComputersTable {
    ComputersTable(std::uint64_t seed, Seats seats)
        : dice(seed)
        , answers(confirming)
        , game(dice, answers)
        , table(game, std::move(seats))
    {
        game.setCaption(Label::Label20, "E");
        answers.setComputerInPlay([this] { return table.computerInPlay(); });
    }
    // A New game, then every computer's step to its end.
    void playAGame(const solver::Strategy& strategy)
    {
        game.Nouveau_Click();
        for (int step = 0; step < 3000 && !table.over(); ++step)
            ASSERT_TRUE(table.playComputerStep(strategy));
    }
    test::AcceptingRefusals confirming;
    RandomDiceSource dice;
    ComputerAnswers answers;
    Game game;
    Table table;
};

// A computer that plays to win against perfect play, without the openings:
// until its fifth turn it plays as perfect play does, and from there it
// leaves perfect play's choice at times, for a better chance.
TEST(WinningChoice, PlaysAsPerfectPlayUntilItsFifthTurnAndThenToWin)
{
    const solver::Strategy& strategy = test::wholeTable();
    ComputersTable played(5, {computer("competitive"), computer("perfect")});
    const Table& table = played.table;
    int departures = 0;
    for (int games = 0; games < 6; ++games) {
        played.playAGame(strategy);
        ASSERT_TRUE(table.over());
        for (const solver::JudgedDecision& decision : solver::judge(table.recordOf(0), strategy).decisions) {
            const bool late = decision.before.turn > solver::OpeningFutures::kBoxesScored;
            EXPECT_TRUE(late || decision.chosen.loss < solver::kNoLoss) << "turn " << decision.before.turn;
            departures += decision.chosen.loss >= solver::kNoLoss;
        }
        EXPECT_NEAR(solver::judge(table.recordOf(1), strategy).totalLoss, 0, 1e-9);
    }
    EXPECT_GT(departures, 0);
}

// A seeded table, a computer first, the human second and perfect play
// last: every record event of every seat as it was made, the board passed,
// undo's state as the menu hears it, a New game in the human's turn, then a
// whole game to its end with its places and the game's own question. Held to
// a transcript reviewed once; played again from its seed, the same.
std::vector<std::string> aSeededTable(const solver::Strategy& strategy)
{
    std::vector<std::string> said;
    struct Asking final : QuestionPort {
        explicit Asking(std::vector<std::string>& said) : said(said) {}
        Answer ask(const Question& question) override
        {
            said.push_back("Ask " + question.title);
            return question.title == "Warning !" ? Answer::Yes : Answer::No;
        }
        std::vector<std::string>& said;
    } asking(said);
    TableNews telling([&](const std::string& line) { said.push_back(line); });
    RandomDiceSource dice(99);
    ComputerAnswers answers(asking);
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
    telling.records("Finished", {table.recordOf(0), table.recordOf(1), table.recordOf(2)});
    EXPECT_NEAR(solver::judge(table.recordOf(2), strategy).totalLoss, 0, 1e-9) << "perfect play takes the best always";
    table.removeListener(telling);
    return said;
}

// A sheet with `open` left to score, every other box scored 0, and
// `scored` points on it.
solver::GamePoint pointWith(std::initializer_list<solver::Box> open, int scored)
{
    solver::GamePoint point;
    for (int box = 0; box < solver::kBoxCount; ++box) {
        if (std::ranges::find(open, static_cast<solver::Box>(box)) == open.end())
            point.position = solver::afterScoring(point.position, static_cast<solver::Box>(box), 0).position;
    }
    point.scored = scored;
    return point;
}

// The chances at a table against what can be reckoned by hand: a last box
// scored from the dice shown, equal players even, a better level likelier
// to win from the same sheet, and nothing while a player is early on.
TEST(TableChances, AreThoseOfEachOnesFutureUnderTheirPlay)
{
    using solver::Box;
    solver::GamePoint daxoShown = pointWith({Box::Daxo}, 100);
    daxoShown.throwsMade = 3;
    daxoShown.dice = {0, 0, 0, 0, 0, 5}; // five sixes: the Daxo's 50, surely
    const solver::GamePoint over = pointWith({}, 149), level = pointWith({}, 150);
    const solver::GamePoint late = pointWith({Box::Ones, Box::Full, Box::Daxo}, 30);
    const solver::GamePoint early = pointWith({Box::Ones, Box::Twos, Box::Threes, Box::Fours, Box::Fives, Box::Sixes,
                                              Box::Full, Box::Suite}, 10);
    const Level* perfect = &perfectLevel();
    const Level* beginner = levelNamed("beginner");
    const struct {
        const char* what;
        std::vector<Opponent> players;
        double firstWins, firstShares; // -1: only against the second, below
    } cases[] = {
        {"the Daxo shown beats 149", {{daxoShown, nullptr}, {over, perfect}}, 1.0, 0.0},
        {"the Daxo shown ties 150", {{daxoShown, nullptr}, {level, perfect}}, 0.5, 1.0},
        {"equal players are even", {{late, perfect}, {late, nullptr}}, 0.5, -1},
        {"perfect play beats a beginner from one sheet", {{late, perfect}, {late, beginner}}, -1, -1},
    };
    TableChances chances(test::wholeTable());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto got = chances.at(c.players);
        ASSERT_TRUE(got);
        EXPECT_NEAR((*got)[0].win + (*got)[1].win, 1.0, 1e-9);
        EXPECT_NEAR((*got)[0].shared, (*got)[1].shared, 1e-9);
        if (c.firstWins >= 0)
            EXPECT_NEAR((*got)[0].win, c.firstWins, 1e-9);
        else
            EXPECT_GT((*got)[0].win, 0.6);
        if (c.firstShares >= 0)
            EXPECT_NEAR((*got)[0].shared, c.firstShares, 1e-9);
        else
            EXPECT_GT((*got)[0].shared, 0.0);
    }
    const std::vector<Opponent> tooEarly{{late, perfect}, {early, perfect}};
    EXPECT_FALSE(chances.at(tooEarly));
    EXPECT_FALSE(chances.afterActions(tooEarly, 0, solver::actionsAt(late, test::wholeTable())));

    // Where playing to win parts from playing for points: the last box is
    // the Plus, one throw left, 6 6 4 2 2 shown (20) against a finished
    // 119. Throwing the 2s again scores most on average (16 and two dice,
    // 23), but loses on a 2 and ties on a 3: 34/36. Scoring the 20 now
    // wins surely.
    solver::GamePoint plusLeft = pointWith({Box::Plus}, 100);
    plusLeft.throwsMade = 2;
    plusLeft.dice = {0, 2, 0, 1, 0, 2};
    const std::vector<solver::Action> actions = solver::actionsAt(plusLeft, test::wholeTable());
    const std::vector<Opponent> chasing{{pointWith({}, 119), perfect}, {plusLeft, nullptr}};
    const auto odds = chances.afterActions(chasing, 1, actions);
    ASSERT_TRUE(odds);
    ASSERT_EQ(odds->size(), actions.size());
    EXPECT_EQ(actions.front().kept, (solver::FaceCounts{0, 0, 0, 1, 0, 2}));
    EXPECT_NEAR(odds->front(), 34.0 / 36, 1e-9);
    const solver::Action& toWin = actions[solver::bestChance(*odds)];
    EXPECT_NEAR((*odds)[solver::bestChance(*odds)], 1.0, 1e-9);
    EXPECT_NEAR(toWin.value, 20.0, 1e-9) << "the sure 20";
    const std::vector<Opponent> farAhead{{pointWith({}, 50), perfect}, {plusLeft, nullptr}};
    const auto sure = chances.afterActions(farAhead, 1, actions);
    ASSERT_TRUE(sure);
    EXPECT_TRUE(std::ranges::all_of(*sure, [](double chance) { return chance > 1 - 1e-9; }));
    EXPECT_EQ(solver::bestChance(*sure), 0u) << "among equal chances, the best score";
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (actions[i].kind == solver::Action::Kind::Keep && actions[i].kept == solver::FaceCounts{0, 1, 0, 1, 0, 2}) {
            EXPECT_NEAR((*odds)[i], 11.0 / 12, 1e-9) << "one 2 again: a tie on a 1";
        }
    }

    // With the openings the build works out, from the first throw on.
    const std::optional<solver::OpeningFutures> openings = solver::OpeningFutures::read(DAXO_TEST_OPENINGS);
    if (!openings)
        return;
    TableChances fromTheStart(test::wholeTable(), &*openings);
    EXPECT_TRUE(fromTheStart.at(tooEarly));
    const solver::GamePoint start;
    const auto even = fromTheStart.at(std::vector<Opponent>{{start, perfect}, {start, nullptr}});
    ASSERT_TRUE(even);
    EXPECT_DOUBLE_EQ((*even)[0].win, 0.5);
    EXPECT_GT((*even)[0].shared, 0.005);
    EXPECT_GT((*fromTheStart.at(std::vector<Opponent>{{start, perfect}, {start, beginner}}))[0].win, 0.85);
    solver::GamePoint sixes = start;
    sixes.throwsMade = 1;
    sixes.dice = {0, 0, 0, 0, 0, 5};
    EXPECT_GT((*fromTheStart.at(std::vector<Opponent>{{sixes, perfect}, {start, perfect}}))[0].win, 0.6)
        << "five sixes at the first throw";

    // A turn beyond the openings worked out ahead: its throws need nothing
    // more than the player's own position.
    const solver::GamePoint fifthTurn = pointWith({Box::Fives, Box::Sixes, Box::Full, Box::Suite, Box::Carre, Box::Daxo,
                                                   Box::Plus, Box::Moins}, 0);
    const Level* regular = levelNamed("regular");
    TableChances ahead(test::wholeTable(), &*openings);
    ahead.prepareTurn({fifthTurn, regular}, {});
    const std::size_t prepared = ahead.positionsKnown();
    EXPECT_GT(prepared, 1000u);
    solver::GamePoint thrown = fifthTurn;
    thrown.throwsMade = 1;
    thrown.dice = {0, 0, 0, 0, 2, 3};
    ASSERT_TRUE(ahead.at(std::vector<Opponent>{{thrown, regular}, {fifthTurn, regular}}));
    EXPECT_LE(ahead.positionsKnown(), prepared + 1);
    TableChances next(test::wholeTable(), &*openings);
    next.prepareNextTurn({fifthTurn, regular}, {});
    EXPECT_EQ(next.positionsKnown(), prepared) << "the next player's turn, with room to keep it";
}

// At the table a step of the computer that plays to win never waits: what
// the chances of its fifth turn need is worked out on a thread of its own,
// perfect play's action taken meanwhile, and once it is in, the step plays
// to win as an unhurried one. Twenty points behind, with a bonus out of
// reach, 1 2 3 4 6 chases the Suite where the best score keeps the 6.
TEST(WinningChoice, WorksOutAheadWhatAQuickStepNeeds)
{
    const std::optional<solver::OpeningFutures> openings = solver::OpeningFutures::read(DAXO_TEST_OPENINGS);
    if (!openings)
        return;
    const solver::Strategy& strategy = test::wholeTable();
    using solver::Box;
    const auto open = {Box::Fives, Box::Sixes, Box::Full, Box::Suite, Box::Carre, Box::Daxo, Box::Plus, Box::Moins};
    solver::GamePoint behind = pointWith(open, 0);
    behind.throwsMade = 1;
    behind.dice = {1, 1, 1, 1, 0, 1};
    const Opponent ahead{pointWith(open, 20), &perfectLevel()};
    const std::vector<solver::Action> actions = solver::actionsAt(behind, strategy);
    WinningChoice unhurried(strategy, &*openings, WinningChoice::Pace::Unhurried);
    WinningChoice quick(strategy, &*openings, WinningChoice::Pace::Quick);
    const solver::Action& toWin = unhurried.choose(behind, actions, std::span(&ahead, 1));
    EXPECT_EQ(solver::describe(toWin), "keep:2346");
    const solver::Action* chosen = &quick.choose(behind, actions, std::span(&ahead, 1));
    EXPECT_EQ(chosen, &actions.front()) << "nothing at hand yet";
    for (int waited = 0; chosen == &actions.front() && waited < 600; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        chosen = &quick.choose(behind, actions, std::span(&ahead, 1));
    }
    EXPECT_EQ(chosen, &toWin);
}

// A table's game turn by turn: a seeded game of three computers played to
// its end, then cut short in its ninth round. Every step's chances make a
// whole, in the order the seats played; the last is the ranking itself;
// the game is won where the winner's chance rose most; a game not over has
// no winner. With the openings, from the start; without, once every sheet
// has six boxes.
TEST(TableCourse, FollowsTheGameTurnByTurnToItsWinner)
{
    const solver::Strategy& strategy = test::wholeTable();
    ComputersTable played(17, {computer("beginner"), computer("regular"), computer("strong")});
    const Table& table = played.table;
    played.playAGame(strategy);
    ASSERT_TRUE(table.over());
    std::vector<SeatGame> seats;
    std::vector<int> totals;
    for (int seat = 0; seat < 3; ++seat) {
        seats.push_back({solver::turnStartsOf(table.recordOf(seat)), levelNamed(table.seats()[seat].level)});
        ASSERT_EQ(seats.back().turnStarts.size(), 13u);
        EXPECT_EQ(seats.back().turnStarts.back(), solver::pointOf(table.recordOf(seat)));
        totals.push_back(seats.back().turnStarts.back().scored);
    }
    const std::vector<int> places = placesOf(totals);
    const auto winner = static_cast<std::size_t>(std::ranges::find(places, 1) - places.begin());
    ASSERT_EQ(std::ranges::count(places, 1), 1) << "a seed with one winner";

    const std::optional<solver::OpeningFutures> openings = solver::OpeningFutures::read(DAXO_TEST_OPENINGS);
    std::vector<const solver::OpeningFutures*> reads{nullptr};
    if (openings)
        reads.push_back(&*openings);
    for (const solver::OpeningFutures* read : reads) {
        SCOPED_TRACE(read ? "with the openings" : "without");
        TableChances chances(strategy, read);
        const solver::TableCourse course = tableCourse(seats, chances);
        const int first = read ? 0 : TableChances::kBoxesScoredFirst;
        ASSERT_EQ(course.steps.size(), static_cast<std::size_t>((read ? 1 : 0) + 3 * (12 - first) + (read ? 0 : 1)));
        int seat = read ? -1 : 2, turn = first;
        double mostRise = -1;
        for (std::size_t i = 0; i < course.steps.size(); ++i) {
            const solver::CourseStep& step = course.steps[i];
            EXPECT_EQ(std::pair(step.seat, step.turn), std::pair(seat, turn)) << "step " << i;
            std::tie(seat, turn) = seat == 2 || seat < 0 ? std::pair(0, turn + 1) : std::pair(seat + 1, turn);
            EXPECT_NEAR(step.chances[0] + step.chances[1] + step.chances[2], 1.0, 1e-9);
            if (i > 0)
                mostRise = std::max(mostRise, step.chances[winner] - course.steps[i - 1].chances[winner]);
        }
        for (std::size_t other = 0; other < 3; ++other)
            EXPECT_NEAR(course.steps.back().chances[other], other == winner ? 1.0 : 0.0, 1e-9) << "the ranking";
        EXPECT_EQ(course.winner, winner);
        const std::optional<std::size_t> won = course.winningStep();
        ASSERT_TRUE(won);
        EXPECT_NEAR(course.steps[*won].chances[winner] - course.steps[*won - 1].chances[winner], mostRise, 1e-12);
    }

    // Equal at the top: a shared first place, no one winner.
    std::vector<SeatGame> tied = seats;
    const std::size_t other = (winner + 1) % 3;
    tied[other].turnStarts.back().scored = tied[winner].turnStarts.back().scored;
    TableChances tiedChances(strategy);
    const solver::TableCourse shared = tableCourse(tied, tiedChances);
    EXPECT_FALSE(shared.winner);
    EXPECT_NEAR(shared.steps.back().chances[other], 0.5, 1e-9);

    // Cut short in the ninth round, after the second seat's turn.
    std::vector<SeatGame> cut = seats;
    for (std::size_t other = 0; other < 3; ++other)
        cut[other].turnStarts.resize(other < 2 ? 10 : 9);
    TableChances chances(strategy);
    const solver::TableCourse unfinished = tableCourse(cut, chances);
    ASSERT_FALSE(unfinished.steps.empty());
    EXPECT_EQ(std::pair(unfinished.steps.back().seat, unfinished.steps.back().turn), std::pair(1, 9));
    EXPECT_FALSE(unfinished.winner);
    EXPECT_FALSE(unfinished.winningStep());
}

TEST(TableGame, IsWhatItsTranscriptSays)
{
    const std::vector<std::string> said = aSeededTable(test::wholeTable());
    test::expectTranscript(DAXO_TEST_DATA "/tables/seeded-table.txt", said);
}

} // namespace
} // namespace daxo
