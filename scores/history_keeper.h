#pragma once

#include "game/game.h"
#include "storage/history.h"

#include <QObject>
#include <memory>

namespace daxo {

class PlayerMessages;
class StrategySource;

// Keeps every game in the history: finished, or left by New game or by the
// end of the program, as long as it was begun. A game that cannot be
// written is said once to the player, kept in hand and tried again with the
// next one; play goes on. Once perfect play is worked out, the coach's
// figures are added to every game that lacks them.
class HistoryKeeper final : public QObject, private GameListener {
    Q_OBJECT
public:
    // What it is given must outlive it. The history file is opened the
    // first time it is needed.
    HistoryKeeper(Game& game, PlayerMessages& messages, StrategySource& strategies,
                  QString path = History::defaultPath());
    ~HistoryKeeper() override;

    History& history();
    // The program ends: the game in play is kept, if it was begun.
    void keepGameInPlay();
    // Gives a high score its player's name.
    void name(qint64 game, const QString& player);

Q_SIGNALS:
    // The history took a game, figures or a name.
    void changed();
    // A finished game was kept: in the high scores at `rank` (from 1), or
    // not (0), as for a game that was helped or could not be kept.
    void finishedGameRanked(qint64 id, int rank, int score);

private:
    void gameFinished(const GameRecord& finished) override;
    void gameLeft(const GameRecord& left) override;
    std::optional<qint64> keep(const GameRecord& record);
    void tellOnce();
    void judgeWhatIsStored();

    Game& game_;
    PlayerMessages& messages_;
    StrategySource& strategies_;
    QString path_;
    std::unique_ptr<History> history_;
    std::vector<GameRecord> inHand_; // games not written yet
    bool told_ = false;
};

} // namespace daxo
