#include "history.h"

#include "record_codec.h"
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
#include <cmath>

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

// A seed is any 64-bit number; SQLite's integers are signed, and hold it
// bit for bit.
qint64 seedColumn(std::uint64_t seed) { return static_cast<qint64>(seed); }
std::uint64_t seedOf(const QVariant& column) { return static_cast<std::uint64_t>(column.toLongLong()); }

constexpr const char* kBoxColumns = "b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12";

// The games the figures are of: the humans', finished, and played rather
// than typed.
constexpr const char* kCounted = "finished = 1 AND cheated = 0 AND kind = 0";

// Step 4: the JSON records of the first schemas in their compact form, the
// seeds as numbers, and the boxes beside them in the games' own row. A
// record that no longer reads (edited by hand) is kept as it was, and left
// out of what is read, as before.
QSqlError compactTheRecords(QSqlDatabase& database)
{
    QSqlQuery read(database);
    read.setForwardOnly(true);
    if (!read.exec("SELECT id, started, seed, number, stored, score, bonus, finished, assisted, cheated, record,"
                   " total_loss, mean_loss, player FROM games"))
        return read.lastError();
    QSqlQuery boxes(database);
    boxes.prepare("SELECT box, score FROM boxes WHERE game = ?");
    QSqlQuery write(database);
    write.prepare(QString("INSERT INTO games_v4 (id, started, seed, number, stored, score, bonus, finished, assisted,"
                          " cheated, record, total_loss, mean_loss, player, %1)"
                          " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(kBoxColumns));
    while (read.next()) {
        const QByteArray json = read.value(10).toString().toUtf8();
        const std::optional<GameRecord> record = recordFromJson(json);
        std::array<QVariant, 12> scores;
        scores.fill(QVariant(QMetaType::fromType<int>()));
        boxes.addBindValue(read.value(0));
        if (!boxes.exec())
            return boxes.lastError();
        while (boxes.next()) {
            const int box = boxes.value(0).toInt();
            if (box >= 0 && box < 12)
                scores[static_cast<std::size_t>(box)] = boxes.value(1).toInt();
        }
        write.addBindValue(read.value(0));
        write.addBindValue(read.value(1));
        write.addBindValue(seedColumn(read.value(2).toString().toULongLong()));
        for (int column = 3; column <= 9; ++column)
            write.addBindValue(read.value(column));
        write.addBindValue(record ? encodeRecord(*record) : json);
        for (int column = 11; column <= 13; ++column)
            write.addBindValue(read.value(column));
        for (const QVariant& score : scores)
            write.addBindValue(score);
        if (!write.exec())
            return write.lastError();
    }
    return {};
}

} // namespace

StoredGame StoredGame::of(const GameRecord& record)
{
    StoredGame game{.record = record, .summary = summarize(record)};
    game.assisted = record.assisted();
    game.cheated = record.touchedByCheat();
    return game;
}

const std::vector<History::Step>& History::schemaSteps()
{
    static const std::vector<Step> steps{
        // 1: the games and their boxes.
        {{"CREATE TABLE games (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, seed TEXT NOT NULL,"
          " number INTEGER NOT NULL, stored INTEGER NOT NULL, score INTEGER NOT NULL, bonus INTEGER NOT NULL,"
          " finished INTEGER NOT NULL, assisted INTEGER NOT NULL, cheated INTEGER NOT NULL, record TEXT NOT NULL,"
          " UNIQUE (started, seed))",
          "CREATE TABLE boxes (game INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
          " box INTEGER NOT NULL, score INTEGER NOT NULL, PRIMARY KEY (game, box))"}},
        // 2: the coach's figures and the names of the high scores.
        {{"ALTER TABLE games ADD COLUMN total_loss REAL", "ALTER TABLE games ADD COLUMN mean_loss REAL",
          "ALTER TABLE games ADD COLUMN player TEXT NOT NULL DEFAULT ''",
          "CREATE INDEX games_by_score ON games (finished, assisted, cheated, score)"}},
        // 3: the figures are judged again, now that a turn's first throw,
        // which is no choice, no longer counts as a decision.
        {{"UPDATE games SET total_loss = NULL, mean_loss = NULL"}},
        // 4: a compact history that works out its own figures: each record
        // in a few bytes a decision, each box a column of the game's row,
        // and indexes that hold every figure the windows show.
        {{"CREATE TABLE games_v4 (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, seed INTEGER NOT NULL,"
          " number INTEGER NOT NULL, stored INTEGER NOT NULL, score INTEGER NOT NULL, bonus INTEGER NOT NULL,"
          " finished INTEGER NOT NULL, assisted INTEGER NOT NULL, cheated INTEGER NOT NULL, record BLOB NOT NULL,"
          " total_loss REAL, mean_loss REAL, player TEXT NOT NULL DEFAULT '',"
          " b1 INTEGER, b2 INTEGER, b3 INTEGER, b4 INTEGER, b5 INTEGER, b6 INTEGER,"
          " b7 INTEGER, b8 INTEGER, b9 INTEGER, b10 INTEGER, b11 INTEGER, b12 INTEGER,"
          " UNIQUE (started, seed))"},
         [](QSqlDatabase& database) {
             if (const QSqlError error = compactTheRecords(database); error.isValid())
                 return error;
             QSqlQuery query(database);
             for (const char* statement :
                  {"DROP TABLE boxes", "DROP TABLE games", "ALTER TABLE games_v4 RENAME TO games",
                   "CREATE INDEX games_by_score ON games (finished, assisted, cheated, score)",
                   "CREATE INDEX games_figures ON games (finished, cheated, score, bonus,"
                   " b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12)",
                   "CREATE INDEX games_progress ON games (finished, cheated, started, mean_loss)",
                   "CREATE INDEX games_unjudged ON games (started) WHERE total_loss IS NULL AND cheated = 0"}) {
                 if (!query.exec(QString::fromUtf8(statement)))
                     return query.lastError();
             }
             return QSqlError();
         }},
        // 5: tables of players: each sheet its row, by its seat, with who
        // played it, its place, and the figures of the humans' alone.
        {{"CREATE TABLE games_v5 (id INTEGER PRIMARY KEY, started INTEGER NOT NULL, seed INTEGER NOT NULL,"
          " number INTEGER NOT NULL, stored INTEGER NOT NULL, score INTEGER NOT NULL, bonus INTEGER NOT NULL,"
          " finished INTEGER NOT NULL, assisted INTEGER NOT NULL, cheated INTEGER NOT NULL, record BLOB NOT NULL,"
          " total_loss REAL, mean_loss REAL, player TEXT NOT NULL DEFAULT '',"
          " b1 INTEGER, b2 INTEGER, b3 INTEGER, b4 INTEGER, b5 INTEGER, b6 INTEGER,"
          " b7 INTEGER, b8 INTEGER, b9 INTEGER, b10 INTEGER, b11 INTEGER, b12 INTEGER,"
          " seat INTEGER NOT NULL DEFAULT 0, seats INTEGER NOT NULL DEFAULT 1, kind INTEGER NOT NULL DEFAULT 0,"
          " level TEXT, place INTEGER, UNIQUE (started, seed, seat))",
          "INSERT INTO games_v5 (id, started, seed, number, stored, score, bonus, finished, assisted, cheated, record,"
          " total_loss, mean_loss, player, b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12)"
          " SELECT id, started, seed, number, stored, score, bonus, finished, assisted, cheated, record,"
          " total_loss, mean_loss, player, b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12 FROM games",
          "DROP TABLE games", "ALTER TABLE games_v5 RENAME TO games",
          "CREATE INDEX games_by_score ON games (finished, assisted, cheated, kind, score)",
          "CREATE INDEX games_figures ON games (finished, cheated, kind, score, bonus,"
          " b1, b2, b3, b4, b5, b6, b7, b8, b9, b10, b11, b12)",
          "CREATE INDEX games_progress ON games (finished, cheated, kind, started, seat, mean_loss)",
          "CREATE INDEX games_unjudged ON games (started) WHERE total_loss IS NULL AND cheated = 0 AND kind = 0",
          "CREATE INDEX games_at_tables ON games (started, seed, kind, finished, level, score) WHERE seats > 1"}},
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
    database().close();
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
    database().close();
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase History::database() const { return QSqlDatabase::database(connection_, false); }

bool History::fail(const QSqlError& error) const
{
    trouble_ = troubleOf(error);
    detail_ = error.text();
    return false;
}

bool History::open(const QString& path)
{
    QSqlDatabase database = QSqlDatabase::contains(connection_) ? this->database()
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
    QSqlQuery query(database());
    return query.exec("PRAGMA user_version") && query.next() ? query.value(0).toInt() : 0;
}

// Each step in a transaction of its own, with the version it reaches. The
// room that the compact records left is given back to the disk.
bool History::migrate()
{
    QSqlDatabase database = this->database();
    const auto& steps = schemaSteps();
    const int from = schemaVersion();
    for (int version = from; version < static_cast<int>(steps.size()); ++version) {
        const Step& step = steps[static_cast<std::size_t>(version)];
        QSqlQuery query(database);
        if (!query.exec("BEGIN IMMEDIATE"))
            return fail(query.lastError());
        QSqlError error;
        for (const char* statement : step.statements) {
            if (!error.isValid() && !query.exec(QString::fromUtf8(statement)))
                error = query.lastError();
        }
        if (!error.isValid() && step.convert)
            error = step.convert(database);
        if (!error.isValid() && !query.exec(QString("PRAGMA user_version = %1").arg(version + 1)))
            error = query.lastError();
        if (error.isValid()) {
            QSqlQuery(database).exec("ROLLBACK");
            return fail(error);
        }
        if (!query.exec("COMMIT"))
            return fail(query.lastError());
    }
    if (from > 0 && from < static_cast<int>(steps.size()))
        QSqlQuery(database).exec("VACUUM");
    return true;
}

std::optional<qint64> History::store(const StoredGame& game)
{
    QSqlDatabase database = this->database();
    if (!database.isOpen()) {
        detail_ = database.lastError().text();
        return std::nullopt;
    }
    // In a transaction of its own, so that its end is seen: a disk that
    // fills up fails the commit, not the statement.
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
    query.prepare(QString("INSERT INTO games (started, seed, number, stored, score, bonus, finished, assisted, cheated,"
                          " record, total_loss, mean_loss, player, %1, seat, seats, kind, level, place)"
                          " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                          " ?, ?, ?, ?, ?)"
                          " ON CONFLICT (started, seed, seat) DO UPDATE SET stored = excluded.stored,"
                          " score = excluded.score, bonus = excluded.bonus, finished = excluded.finished,"
                          " assisted = excluded.assisted, cheated = excluded.cheated, record = excluded.record,"
                          // The figures judged stand while the record does.
                          " total_loss = CASE WHEN excluded.record = record"
                          " THEN COALESCE(excluded.total_loss, total_loss) ELSE excluded.total_loss END,"
                          " mean_loss = CASE WHEN excluded.record = record"
                          " THEN COALESCE(excluded.mean_loss, mean_loss) ELSE excluded.mean_loss END,"
                          " player = CASE WHEN excluded.player = '' THEN player ELSE excluded.player END,"
                          " b1 = excluded.b1, b2 = excluded.b2, b3 = excluded.b3, b4 = excluded.b4,"
                          " b5 = excluded.b5, b6 = excluded.b6, b7 = excluded.b7, b8 = excluded.b8,"
                          " b9 = excluded.b9, b10 = excluded.b10, b11 = excluded.b11, b12 = excluded.b12,"
                          " seats = excluded.seats, kind = excluded.kind, level = excluded.level,"
                          // So does the place at the end of a table's game.
                          " place = CASE WHEN excluded.record = record"
                          " THEN COALESCE(excluded.place, place) ELSE excluded.place END")
                      .arg(kBoxColumns));
    query.addBindValue(static_cast<qint64>(game.record.startedAt()));
    query.addBindValue(seedColumn(game.record.start().seed));
    query.addBindValue(game.record.start().game);
    query.addBindValue(QDateTime::currentMSecsSinceEpoch());
    query.addBindValue(summary.total);
    query.addBindValue(summary.bonus);
    query.addBindValue(summary.finished());
    query.addBindValue(game.assisted);
    query.addBindValue(game.cheated);
    query.addBindValue(encodeRecord(game.record));
    query.addBindValue(game.totalLoss ? QVariant(*game.totalLoss) : QVariant(QMetaType::fromType<double>()));
    query.addBindValue(game.meanLoss ? QVariant(*game.meanLoss) : QVariant(QMetaType::fromType<double>()));
    query.addBindValue(game.player.isNull() ? QStringLiteral("") : game.player); // a null text binds as NULL
    for (const std::optional<int>& box : summary.boxes)
        query.addBindValue(box ? QVariant(*box) : QVariant(QMetaType::fromType<int>()));
    query.addBindValue(game.seat);
    query.addBindValue(game.seats);
    query.addBindValue(game.computer ? 1 : 0);
    query.addBindValue(game.computer ? QVariant(game.level) : QVariant(QMetaType::fromType<QString>()));
    query.addBindValue(game.place ? QVariant(*game.place) : QVariant(QMetaType::fromType<int>()));
    if (!query.exec())
        return abandon();
    query.prepare("SELECT id FROM games WHERE started = ? AND seed = ? AND seat = ?");
    query.addBindValue(static_cast<qint64>(game.record.startedAt()));
    query.addBindValue(seedColumn(game.record.start().seed));
    query.addBindValue(game.seat);
    if (!query.exec() || !query.next())
        return abandon();
    const qint64 id = query.value(0).toLongLong();
    query.finish();
    if (!query.exec("COMMIT"))
        return abandon();
    trouble_ = HistoryTrouble::None;
    return id;
}

bool History::setFigures(qint64 id, double totalLoss, double meanLoss)
{
    QSqlQuery query(database());
    query.prepare("UPDATE games SET total_loss = ?, mean_loss = ? WHERE id = ?");
    query.addBindValue(totalLoss);
    query.addBindValue(meanLoss);
    query.addBindValue(id);
    return query.exec() || fail(query.lastError());
}

bool History::setPlayer(qint64 id, const QString& player)
{
    QSqlQuery query(database());
    query.prepare("UPDATE games SET player = ? WHERE id = ?");
    query.addBindValue(player);
    query.addBindValue(id);
    return query.exec() || fail(query.lastError());
}

std::optional<std::vector<HighScore>> History::highScores(int count) const
{
    std::vector<HighScore> best;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare("SELECT id, score, started, player FROM games WHERE finished = 1 AND assisted = 0 AND cheated = 0"
                  " AND kind = 0 ORDER BY score DESC, started, seat LIMIT ?");
    query.addBindValue(count);
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    while (query.next())
        best.push_back({query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toLongLong(),
                        query.value(3).toString()});
    return best;
}

int History::rankOf(qint64 id, int count) const
{
    const std::vector<HighScore> best = highScores(count).value_or(std::vector<HighScore>{});
    const auto found = std::find_if(best.begin(), best.end(), [id](const HighScore& line) { return line.id == id; });
    return found == best.end() ? 0 : static_cast<int>(found - best.begin()) + 1;
}

std::optional<HistoryFigures> History::figures(int binWidth, int points) const
{
    HistoryFigures figures;
    figures.binWidth = std::max(1, binWidth);
    QSqlQuery query(database());
    query.setForwardOnly(true);
    QString sums = "SELECT COUNT(*), AVG(score), MAX(score), SUM(score * score * 1.0), SUM(bonus > 0)";
    for (int box = 1; box <= 12; ++box)
        sums += QString(", AVG(b%1)").arg(box);
    if (!query.exec(sums + " FROM games WHERE " + kCounted) || !query.next()) {
        fail(query.lastError());
        return std::nullopt;
    }
    figures.games = query.value(0).toInt();
    if (figures.games == 0)
        return figures;
    const double n = figures.games;
    figures.mean = query.value(1).toDouble();
    figures.best = query.value(2).toInt();
    if (figures.games > 1)
        figures.deviation = std::sqrt(std::max(0.0, (query.value(3).toDouble() - n * figures.mean * figures.mean) / (n - 1)));
    figures.bonusGames = query.value(4).toInt();
    for (std::size_t box = 0; box < figures.boxMeans.size(); ++box)
        figures.boxMeans[box] = query.value(5 + static_cast<int>(box)).toDouble();

    // By score, in the index's own order, then into bins.
    figures.scoreCounts.assign(static_cast<std::size_t>(std::max(figures.best, 0) / figures.binWidth + 1), 0);
    if (!query.exec(QString("SELECT score, COUNT(*) FROM games WHERE %1 GROUP BY score").arg(kCounted))) {
        fail(query.lastError());
        return std::nullopt;
    }
    while (query.next()) {
        const int bin = std::max(query.value(0).toInt(), 0) / figures.binWidth;
        if (bin < static_cast<int>(figures.scoreCounts.size()))
            figures.scoreCounts[static_cast<std::size_t>(bin)] += query.value(1).toInt();
    }

    // The losses in the order the games were played, read along their index
    // and gathered into groups of equal size.
    const QString judged = QString("FROM games WHERE %1 AND mean_loss IS NOT NULL").arg(kCounted);
    if (!query.exec("SELECT COUNT(*) " + judged) || !query.next()) {
        fail(query.lastError());
        return std::nullopt;
    }
    figures.judgedGames = query.value(0).toInt();
    const int group = std::max(1, (figures.judgedGames + std::max(points, 1) - 1) / std::max(points, 1));
    if (!query.exec("SELECT mean_loss " + judged + " ORDER BY started, seat")) {
        fail(query.lastError());
        return std::nullopt;
    }
    int place = 0;
    double sum = 0;
    while (query.next()) {
        sum += query.value(0).toDouble();
        if (++place % group == 0 || place == figures.judgedGames) {
            const int first = (place - 1) / group * group + 1;
            figures.progress.push_back({first, place, sum / (place - first + 1)});
            sum = 0;
        }
    }

    // Each human's sheet against each computer's at the same table: along
    // the index of the tables' rows alone, not every game of a player who
    // may never have sat at one.
    if (!query.exec("SELECT c.level, COUNT(*), SUM(h.score > c.score), SUM(h.score < c.score),"
                    " AVG(h.score - c.score) FROM games h INDEXED BY games_at_tables"
                    " JOIN games c INDEXED BY games_at_tables ON c.started = h.started"
                    " AND c.seed = h.seed AND c.seats > 1 AND c.kind = 1 AND c.finished = 1"
                    " WHERE h.seats > 1 AND h.kind = 0 AND h.finished = 1 AND h.cheated = 0 GROUP BY c.level")) {
        fail(query.lastError());
        return std::nullopt;
    }
    while (query.next())
        figures.againstLevels.push_back({query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt(),
                                         query.value(3).toInt(), query.value(4).toDouble()});
    return figures;
}

namespace {

std::vector<StoredGame> gamesOf(QSqlQuery& query)
{
    std::vector<StoredGame> games;
    while (query.next()) {
        const NewGameEvent start{query.value(3).toInt(), seedOf(query.value(2))};
        // A record that no longer reads (edited by hand) leaves its game out.
        const std::optional<GameRecord> record = decodeRecord(query.value(4).toByteArray(), start,
                                                              query.value(1).toLongLong());
        if (!record)
            continue;
        StoredGame game = StoredGame::of(*record);
        game.id = query.value(0).toLongLong();
        game.assisted = query.value(5).toBool();
        game.cheated = query.value(6).toBool();
        if (!query.value(7).isNull())
            game.totalLoss = query.value(7).toDouble();
        if (!query.value(8).isNull())
            game.meanLoss = query.value(8).toDouble();
        game.player = query.value(9).toString();
        game.seat = query.value(10).toInt();
        game.seats = query.value(11).toInt();
        game.computer = query.value(12).toInt() == 1;
        game.level = query.value(13).toString();
        if (!query.value(14).isNull())
            game.place = query.value(14).toInt();
        games.push_back(std::move(game));
    }
    return games;
}

constexpr const char* kGameColumns = "SELECT id, started, seed, number, record, assisted, cheated, total_loss,"
                                     " mean_loss, player, seat, seats, kind, level, place FROM games ";

} // namespace

std::vector<StoredGame> History::gamesWithoutFigures(int count) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QString(kGameColumns) + "WHERE total_loss IS NULL AND cheated = 0 AND kind = 0 ORDER BY started LIMIT ?");
    query.addBindValue(count);
    if (!query.exec()) {
        fail(query.lastError());
        return {};
    }
    return gamesOf(query);
}

std::vector<StoredGame> History::allGames() const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QString(kGameColumns) + "ORDER BY started, seat")) {
        fail(query.lastError());
        return {};
    }
    return gamesOf(query);
}

} // namespace daxo
