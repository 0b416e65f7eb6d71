#pragma once

#include "game/game.h"
#include "storage/async_history.h"
#include "table/table.h"

#include <QObject>
#include <memory>
#include <optional>

namespace daxo {

class PlayerMessages;
class StrategySource;

// Keeps every game in the history as it goes: at its first throw, at each
// box and each help, when it ends, when New game leaves it and when the
// program ends, so that whatever ends the program loses at most the turn in
// play. Nothing of it waits for the disk: trouble with the file is said
// once to the player, and the games wait in hand until it is gone. Once
// perfect play is worked out, the coach's figures are added to every game
// that lacks them, on the history's own thread.
//
// A game once finished stays finished in the history: taking back a box
// after its end makes it assisted, at once and said once, but leaves its
// finished sheet, until it is finished again.
class HistoryKeeper final : public QObject, private GameListener, private TableListener {
    Q_OBJECT
public:
    // What a finished game brought to the high scores: for each human's
    // sheet, its place in them (from 1), or 0 for none, as for a game that
    // was helped or could not be kept. `player` is a seat's name at a
    // table, empty for a game alone.
    struct HighScoreNews {
        qint64 id = 0;
        int rank = 0;
        int score = 0;
        QString player;
    };

    // What it is given must outlive it. The history file is opened the
    // first time it is needed.
    HistoryKeeper(Game& game, PlayerMessages& messages, StrategySource& strategies,
                  QString path = History::defaultPath(), int patienceMs = 3000);
    ~HistoryKeeper() override;

    AsyncHistory& history();
    // The program ends: the game in play is kept, if it was begun, and the
    // history given the time a locked file makes it wait.
    void keepGameInPlay();
    // Gives a high score its player's name.
    void name(qint64 game, const QString& player);
    // The table the game is played at, or nullptr for a game alone; it
    // must outlive the keeper or be replaced first.
    void setTable(Table* table);

Q_SIGNALS:
    // A finished game was kept, each of its humans' sheets: one for a game
    // alone, in the order of the seats at a table.
    void finishedGameRanked(const std::vector<HistoryKeeper::HighScoreNews>& news);

private:
    void recordChanged(const GameRecord& record) override;
    void gameFinished(const GameRecord& finished) override;
    void gameLeft(const GameRecord& left) override;
    void tableEnded(const std::vector<int>& places) override;
    void tableLeft(const std::vector<GameRecord>& records) override;
    // The record as the history keeps it, with its seat at the table.
    StoredGame storedOf(const GameRecord& record, int seat) const;
    void keep(const GameRecord& record);
    // Keeps the finished sheets and tells what they brought.
    void keepFinished(std::vector<StoredGame> finished);
    // The finished game in play was taken back: it stays finished, assisted.
    void keepFinishedAssisted();
    void tellOnce(HistoryTrouble trouble, const QString& detail, const QString& damagedPath);
    void judgeWhatIsStored();

    Game& game_;
    Table* table_ = nullptr;
    PlayerMessages& messages_;
    StrategySource& strategies_;
    QString path_;
    int patienceMs_;
    std::unique_ptr<AsyncHistory> history_;
    // The game in play once it was finished, as it was then.
    std::optional<GameRecord> finishedInPlay_;
    bool finishedUndone_ = false; // and since taken back
    bool told_ = false;
};

} // namespace daxo
