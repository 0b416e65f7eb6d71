#include "history_keeper.h"

#include "scores_texts.h"
#include "solver/game_analysis.h"
#include "widgets/box_names.h"
#include "widgets/player_messages.h"
#include "widgets/strategy_source.h"

#include <algorithm>

namespace daxo {
namespace {

bool sameGame(const GameRecord& a, const GameRecord& b)
{
    return a.startedAt() == b.startedAt() && a.start().seed == b.start().seed;
}

// Throws after a game's first change nothing worth a write: the next box
// will carry them, and a throw lost is no decision lost.
bool worthKeeping(const GameRecord& record)
{
    const auto& events = record.events();
    if (events.size() <= 1 || !std::holds_alternative<ThrowEvent>(events.back()))
        return events.size() > 1;
    return std::count_if(events.begin(), events.end(), [](const GameEvent& event) {
               return std::holds_alternative<ThrowEvent>(event);
           }) == 1;
}

} // namespace

HistoryKeeper::HistoryKeeper(Game& game, PlayerMessages& messages, StrategySource& strategies, QString path,
                             int patienceMs)
    : game_(game)
    , messages_(messages)
    , strategies_(strategies)
    , path_(std::move(path))
    , patienceMs_(patienceMs)
{
    game_.addListener(*this);
    connect(&strategies_, &StrategySource::ready, this, &HistoryKeeper::judgeWhatIsStored);
}

HistoryKeeper::~HistoryKeeper() { game_.removeListener(*this); }

AsyncHistory& HistoryKeeper::history()
{
    if (!history_) {
        history_ = std::make_unique<AsyncHistory>(path_, patienceMs_);
        connect(history_.get(), &AsyncHistory::trouble, this, &HistoryKeeper::tellOnce);
        judgeWhatIsStored();
    }
    return *history_;
}

void HistoryKeeper::keepGameInPlay()
{
    if (summarize(game_.record()).begun)
        keep(game_.record());
    if (history_)
        history_->finish(patienceMs_ + 1000);
}

void HistoryKeeper::name(qint64 game, const QString& player) { history().setPlayer(game, player); }

void HistoryKeeper::recordChanged(const GameRecord& record)
{
    if (finishedInPlay_ && sameGame(*finishedInPlay_, record) && !summarize(record).finished()) {
        keepFinishedAssisted();
        return;
    }
    if (worthKeeping(record))
        keep(record);
}

void HistoryKeeper::keepFinishedAssisted()
{
    StoredGame finished = StoredGame::of(*finishedInPlay_);
    const bool news = !finished.assisted && !finishedUndone_;
    finished.assisted = true;
    finishedUndone_ = true;
    history().store(finished);
    // Said once the undo has run its course: not from within the game's
    // own news of it.
    if (news) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                messages_.inform(QStringLiteral("Daxo"),
                                 ScoresTexts(speaksEnglish(game_.languageCode())).finishedGameUndone());
            },
            Qt::QueuedConnection);
    }
}

void HistoryKeeper::gameLeft(const GameRecord& left)
{
    if (finishedInPlay_ && sameGame(*finishedInPlay_, left) && !summarize(left).finished())
        keepFinishedAssisted();
    else if (summarize(left).begun)
        keep(left);
    finishedInPlay_.reset();
    finishedUndone_ = false;
}

void HistoryKeeper::gameFinished(const GameRecord& finished)
{
    if (sameGame(finished, game_.record())) {
        finishedInPlay_ = finished;
        finishedUndone_ = false;
    }
    strategies_.request(); // for the coach's figures
    const int score = summarize(finished).total;
    const bool helped = finished.assisted();
    history().store(StoredGame::of(finished), [this, helped, score](std::optional<qint64> id) {
        if (!id || helped) {
            Q_EMIT finishedGameRanked(id.value_or(0), 0, score);
            return;
        }
        history().rankOf(*id, [this, id = *id, score](int rank) { Q_EMIT finishedGameRanked(id, rank, score); });
    });
}

void HistoryKeeper::keep(const GameRecord& record) { history().store(StoredGame::of(record)); }

void HistoryKeeper::tellOnce(HistoryTrouble trouble, const QString& detail, const QString& damagedPath)
{
    if (told_)
        return;
    told_ = true;
    messages_.inform(QStringLiteral("Daxo"), historyTrouble(game_.languageCode(), trouble, detail, damagedPath));
}

// The figures are worked out on the history's thread, the table being
// read only there and here.
void HistoryKeeper::judgeWhatIsStored()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (!strategy || !history_)
        return;
    history_->judgeGamesWithoutFigures([strategy](const GameRecord& record) -> std::optional<std::pair<double, double>> {
        const solver::Judgement judgement = solver::judge(record, *strategy);
        if (!judgement.judged)
            return std::nullopt;
        return std::pair(judgement.totalLoss, judgement.meanLoss());
    });
}

} // namespace daxo
