#include "history.h"

#include "record_json.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace daxo {
namespace {

std::atomic<int> connections{0};

// SQLite's result codes, as Qt reports them.
HistoryTrouble troubleOf(const QSqlError& error)
{
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return HistoryTrouble::Locked;
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
        return HistoryTrouble::ReadOnly;
    case 10: // SQLITE_IOERR: a write the system refused, most often for room
    case 13: // SQLITE_FULL
        return HistoryTrouble::Full;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return HistoryTrouble::Damaged;
    default:
        return HistoryTrouble::Other;
    }
}

QString seedText(std::uint64_t seed) { return QString::number(seed); }

} // namespace

StoredGame StoredGame::of(const GameRecord& record)
{
    StoredGame game{.record = record, .summary = summarize(record)};
    game.assisted = record.assisted();
    game.cheated = record.touchedByCheat();
    return game;
}

const std::vector<std::vector<const char*>>& History::schemaSteps()
{
    static const std::vector<std::vector<const char*>> steps{
        // 1: the games and their boxes.
        {"CREATE TABLE games (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, seed TEXT NOT NULL,"
         " number INTEGER NOT NULL, stored INTEGER NOT NULL, score INTEGER NOT NULL, bonus INTEGER NOT NULL,"
         " finished INTEGER NOT NULL, assisted INTEGER NOT NULL, cheated INTEGER NOT NULL, record TEXT NOT NULL,"
         " UNIQUE (started, seed))",
         "CREATE TABLE boxes (game INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
         " box INTEGER NOT NULL, score INTEGER NOT NULL, PRIMARY KEY (game, box))"},
        // 2: the coach's figures and the names of the high scores.
        {"ALTER TABLE games ADD COLUMN total_loss REAL", "ALTER TABLE games ADD COLUMN mean_loss REAL",
         "ALTER TABLE games ADD COLUMN player TEXT NOT NULL DEFAULT ''",
         "CREATE INDEX games_by_score ON games (finished, assisted, cheated, score)"},
        // 3: the figures are judged again, now that a turn's first throw,
        // which is no choice, no longer counts as a decision.
        {"UPDATE games SET total_loss = NULL, mean_loss = NULL"},
    };
    return steps;
}

QString History::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/daxo/history.sqlite";
}

History::History(const QString& path, int patienceMs)
    : connection_(QString("daxo-history-%1").arg(connections++))
    , patienceMs_(patienceMs)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (open(path) && migrate())
        return;
    if (trouble_ != HistoryTrouble::Damaged)
        return;
    // A file that is no database is kept aside, whole, and a new one begun.
    QSqlDatabase::database(connection_, false).close();
    damagedPath_ = path + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    if (!QFile::rename(path, damagedPath_)) {
        damagedPath_.clear();
        return;
    }
    const QString detail = detail_;
    if (open(path) && migrate()) {
        trouble_ = HistoryTrouble::Damaged; // told once, though all is well now
        detail_ = detail;
    }
}

History::~History()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool History::fail(const QSqlError& error) const
{
    trouble_ = troubleOf(error);
    detail_ = error.text();
    return false;
}

bool History::open(const QString& path)
{
    QSqlDatabase database = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                                                : QSqlDatabase::addDatabase("QSQLITE", connection_);
    database.setDatabaseName(path);
    database.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(patienceMs_));
    if (!database.open())
        return fail(database.lastError());
    QSqlQuery check(database);
    if (!check.exec("PRAGMA quick_check"))
        return fail(check.lastError());
    if (!check.next() || check.value(0).toString() != "ok") {
        trouble_ = HistoryTrouble::Damaged;
        detail_ = check.value(0).toString();
        return false;
    }
    QSqlQuery(database).exec("PRAGMA foreign_keys = ON");
    return true;
}

int History::schemaVersion() const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    return query.exec("PRAGMA user_version") && query.next() ? query.value(0).toInt() : 0;
}

// Each step in a transaction of its own, with the version it reaches.
bool History::migrate()
{
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    const auto& steps = schemaSteps();
    for (int version = schemaVersion(); version < static_cast<int>(steps.size()); ++version) {
        QSqlQuery query(database);
        if (!query.exec("BEGIN IMMEDIATE"))
            return fail(query.lastError());
        bool done = true;
        for (const char* statement : steps[static_cast<std::size_t>(version)])
            done = done && query.exec(QString::fromUtf8(statement));
        done = done && query.exec(QString("PRAGMA user_version = %1").arg(version + 1));
        if (!done) {
            const QSqlError error = query.lastError();
            QSqlQuery(database).exec("ROLLBACK");
            return fail(error);
        }
        if (!query.exec("COMMIT"))
            return fail(query.lastError());
    }
    return true;
}

