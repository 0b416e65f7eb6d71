#pragma once

#include "game/record.h"

#include <QString>
#include <optional>
#include <vector>

class QSqlError;

namespace daxo {

// A game as the history keeps it: its whole record, what it came to, and
// what came after it (the coach's figures, the name of a high score).
struct StoredGame {
    qint64 id = 0; // 0 until stored
    GameRecord record;
    RecordSummary summary;
    bool assisted = false;
    bool cheated = false;
    // The coach's judgement: the total loss against perfect play and the mean
    // loss per decision; nothing until the coach has judged it.
    std::optional<double> totalLoss = {};
    std::optional<double> meanLoss = {};
    QString player = {};

    static StoredGame of(const GameRecord& record);
};

// What keeps the history from its work.
enum class HistoryTrouble {
    None,
    Locked,   // another program holds the file too long
    ReadOnly, // the file or its folder cannot be written
    Full,     // the disk is full
    Damaged,  // the file was no database: it was set aside, a new one begun
    Other,
};

// Every game played, kept in an SQLite database: finished or left, with its
// record, its boxes and its figures. Written in transactions, so that two
// games running at once share it safely; every schema since the first is
// brought up to date when the file is opened. No failure is thrown: each
// call says whether it worked, and trouble() says what went wrong.
class History {
public:
    // Opens the file at `path`, creating it and its folder if need be. A
    // file that is no database is renamed aside (`damagedPath()`), and a new
    // one begun. `patience`: how long to wait for another program's lock.
    explicit History(const QString& path, int patienceMs = 3000);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // $XDG_DATA_HOME/daxo/history.sqlite
    static QString defaultPath();

    HistoryTrouble trouble() const { return trouble_; }
    QString troubleDetail() const { return detail_; }
    QString damagedPath() const { return damagedPath_; }
    int schemaVersion() const;

    // Stores the game: a new row, or again the row of the same game (the
    // same start and seed), keeping its figures and name when it has none.
    // Returns its id, or nothing when it could not be written.
    std::optional<qint64> store(const StoredGame& game);
    bool setFigures(qint64 id, double totalLoss, double meanLoss);
    bool setPlayer(qint64 id, const QString& player);

    // The games finished, oldest first.
    std::vector<StoredGame> finishedGames() const;
    // The games not yet judged by the coach.
    std::vector<StoredGame> gamesWithoutFigures() const;
    // The best finished games no one helped: by score, then the earliest.
    std::vector<StoredGame> highScores(int count = 10) const;
    std::vector<StoredGame> allGames() const;

    // The steps from an empty file to the latest schema, one per version;
    // the tests make older files with the first ones.
    static const std::vector<std::vector<const char*>>& schemaSteps();

private:
    bool open(const QString& path);
    bool migrate();
    std::vector<StoredGame> select(const QString& where) const;
    bool fail(const QSqlError& error) const;

    QString connection_;
    int patienceMs_;
    mutable HistoryTrouble trouble_ = HistoryTrouble::None;
    mutable QString detail_;
    QString damagedPath_;
};

} // namespace daxo
