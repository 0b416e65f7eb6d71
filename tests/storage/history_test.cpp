#include "storage/history.h"
#include "storage/record_json.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace daxo {
namespace {

// A game whose twelve boxes (Command2 to Command13) scored `scores`, or
// only the first `boxes` of them; started at `startedAt`.
GameRecord gameScoring(std::array<int, 12> scores, std::int64_t startedAt, int boxes = 12, bool hint = false)
{
    std::vector<GameEvent> events{NewGameEvent{1, static_cast<std::uint64_t>(startedAt) * 7}};
    if (hint)
        events.push_back(HintEvent{});
    for (int box = 0; box < boxes; ++box) {
        events.push_back(ThrowEvent{1, {}, {"1", "2", "3", "4", "5"}});
        events.push_back(ScoreEvent{button(box + 2), {"1", "2", "3", "4", "5"}, 1, std::to_string(scores[static_cast<std::size_t>(box)])});
    }
    return GameRecord(std::move(events), startedAt);
}

constexpr std::array<int, 12> kGood{3, 8, 12, 16, 20, 24, 20, 30, 0, 0, 25, 10}; // subtotal 83: bonus

class HistoryTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath("daxo/history.sqlite");
};

TEST_F(HistoryTest, KeepsGamesWholeAndReadsThemBack)
{
    History history(path);
    ASSERT_EQ(history.trouble(), HistoryTrouble::None) << history.troubleDetail().toStdString();
    EXPECT_EQ(history.schemaVersion(), static_cast<int>(History::schemaSteps().size()));
    const GameRecord finished = gameScoring(kGood, 1000);
    const GameRecord left = gameScoring(kGood, 2000, 5);
    const auto first = history.store(StoredGame::of(finished));
    ASSERT_TRUE(first);
    ASSERT_TRUE(history.store(StoredGame::of(left)));
    ASSERT_TRUE(history.setFigures(*first, 12.5, 0.52));
    ASSERT_TRUE(history.setPlayer(*first, QString::fromUtf8("Hélène")));

    const std::vector<StoredGame> all = history.allGames();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].record.events(), finished.events());
    EXPECT_EQ(all[0].record.startedAt(), 1000);
    EXPECT_EQ(all[0].summary.total, 168 + 30);
    EXPECT_EQ(all[0].summary.boxes[10], 25);
    EXPECT_EQ(std::pair(all[0].totalLoss, all[0].meanLoss), std::pair(std::optional(12.5), std::optional(0.52)));
    EXPECT_EQ(all[0].player, QString::fromUtf8("Hélène"));
    EXPECT_FALSE(all[1].summary.finished());
    EXPECT_EQ(history.finishedGames().size(), 1u);

    // The same game again (after an undo, say) is the same row; its figures
    // and name stay.
    ASSERT_EQ(history.store(StoredGame::of(finished)), first);
    EXPECT_EQ(history.allGames().size(), 2u);
    EXPECT_EQ(history.allGames()[0].player, QString::fromUtf8("Hélène"));
    EXPECT_EQ(history.gamesWithoutFigures().size(), 1u);
}

// The ten best finished games that no one helped, best first; equal scores
// by their start.
TEST_F(HistoryTest, HighScoresLeaveOutHelpedAndUnfinishedGames)
{
    History history(path);
    for (int game = 0; game < 14; ++game) {
        std::array<int, 12> scores = kGood;
        scores[8] = game % 5 == 0 ? 40 : 0; // some with a Carré
        scores[0] = game % 3;
        ASSERT_TRUE(history.store(StoredGame::of(gameScoring(scores, 100 + game))));
    }
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring({50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50}, 90, 12, true))));
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring({50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50}, 91, 11))));

    const std::vector<StoredGame> best = history.highScores();
    ASSERT_EQ(best.size(), 10u);
    std::vector<std::pair<int, std::int64_t>> order;
    for (const StoredGame& game : best)
        order.emplace_back(game.summary.total, game.record.startedAt());
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    }));
    EXPECT_EQ(order.front(), std::pair(168 - 3 + 2 + 40 + 30, std::int64_t{105})) << "the Carré and two ones";
    for (const StoredGame& game : best)
        EXPECT_FALSE(game.assisted || !game.summary.finished());
}

