#include "history_keeper.h"

#include "scores_texts.h"
#include "solver/game_analysis.h"
#include "widgets/player_messages.h"
#include "widgets/strategy_source.h"

#include <algorithm>

namespace daxo {
namespace {

bool sameGame(const GameRecord& a, const GameRecord& b)
{
    return a.startedAt() == b.startedAt() && a.start().seed == b.start().seed;
}

} // namespace

HistoryKeeper::HistoryKeeper(Game& game, PlayerMessages& messages, StrategySource& strategies, QString path)
    : game_(game)
    , messages_(messages)
    , strategies_(strategies)
    , path_(std::move(path))
{
    game_.addListener(*this);
    connect(&strategies_, &StrategySource::ready, this, &HistoryKeeper::judgeWhatIsStored);
}

HistoryKeeper::~HistoryKeeper() { game_.removeListener(*this); }

History& HistoryKeeper::history()
{
    if (!history_) {
        history_ = std::make_unique<History>(path_);
        if (history_->trouble() != HistoryTrouble::None)
            tellOnce();
    }
    return *history_;
}

void HistoryKeeper::keepGameInPlay()
{
    if (summarize(game_.record()).begun)
        keep(game_.record());
}

void HistoryKeeper::name(qint64 game, const QString& player)
{
    if (history().setPlayer(game, player))
        Q_EMIT changed();
    else
        tellOnce();
}

void HistoryKeeper::gameLeft(const GameRecord& left)
{
    if (summarize(left).begun)
        keep(left);
}

void HistoryKeeper::gameFinished(const GameRecord& finished)
{
    const std::optional<qint64> id = keep(finished);
    strategies_.request(); // for the coach's figures
    const int score = summarize(finished).total;
    if (!id || finished.assisted()) {
        Q_EMIT finishedGameRanked(id.value_or(0), 0, score);
        return;
    }
    const std::vector<StoredGame> best = history().highScores();
    const auto entry = std::find_if(best.begin(), best.end(), [&](const StoredGame& game) { return game.id == *id; });
    Q_EMIT finishedGameRanked(*id, entry != best.end() ? static_cast<int>(entry - best.begin()) + 1 : 0, score);
}

// The game, and the games in hand before it, oldest first.
std::optional<qint64> HistoryKeeper::keep(const GameRecord& record)
{
    std::erase_if(inHand_, [&](const GameRecord& held) { return sameGame(held, record); });
    inHand_.push_back(record);
    History& kept = history();
    std::optional<qint64> id;
    while (!inHand_.empty()) {
        id = kept.store(StoredGame::of(inHand_.front()));
        if (!id) {
            tellOnce();
            history_.reset(); // opened afresh next time, the trouble perhaps gone
            return std::nullopt;
        }
        inHand_.erase(inHand_.begin());
    }
    judgeWhatIsStored();
    Q_EMIT changed();
    return id;
}

void HistoryKeeper::tellOnce()
{
    if (told_ || !history_)
        return;
    told_ = true;
    const History& kept = *history_;
    messages_.inform(QStringLiteral("Daxo"),
                     historyTrouble(game_.languageCode(), kept.trouble(), kept.troubleDetail(), kept.damagedPath()));
}

void HistoryKeeper::judgeWhatIsStored()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (!strategy)
        return;
    bool judgedAny = false;
    for (const StoredGame& game : history().gamesWithoutFigures()) {
        const solver::Judgement judgement = solver::judge(game.record, *strategy);
        if (judgement.judged)
            judgedAny |= history().setFigures(game.id, judgement.totalLoss, judgement.meanLoss());
    }
    if (judgedAny)
        Q_EMIT changed();
}

} // namespace daxo