std::optional<qint64> History::store(const StoredGame& game)
{
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    if (!database.isOpen()) {
        detail_ = database.lastError().text();
        return std::nullopt;
    }
    QSqlQuery query(database);
    if (!query.exec("BEGIN IMMEDIATE")) {
        fail(query.lastError());
        return std::nullopt;
    }
    auto abandon = [&] {
        const QSqlError error = query.lastError();
        QSqlQuery(database).exec("ROLLBACK");
        fail(error);
        return std::nullopt;
    };
    const RecordSummary& summary = game.summary;
    query.prepare("INSERT INTO games (started, seed, number, stored, score, bonus, finished, assisted, cheated, record,"
                  " total_loss, mean_loss, player)"
                  " VALUES (:started, :seed, :number, :stored, :score, :bonus, :finished, :assisted, :cheated, :record,"
                  " :total, :mean, :player)"
                  " ON CONFLICT (started, seed) DO UPDATE SET stored = excluded.stored, score = excluded.score,"
                  " bonus = excluded.bonus, finished = excluded.finished, assisted = excluded.assisted,"
                  " cheated = excluded.cheated, record = excluded.record,"
                  " total_loss = COALESCE(excluded.total_loss, total_loss),"
                  " mean_loss = COALESCE(excluded.mean_loss, mean_loss),"
                  " player = CASE WHEN excluded.player = '' THEN player ELSE excluded.player END");
    query.bindValue(":started", static_cast<qint64>(game.record.startedAt()));
    query.bindValue(":seed", seedText(game.record.start().seed));
    query.bindValue(":number", game.record.start().game);
    query.bindValue(":stored", QDateTime::currentMSecsSinceEpoch());
    query.bindValue(":score", summary.total);
    query.bindValue(":bonus", summary.bonus);
    query.bindValue(":finished", summary.finished());
    query.bindValue(":assisted", game.assisted);
    query.bindValue(":cheated", game.cheated);
    query.bindValue(":record", QString::fromUtf8(recordToJson(game.record)));
    query.bindValue(":total", game.totalLoss ? QVariant(*game.totalLoss) : QVariant());
    query.bindValue(":mean", game.meanLoss ? QVariant(*game.meanLoss) : QVariant());
    query.bindValue(":player", game.player.isNull() ? QStringLiteral("") : game.player); // a null text binds as NULL
    if (!query.exec())
        return abandon();

    query.prepare("SELECT id FROM games WHERE started = ? AND seed = ?");
    query.addBindValue(static_cast<qint64>(game.record.startedAt()));
    query.addBindValue(seedText(game.record.start().seed));
    if (!query.exec() || !query.next())
        return abandon();
    const qint64 id = query.value(0).toLongLong();

    query.prepare("DELETE FROM boxes WHERE game = ?");
    query.addBindValue(id);
    if (!query.exec())
        return abandon();
    for (std::size_t box = 0; box < summary.boxes.size(); ++box) {
        if (!summary.boxes[box])
            continue;
        query.prepare("INSERT INTO boxes (game, box, score) VALUES (?, ?, ?)");
        query.addBindValue(id);
        query.addBindValue(static_cast<int>(box));
        query.addBindValue(*summary.boxes[box]);
        if (!query.exec())
            return abandon();
    }
    if (!query.exec("COMMIT"))
        return abandon();
    trouble_ = HistoryTrouble::None;
    return id;
}

bool History::setFigures(qint64 id, double totalLoss, double meanLoss)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare("UPDATE games SET total_loss = ?, mean_loss = ? WHERE id = ?");
    query.addBindValue(totalLoss);
    query.addBindValue(meanLoss);
    query.addBindValue(id);
    return query.exec() || fail(query.lastError());
}

bool History::setPlayer(qint64 id, const QString& player)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare("UPDATE games SET player = ? WHERE id = ?");
    query.addBindValue(player);
    query.addBindValue(id);
    return query.exec() || fail(query.lastError());
}

std::vector<StoredGame> History::select(const QString& where) const
{
    std::vector<StoredGame> games;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec("SELECT id, record, assisted, cheated, total_loss, mean_loss, player FROM games " + where)) {
        fail(query.lastError());
        return games;
    }
    while (query.next()) {
        // A record that no longer reads (edited by hand) leaves its game out.
        const std::optional<GameRecord> record = recordFromJson(query.value(1).toString().toUtf8());
        if (!record)
            continue;
        StoredGame game = StoredGame::of(*record);
        game.id = query.value(0).toLongLong();
        game.assisted = query.value(2).toBool();
        game.cheated = query.value(3).toBool();
        if (!query.value(4).isNull())
            game.totalLoss = query.value(4).toDouble();
        if (!query.value(5).isNull())
            game.meanLoss = query.value(5).toDouble();
        game.player = query.value(6).toString();
        games.push_back(std::move(game));
    }
    return games;
}

std::vector<StoredGame> History::allGames() const { return select("ORDER BY started"); }

std::vector<StoredGame> History::finishedGames() const { return select("WHERE finished = 1 ORDER BY started"); }

std::vector<StoredGame> History::gamesWithoutFigures() const
{
    return select("WHERE total_loss IS NULL AND cheated = 0 ORDER BY started");
}

std::vector<StoredGame> History::highScores(int count) const
{
    return select(QString("WHERE finished = 1 AND assisted = 0 AND cheated = 0 ORDER BY score DESC, started LIMIT %1")
                      .arg(count));
}

} // namespace daxo
