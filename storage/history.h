#pragma once

#include "game/record.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QSqlError>

class QSqlDatabase;

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
    // At a table of several players: this sheet's seat (from 0), how many
    // played, whether a computer played it and at which level, and its
    // place once the game is over (1 for a winner). A game alone is seat 0
    // of 1, a human's, with no place.
    int seat = 0;
    int seats = 1;
    bool computer = false;
    QString level = {};
    std::optional<int> place = {};

    static StoredGame of(const GameRecord& record);
};

// A line of the high scores.
struct HighScore {
    qint64 id = 0;
    int score = 0;
    std::int64_t startedAt = 0; // in milliseconds since 1970
    QString player;
    friend bool operator==(const HighScore&, const HighScore&) = default;
};

// The player's finished games in figures, as the database works them out
// over the games it holds, whoever wrote them: the humans' sheets, alone or
// at a table. A game the cheat mode touched is left out: its scores were
// typed, not played.
struct HistoryFigures {
    int games = 0;
    double mean = 0;
    int best = 0;
    std::optional<double> deviation; // of the scores, from two games on
    int bonusGames = 0;              // games with the bonus
    std::array<double, 12> boxMeans{}; // Command2 to Command13
    // How many games made a final score in each bin of `binWidth` points,
    // from 0 up to the best score's bin.
    int binWidth = 20;
    std::vector<int> scoreCounts;
    // The coach's mean loss per decision, over the games it has judged, in
    // the order they were played: game by game, or group by group of games
    // when there are more games than points to draw.
    struct Progress {
        int firstGame = 1; // from 1, among the games judged
        int lastGame = 1;
        double meanLoss = 0;
        friend bool operator==(const Progress&, const Progress&) = default;
    };
    std::vector<Progress> progress;
    int judgedGames = 0;
    // The games at a table against computers, level by level: the player's
    // sheets against each computer's, won (a higher total), lost, and the
    // player's mean margin.
    struct AgainstLevel {
        QString level;
        int games = 0;
        int wins = 0;
        int losses = 0;
        double meanMargin = 0;
        friend bool operator==(const AgainstLevel&, const AgainstLevel&) = default;
    };
    std::vector<AgainstLevel> againstLevels;
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
// record in a compact form, its boxes and its figures. Written in
// transactions, so that two games running at once share it safely; every
// schema since the first is brought up to date when the file is opened. The
// figures of the windows are worked out by the database over indexed
// columns, never by reading every record. No failure is thrown: each call
// says whether it worked, and trouble() says what went wrong.
//
// A History belongs to the thread that made it: the program keeps it on a
// thread of its own (AsyncHistory), so that no window waits for the disk.
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
    // same start, seed and seat), keeping its name when it has none, and
    // its figures when it has none and its record is the same.
    // Returns its id, or nothing when it could not be written.
    std::optional<qint64> store(const StoredGame& game);
    bool setFigures(qint64 id, double totalLoss, double meanLoss);
    bool setPlayer(qint64 id, const QString& player);

    // The best finished games no one helped, the humans': by score, then
    // the earliest; nothing when they could not be read.
    std::optional<std::vector<HighScore>> highScores(int count = 10) const;
    // The game's place in those, from 1, or 0 when it is not among them.
    int rankOf(qint64 id, int count = 10) const;
    // Figures drawn with at most `points` points of progress; nothing when
    // they could not be read.
    std::optional<HistoryFigures> figures(int binWidth = 20, int points = 200) const;
    // Up to `count` games the coach has not judged yet, oldest first.
    std::vector<StoredGame> gamesWithoutFigures(int count) const;
    // Every game, oldest first: for the tests, and for whoever reads the
    // history whole.
    std::vector<StoredGame> allGames() const;

    // The steps from an empty file to the latest schema, one per version:
    // statements, and a conversion of the rows where statements cannot do
    // it; the tests make older files with the first ones.
    struct Step {
        std::vector<const char*> statements;
        // Run after the statements, in the same transaction; an error that
        // is not valid says it went well.
        std::function<QSqlError(QSqlDatabase&)> convert = {};
    };
    static const std::vector<Step>& schemaSteps();

private:
    bool open(const QString& path);
    bool migrate();
    QSqlDatabase database() const;
    bool fail(const QSqlError& error) const;

    QString connection_;
    int patienceMs_;
    mutable HistoryTrouble trouble_ = HistoryTrouble::None;
    mutable QString detail_;
    QString damagedPath_;
};

} // namespace daxo
