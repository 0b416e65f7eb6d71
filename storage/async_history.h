#pragma once

#include "history.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

namespace daxo {

class HistoryWorker;

// What a write to the history changed, for the windows that show it.
enum class HistoryChange {
    GameInPlay, // a game not finished
    Finished,   // a finished game: the high scores and the figures
    Name,       // the name of a high score
    Figures,    // the coach's figures of games
};

// The history on a thread of its own, so that no window ever waits for the
// disk: a file held by another program, read-only, full or slow delays
// nothing. Every call returns at once; answers come back on the thread that
// made this object, through the callbacks given, and never after it is
// gone. Games that cannot be written are kept in hand, said once through
// trouble(), and written when the trouble is gone, with the next game or
// on a retry a few seconds later. The file is opened with the first call.
// An answer may come after its asker is gone: a window guards its
// callbacks with a QPointer to itself.
class AsyncHistory final : public QObject {
    Q_OBJECT
public:
    explicit AsyncHistory(const QString& path = History::defaultPath(), int patienceMs = 3000,
                          QObject* parent = nullptr);
    // Writes what it was given, for as long as a locked file lets it wait,
    // then stops.
    ~AsyncHistory() override;

    // Keeps the game; `kept` hears its id, or nothing when it is in hand.
    void store(const StoredGame& game, std::function<void(std::optional<qint64>)> kept = {});
    void setPlayer(qint64 id, const QString& player);
    void setFigures(qint64 id, double totalLoss, double meanLoss);

    // Nothing when the history could not be read: lastTrouble() says why.
    void highScores(std::function<void(std::optional<std::vector<HighScore>>)> answer);
    void figures(std::function<void(std::optional<HistoryFigures>)> answer);
    // The game's place in the high scores, or 0.
    void rankOf(qint64 id, std::function<void(int)> answer);
    // The coach's figures for every game that lacks them, in steps small
    // enough to let other calls through: `judge` (run on the history's
    // thread) gives a record's total and mean loss, or nothing.
    using Judge = std::function<std::optional<std::pair<double, double>>(const GameRecord&)>;
    void judgeGamesWithoutFigures(Judge judge);
    // For the tests, and whoever reads the history whole.
    void allGames(std::function<void(std::vector<StoredGame>)> answer);

    // Waits until what was asked so far is done, at most `ms`: for the end
    // of the program. Returns whether it all was.
    bool finish(int ms);

    // The last trouble told, as it reached this thread.
    HistoryTrouble lastTrouble() const { return lastTrouble_; }

Q_SIGNALS:
    void changed(HistoryChange what);
    // The history could not do its work: told each time; the one who shows
    // it decides how often the player hears of it.
    void trouble(HistoryTrouble kind, const QString& detail, const QString& damagedPath);

private:
    // Runs `work` on the history's thread.
    void post(std::function<void(HistoryWorker&)> work);
    // Hands `answer` back to this object's thread.
    template <typename Result>
    void answer(std::function<void(Result)> callback, Result result);

    QThread thread_;
    HistoryWorker* worker_; // lives on thread_, deleted with it
    HistoryTrouble lastTrouble_ = HistoryTrouble::None;
};

} // namespace daxo
