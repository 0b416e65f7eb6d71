#include "storage/history.h"
#include "support/history_figures.h"
#include "support/legacy_history.h"
#include "support/random_games.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <tuple>
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

    // The same game again is the same row; its name stays, and its figures
    // while its record is the same.
    ASSERT_EQ(history.store(StoredGame::of(finished)), first);
    EXPECT_EQ(history.allGames().size(), 2u);
    EXPECT_EQ(history.allGames()[0].player, QString::fromUtf8("Hélène"));
    EXPECT_EQ(history.allGames()[0].totalLoss, std::optional(12.5));
    EXPECT_EQ(history.gamesWithoutFigures(10).size(), 1u);
    // A record grown since (a game stored as it goes) is judged again.
    ASSERT_TRUE(history.setFigures(*history.store(StoredGame::of(left)), 3, 0.5));
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 2000, 6))));
    EXPECT_FALSE(history.allGames()[1].totalLoss) << "the figures of five boxes are not those of six";

    // A table's seat keeps its place at the end while its record stands,
    // stored again without it as a game left is.
    StoredGame seat = StoredGame::of(gameScoring(kGood, 3000));
    seat.seat = 1;
    seat.seats = 2;
    seat.place = 1;
    ASSERT_TRUE(history.store(seat));
    seat.place.reset();
    ASSERT_TRUE(history.store(seat));
    EXPECT_EQ(history.allGames().back().place, std::optional(1));
    seat = StoredGame::of(gameScoring(kGood, 3000, 11));
    seat.seat = 1;
    seat.seats = 2;
    ASSERT_TRUE(history.store(seat));
    EXPECT_EQ(history.allGames().back().place, std::nullopt) << "a place is that of a finished sheet";
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
    const std::array<int, 12> fifties{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring(fifties, 90, 12, true))));
    ASSERT_TRUE(history.store(StoredGame::of(gameScoring(fifties, 91, 11))));

    // A computer's sheet at a table, however high, is no high score.
    StoredGame computer = StoredGame::of(gameScoring(fifties, 92));
    computer.seats = 2;
    computer.seat = 1;
    computer.computer = true;
    computer.level = "perfect";
    ASSERT_TRUE(history.store(computer));

    const std::vector<HighScore> best = history.highScores().value();
    ASSERT_EQ(best.size(), 10u);
    EXPECT_TRUE(std::is_sorted(best.begin(), best.end(), [](const HighScore& a, const HighScore& b) {
        return a.score > b.score || (a.score == b.score && a.startedAt < b.startedAt);
    }));
    EXPECT_EQ(std::pair(best.front().score, best.front().startedAt), std::pair(168 - 3 + 2 + 40 + 30, std::int64_t{105}))
        << "the Carré and two ones";
    for (const HighScore& line : best)
        EXPECT_LT(line.score, 600) << "neither the helped game, the unfinished one nor the computer's";
    EXPECT_EQ(history.rankOf(best[3].id), 4);
    EXPECT_EQ(history.rankOf(123456), 0);
}

// Each older schema is brought up to date, its games whole: their records,
// boxes, figures and names. The figures of the second schema were judged
// by other rules, and are judged again.
TEST_F(HistoryTest, MigratesEveryOlderSchema)
{
    for (int version = 1; version <= 4; ++version) {
        SCOPED_TRACE("schema " + std::to_string(version));
        QFile::remove(path);
        ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
        std::vector<StoredGame> games;
        test::RandomGames play(static_cast<std::uint64_t>(version));
        for (int game = 0; game < 40; ++game)
            games.push_back(play.next(1000 + game));
        games.back().record = GameRecord({NewGameEvent{7, 18446744073709551615u}}, 5000); // the largest seed
        games.back().summary = summarize(games.back().record);
        test::writeOldHistory(path, version, games);

        History history(path);
        ASSERT_EQ(history.trouble(), HistoryTrouble::None) << history.troubleDetail().toStdString();
        EXPECT_EQ(history.schemaVersion(), static_cast<int>(History::schemaSteps().size()));
        const std::vector<StoredGame> migrated = history.allGames();
        ASSERT_EQ(migrated.size(), games.size());
        for (std::size_t i = 0; i < games.size(); ++i) {
            EXPECT_EQ(migrated[i].record.events(), games[i].record.events()) << i;
            EXPECT_EQ(migrated[i].record.startedAt(), games[i].record.startedAt());
            EXPECT_EQ(migrated[i].summary.boxes, games[i].summary.boxes);
            EXPECT_EQ(std::pair(migrated[i].assisted, migrated[i].cheated), std::pair(games[i].assisted, games[i].cheated));
            const bool figuresKept = version >= 3;
            EXPECT_EQ(migrated[i].meanLoss, figuresKept ? games[i].meanLoss : std::nullopt);
            EXPECT_EQ(migrated[i].player, version > 1 ? games[i].player : QString());
            EXPECT_EQ(std::tuple(migrated[i].seat, migrated[i].seats, migrated[i].computer, migrated[i].place),
                      std::tuple(0, 1, false, std::optional<int>{}))
                << "a game alone";
        }
        EXPECT_TRUE(history.store(StoredGame::of(gameScoring(kGood, 9000))));
    }
}