// A file of the first schema is brought up to date, its games kept.
TEST_F(HistoryTest, MigratesAFileOfTheFirstSchema)
{
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (const char* statement : History::schemaSteps().front())
            ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
        ASSERT_TRUE(query.exec("PRAGMA user_version = 1"));
        query.prepare("INSERT INTO games (started, seed, number, stored, score, bonus, finished, assisted, cheated,"
                      " record) VALUES (500, '3500', 1, 0, 198, 30, 1, 0, 0, ?)");
        query.addBindValue(QString::fromUtf8(recordToJson(gameScoring(kGood, 500))));
        ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
        old.close();
    }
    QSqlDatabase::removeDatabase("old");

    History history(path);
    ASSERT_EQ(history.trouble(), HistoryTrouble::None) << history.troubleDetail().toStdString();
    EXPECT_EQ(history.schemaVersion(), 3);
    const std::vector<StoredGame> games = history.allGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].summary.total, 198);
    EXPECT_FALSE(games[0].totalLoss);
    EXPECT_TRUE(history.setFigures(games[0].id, 3.0, 0.1));
    EXPECT_EQ(history.highScores().size(), 1u);
}

// Figures judged by the second schema's rules are dropped, to be judged
// again; nothing else of the games changes.
TEST_F(HistoryTest, JudgesAgainTheFiguresOfTheSecondSchema)
{
    {
        History history(path);
        const std::optional<qint64> id = history.store(StoredGame::of(gameScoring(kGood, 500)));
        ASSERT_TRUE(id && history.setFigures(*id, 3.0, 0.1));
    }
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        ASSERT_TRUE(QSqlQuery(old).exec("PRAGMA user_version = 2"));
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
    History history(path);
    EXPECT_EQ(history.schemaVersion(), 3);
    const std::vector<StoredGame> games = history.allGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_FALSE(games[0].totalLoss || games[0].meanLoss);
    EXPECT_EQ(games[0].summary.total, 198);
    EXPECT_EQ(history.gamesWithoutFigures().size(), 1u);
}

// A file that is no database is set aside whole, and a new one begun.
TEST_F(HistoryTest, SetsADamagedFileAsideAndBeginsAnew)
{
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    const QByteArray junk = QByteArray("not a database at all ").repeated(400);
    damaged.write(junk);
    damaged.close();

    History history(path);
    EXPECT_EQ(history.trouble(), HistoryTrouble::Damaged);
    ASSERT_FALSE(history.damagedPath().isEmpty());
    QFile aside(history.damagedPath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), junk);
    EXPECT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 1))));
    EXPECT_EQ(history.allGames().size(), 1u);
}

// Another program holding the file: the store waits a while, then says so;
// once the file is free it stores again.
TEST_F(HistoryTest, ALockedFileIsToldAndLaterWrittenTo)
{
    History history(path, 100);
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 1))));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec("BEGIN EXCLUSIVE"));
        EXPECT_FALSE(history.store(StoredGame::of(gameScoring(kGood, 2))));
        EXPECT_EQ(history.trouble(), HistoryTrouble::Locked);
        ASSERT_TRUE(hold.exec("COMMIT"));
        other.close();
    }
    QSqlDatabase::removeDatabase("other");
    EXPECT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 2))));
    EXPECT_EQ(history.trouble(), HistoryTrouble::None);
    // Two programs at once, each its own games.
    History second(path, 100);
    ASSERT_TRUE(second.store(StoredGame::of(gameScoring(kGood, 3))));
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 4))));
    EXPECT_EQ(second.allGames().size(), 4u);
}

