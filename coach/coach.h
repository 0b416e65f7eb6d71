#pragma once

#include "game/game.h"
#include "solver/game_analysis.h"
#include "widgets/window_ports.h"

#include <QObject>
#include <functional>
#include <optional>

namespace daxo {

class StrategySource;
class WinningOdds;

// The coach at the table. It follows the game live and, once perfect play
// is worked out, judges each decision as it is made; it marks the best
// action on the board when asked for a hint; and it keeps the last finished
// game for its analysis. It adds to the game and changes nothing of it.
class Coach final : public QObject, public Coaching, private GameListener {
    Q_OBJECT
public:
    // The game, the source and the board's marks must outlive the coach.
    Coach(Game& game, StrategySource& source, BoardMarks& marks, QObject* parent = nullptr);
    ~Coach() override;

    // A window that shows the coach's judgement asks for the table.
    void wakeUp();
    // The coach window opened or closed. While it is open and shows the
    // best actions of a position of the game in play, the game counts as
    // assisted: it shows more than a hint does.
    void setWatched(bool watched);
    // Aide > Conseil: the game becomes assisted, and the best action is
    // marked on the board now, or once the table is ready.
    void askForHint() override;
    // At a table of players, whether the player in play is one the coach
    // serves: a human, not a computer. Hints and the window's best actions
    // serve only them, and mark only their game assisted.
    void setServing(std::function<bool()> servesPlayerInPlay);
    // At a table of several, the odds of the player in play's actions:
    // the hint then marks the action with the best chance of winning, and
    // the window shows each action's. They must outlive the coach.
    void setOdds(WinningOdds& odds);
    // The board passed to another player: a hint still waiting for the
    // table was the last player's, and is not shown to the next.
    void boardPassed();

    const StrategySource& source() const { return source_; }
    bool hintWaiting() const { return hintWaiting_; }
    const std::string& languageCode() const { return game_.languageCode(); }
    // The game in play, judged so far; nothing until the table is ready.
    const std::optional<solver::Judgement>& judgement() const { return judgement_; }
    // What can be done now, best first; nothing when the game cannot be
    // judged, is over, or the table is not ready. Before a turn's first
    // throw, the throw alone: scoring a box blind is never better, and a
    // list of boxes to score for nothing is no choice worth weighing.
    std::vector<solver::Action> actionsNow() const;
    // At a table, each of actionsNow()'s chance of winning once worked out
    // for the point in play, else nullptr.
    const std::vector<double>* chancesNow() const;
    // Of actionsNow(), the one that plays to win: at a table once its odds
    // are known, the best chance of winning; else the best expected score.
    std::size_t toWin() const;
    // Whether the odds of the point in play are still being worked out.
    bool oddsComing() const;
    bool assisted() const { return game_.record().assisted(); }
    bool touchedByCheat() const { return game_.record().touchedByCheat(); }

    // The game the coach window's analysis is of: the game in play once it
    // has begun, else the last one finished.
    GameRecord gameToAnalyse() const;
    // The last game finished, for the analysis offered at its end.
    const std::optional<GameRecord>& finishedGame() const { return finished_; }

Q_SIGNALS:
    // Anything the coach shows changed: the game, the table, the language.
    void changed();
    void hintWaitingChanged(bool waiting);

private:
    void recordChanged(const GameRecord& record) override;
    void gameFinished(const GameRecord& finished) override;
    void captionChanged(Label label, const std::string& caption) override;
    void tableReady();
    void rejudge();
    void showHint();
    void mark(const solver::Action& action);
    void oddsReady();
    // At a table, asks for the odds the window or a hint needs.
    void askOdds();
    // Whether the odds of the point in play are worth waiting for.
    bool weighsOdds() const;
    // Whether the window shows the best actions of the game in play now.
    bool showsBestActions() const;
    bool servesPlayerInPlay() const { return !serves_ || serves_(); }
    void noteWatching();

    Game& game_;
    StrategySource& source_;
    BoardMarks& marks_;
    std::optional<solver::Judgement> judgement_;
    std::optional<GameRecord> finished_;
    bool hintWaiting_ = false;
    bool hintWaitsForOdds_ = false;
    WinningOdds* odds_ = nullptr;
    bool marked_ = false;
    bool watched_ = false;
    std::function<bool()> serves_;
};

} // namespace daxo