// A record a hand edited so that it no longer reads is kept as it was, and
// left out of what is read, as before.
TEST_F(HistoryTest, AnUnreadableOldRecordIsKeptButLeftOut)
{
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    test::writeOldHistory(path, 3, {StoredGame::of(gameScoring(kGood, 1)), StoredGame::of(gameScoring(kGood, 2))});
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        ASSERT_TRUE(QSqlQuery(old).exec("UPDATE games SET record = '{\"edited\": true}' WHERE started = 2"));
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
    History history(path);
    EXPECT_EQ(history.allGames().size(), 1u);
    EXPECT_EQ(history.figures()->games, 2) << "its row still counts, as written";
}

// The database's figures are the records' own, whoever wrote the rows:
// from no game on (a deviation only from two finished games), and on random
// histories of every kind of game, migrated rows among them.
TEST_F(HistoryTest, TheFiguresAreThoseOfTheRecords)
{
    test::RandomGames play(11, {.unfinished = 0.2, .hinted = 0.2, .undone = 0.1, .cheated = 0.1, .judged = 0.7});
    History few(folder.filePath("few.sqlite"));
    for (const std::int64_t started : {1, 2, 3}) {
        EXPECT_EQ(test::textOf(few.figures(25, 1000).value()), test::textOf(test::figuresOf(few.allGames(), 25, 1000)));
        ASSERT_TRUE(few.store(StoredGame::of(gameScoring(kGood, started, started == 2 ? 11 : 12))));
    }
    EXPECT_EQ(test::textOf(few.figures(25, 1000).value()), test::textOf(test::figuresOf(few.allGames(), 25, 1000)));
    ASSERT_TRUE(QDir().mkpath(folder.filePath("daxo")));
    std::vector<StoredGame> older;
    for (int game = 0; game < 60; ++game)
        older.push_back(play.next(game));
    test::writeOldHistory(path, 3, older);
    History history(path);
    for (int game = 60; game < 700; ++game)
        ASSERT_TRUE(history.store(play.next(game)));
    // Tables of three and four: a human or two against computers of each
    // level, some left before their end.
    const char* const levels[] = {"beginner", "regular", "strong", "perfect"};
    for (int table = 0; table < 60; ++table) {
        const std::int64_t started = 1000 + table;
        const int seats = 3 + table % 2;
        std::optional<NewGameEvent> start;
        StoredGame tied;
        for (int seat = 0; seat < seats; ++seat) {
            // Every fifth table, the second seat plays the first's sheet
            // again: a tie, neither won nor lost.
            StoredGame sheet = seat == 1 && table % 5 == 0 ? tied : play.next(started);
            if (seat == 0)
                tied = sheet;
            std::vector<GameEvent> events = sheet.record.events();
            start = start.value_or(std::get<NewGameEvent>(events.front()));
            events.front() = *start;
            const bool computer = seat > 0 && (seat != 1 || table % 3 != 0);
            const StoredGame played = StoredGame::of(GameRecord(std::move(events), started));
            sheet.record = played.record;
            sheet.summary = played.summary;
            sheet.seat = seat;
            sheet.seats = seats;
            sheet.computer = computer;
            sheet.level = computer ? levels[(table + seat) % 4] : QString();
            sheet.place = 1 + seat % 2;
            ASSERT_TRUE(history.store(sheet));
        }
    }

    for (const int points : {1000, 37, 1}) {
        SCOPED_TRACE("at most " + std::to_string(points) + " points");
        const HistoryFigures figures = history.figures(25, points).value();
        EXPECT_EQ(test::textOf(figures), test::textOf(test::figuresOf(history.allGames(), 25, points)));
        EXPECT_LE(static_cast<int>(figures.progress.size()), points);
        EXPECT_EQ(figures.againstLevels.size(), 4u);
    }
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

} // namespace
} // namespace daxo
