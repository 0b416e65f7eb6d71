#include "history_keeper.h"

#include "scores_texts.h"
#include "solver/game_analysis.h"
#include "widgets/box_names.h"
#include "widgets/player_messages.h"
#include "widgets/strategy_source.h"

#include <algorithm>
#include <memory>

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

HistoryKeeper::~HistoryKeeper()
{
    setTable(nullptr);
    game_.removeListener(*this);
}

void HistoryKeeper::setTable(Table* table)
{
    if (table_)
        table_->removeListener(*this);
    table_ = table;
    if (table_)
        table_->addListener(*this);
}

StoredGame HistoryKeeper::storedOf(const GameRecord& record, int seat) const
{
    StoredGame stored = StoredGame::of(record);
    if (!table_)
        return stored;
    const Seat& sitting = table_->seats()[static_cast<std::size_t>(seat)];
    stored.seat = seat;
    stored.seats = static_cast<int>(table_->seats().size());
    stored.computer = !sitting.human();
    stored.level = QString::fromStdString(sitting.level);
    stored.player = QString::fromStdString(sitting.name);
    return stored;
}

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
    if (!table_ && finishedInPlay_ && sameGame(*finishedInPlay_, record) && !summarize(record).finished()) {
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
                                 ScoresTexts(game_.languageCode()).finishedGameUndone());
            },
            Qt::QueuedConnection);
    }
}

void HistoryKeeper::gameLeft(const GameRecord& left)
{
    if (table_)
        return; // the table tells of every seat's
    if (finishedInPlay_ && sameGame(*finishedInPlay_, left) && !summarize(left).finished())
        keepFinishedAssisted();
    else if (summarize(left).begun)
        keep(left);
    finishedInPlay_.reset();
    finishedUndone_ = false;
}

// A table's game is kept at its end, before the game's own question.
void HistoryKeeper::gameFinished(const GameRecord& finished)
{
    strategies_.request(); // for the coach's figures
    if (table_)
        return;
    if (sameGame(finished, game_.record())) {
        finishedInPlay_ = finished;
        finishedUndone_ = false;
    }
    keepFinished({StoredGame::of(finished)});
}

void HistoryKeeper::tableEnded(const std::vector<int>& places)
{
    std::vector<StoredGame> finished;
    for (int seat = 0; seat < static_cast<int>(places.size()); ++seat) {
        finished.push_back(storedOf(table_->recordOf(seat), seat));
        finished.back().place = places[static_cast<std::size_t>(seat)];
    }
    keepFinished(std::move(finished));
}

void HistoryKeeper::tableLeft(const std::vector<GameRecord>& records)
{
    for (int seat = 0; seat < static_cast<int>(records.size()); ++seat) {
        if (summarize(records[static_cast<std::size_t>(seat)]).begun)
            history().store(storedOf(records[static_cast<std::size_t>(seat)], seat));
    }
}

// Each human's sheet stored, then, unless it was helped, its place in the
// high scores asked: told once they all are known.
void HistoryKeeper::keepFinished(std::vector<StoredGame> finished)
{
    auto news = std::make_shared<std::vector<HighScoreNews>>();
    auto waiting = std::make_shared<int>(0);
    for (const StoredGame& sheet : finished) {
        if (sheet.computer) {
            history().store(sheet);
            continue;
        }
        const std::size_t at = news->size();
        news->push_back({0, 0, sheet.summary.total, sheet.seats > 1 ? sheet.player : QString()});
        ++*waiting;
        const bool helped = sheet.assisted;
        history().store(sheet, [this, news, waiting, at, helped](std::optional<qint64> id) {
            auto told = [this, news, waiting] {
                if (--*waiting == 0)
                    Q_EMIT finishedGameRanked(*news);
            };
            (*news)[at].id = id.value_or(0);
            if (!id || helped) {
                told();
                return;
            }
            history().rankOf(*id, [news, at, told](int rank) {
                (*news)[at].rank = rank;
                told();
            });
        });
    }
}

void HistoryKeeper::keep(const GameRecord& record)
{
    history().store(storedOf(record, table_ ? table_->seatInPlay() : 0));
}

void HistoryKeeper::tellOnce(HistoryTrouble trouble, const QString& detail, const QString& damagedPath)
{
    if (told_)
        return;
    told_ = true;
    messages_.inform(QStringLiteral("Daxo"), ScoresTexts(game_.languageCode()).historyTrouble(trouble, detail, damagedPath));
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