// The probe stores a big game into the file; it reports how it went.
int probe(const QString& path, const std::function<void()>& limit)
{
    const test::UnprivilegedProgram writer(HISTORY_WRITER_PROBE);
    QProcess run;
    run.setChildProcessModifier(limit);
    run.start(writer.program(), {path});
    EXPECT_TRUE(run.waitForFinished(20000));
    return run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
}

// A disk that fills up while a game is written: the write is refused as
// such, and the games already kept are whole.
TEST_F(HistoryTest, AFullDiskRefusesTheWriteAndKeepsTheRest)
{
    {
        History history(path);
        ASSERT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 1))));
    }
    const qint64 size = QFileInfo(path).size();
    const int trouble = probe(path, [size] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(size + 4096), static_cast<rlim_t>(size + 4096)};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(trouble, static_cast<int>(HistoryTrouble::Full));
    History after(path);
    EXPECT_EQ(after.trouble(), HistoryTrouble::None) << after.troubleDetail().toStdString();
    EXPECT_EQ(after.allGames().size(), 1u);
}

// A file the player may not write to: the write is refused as such. Root
// may write anywhere, so there the probe writes as nobody.
TEST_F(HistoryTest, AReadOnlyFileRefusesTheWrite)
{
    {
        History history(path);
        ASSERT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 1))));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    const int trouble = probe(path, &test::UnprivilegedProgram::dropPrivileges);
    EXPECT_EQ(trouble, static_cast<int>(HistoryTrouble::ReadOnly));
    ::chmod(QFile::encodeName(path).constData(), 0644);
    EXPECT_EQ(History(path).allGames().size(), 1u);
}

// Records read back only when they are records: anything else gives nothing.
TEST(RecordJson, ReadsBackWhatItWroteAndNothingElse)
{
    std::vector<GameEvent> events{NewGameEvent{3, 18446744073709551615u},
                                  ThrowEvent{1, {true, false, true, false, false}, {"6", "a", "", "Dé 4", "é"}},
                                  TypedEvent{Cell::Text6, "x\"y\\z"},
                                  HintEvent{},
                                  ScoreEvent{Button::Command13, {"1", "1", "1", "1", "1"}, 3, "5"},
                                  UndoEvent{},
                                  UndoEvent{.redo = true}};
    const GameRecord record(events, -42);
    const std::optional<GameRecord> back = recordFromJson(recordToJson(record));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->events(), record.events());
    EXPECT_EQ(back->startedAt(), -42);
    EXPECT_TRUE(back->touchedByCheat() && back->assisted());

    for (const char* bad : {"", "[]", "{}", "{\"startedAt\":\"1\",\"events\":[]}",
                            "{\"startedAt\":\"1\",\"events\":[{\"hint\":true}]}",
                            "{\"startedAt\":\"x\",\"events\":[{\"game\":1,\"seed\":\"1\"}]}",
                            "{\"startedAt\":\"1\",\"events\":[{\"game\":1,\"seed\":\"1\"},{\"game\":2,\"seed\":\"1\"}]}",
                            "{\"startedAt\":\"1\",\"events\":[{\"game\":1,\"seed\":\"1\"},{\"score\":\"Command1\","
                            "\"dice\":[\"1\",\"1\",\"1\",\"1\",\"1\"],\"throws\":1,\"text\":\"0\"}]}",
                            "{\"startedAt\":\"1\",\"events\":[{\"game\":1,\"seed\":\"1\"},{\"typed\":\"Text99\","
                            "\"text\":\"0\"}]}",
                            "{\"startedAt\":\"1\",\"events\":[{\"game\":1,\"seed\":\"1\"},{\"throw\":1,"
                            "\"held\":\"00\",\"dice\":[]}]}"})
        EXPECT_FALSE(recordFromJson(bad)) << bad;
}

} // namespace
} // namespace daxo
