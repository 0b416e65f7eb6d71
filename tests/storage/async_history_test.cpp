#include "storage/async_history.h"
#include "support/eventually.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace daxo {
namespace {

using test::eventually;

// Every game the history holds, read as a window reads them.
std::vector<StoredGame> allOf(AsyncHistory& history)
{
    std::optional<std::vector<StoredGame>> all;
    history.allGames([&](std::vector<StoredGame> games) { all = std::move(games); });
    eventually([&] { return all.has_value(); });
    return all.value_or(std::vector<StoredGame>{});
}

StoredGame aGame(std::int64_t startedAt, int boxes = 12)
{
    std::vector<GameEvent> events{NewGameEvent{1, static_cast<std::uint64_t>(startedAt)}};
    for (int box = 0; box < boxes; ++box) {
        events.push_back(ThrowEvent{1, {}, {"6", "6", "6", "6", "6"}});
        events.push_back(ScoreEvent{button(box + 2), {"6", "6", "6", "6", "6"}, 1, "10"});
    }
    return StoredGame::of(GameRecord(std::move(events), startedAt));
}

class AsyncHistoryTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("daxo/history.sqlite");
};

// The answers come back on the asker's thread, in the order asked: a read
// after a write sees it.
TEST_F(AsyncHistoryTest, AnswersOnTheAskersThreadInOrder)
{
    AsyncHistory history(path);
    std::vector<std::string> heard;
    history.store(aGame(1), [&](std::optional<qint64> id) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        heard.push_back(id ? "kept" : "in hand");
    });
    history.highScores([&](std::optional<std::vector<HighScore>> best) {
        heard.push_back("best " + std::to_string(best.value().size()));
    });
    ASSERT_TRUE(eventually([&] { return heard.size() == 2; }));
    EXPECT_EQ(heard, (std::vector<std::string>{"kept", "best 1"}));
}

// Another program holding the file delays nothing of the caller: the game
// waits in hand, the trouble is told, and the game is written once the file
// is free, without being asked again.
TEST_F(AsyncHistoryTest, ALockedFileDelaysNothingAndTheGameIsWrittenLater)
{
    {
        AsyncHistory first(path);
        ASSERT_TRUE(first.finish(10000));
        first.store(aGame(1));
    }
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "holder");
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    QSqlQuery hold(other);
    ASSERT_TRUE(hold.exec("BEGIN EXCLUSIVE"));

    AsyncHistory history(path, 200);
    std::vector<HistoryTrouble> told;
    QObject::connect(&history, &AsyncHistory::trouble, [&](HistoryTrouble kind) { told.push_back(kind); });
    QElapsedTimer clock;
    clock.start();
    std::optional<qint64> kept = -1;
    history.store(aGame(2), [&](std::optional<qint64> id) { kept = id; });
    EXPECT_LT(clock.elapsed(), 50) << "the call came back at once";
    ASSERT_TRUE(eventually([&] { return !told.empty(); }));
    EXPECT_EQ(told.front(), HistoryTrouble::Locked);
    ASSERT_TRUE(eventually([&] { return kept != std::optional<qint64>(-1); }));
    EXPECT_FALSE(kept) << "in hand";

    ASSERT_TRUE(hold.exec("COMMIT"));
    other.close();
    EXPECT_TRUE(eventually([&] { return allOf(history).size() == 2; })) << "written on a retry";
}

// The figures the coach adds are worked out on the history's thread, step
// by step, for every game that lacks them.
TEST_F(AsyncHistoryTest, JudgesEveryGameWithoutFigures)
{
    AsyncHistory history(path);
    for (int game = 1; game <= 130; ++game)
        history.store(aGame(game, game % 13));
    int changes = 0;
    QObject::connect(&history, &AsyncHistory::changed, [&](HistoryChange what) { changes += what == HistoryChange::Figures; });
    history.judgeGamesWithoutFigures([](const GameRecord& record) -> std::optional<std::pair<double, double>> {
        EXPECT_NE(QThread::currentThread(), QCoreApplication::instance()->thread());
        return std::pair(static_cast<double>(record.events().size()), 1.0);
    });
    std::vector<StoredGame> all;
    ASSERT_TRUE(eventually([&] {
        all = allOf(history);
        return !all.empty() && std::all_of(all.begin(), all.end(), [](const StoredGame& game) { return game.totalLoss.has_value(); });
    }));
    EXPECT_EQ(all[5].totalLoss, std::optional(static_cast<double>(all[5].record.events().size())));
    EXPECT_GE(changes, 3) << "in steps";
}

} // namespace
} // namespace daxo
