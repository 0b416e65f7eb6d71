#include "async_history.h"

#include <QSemaphore>
#include <QTimer>

#include <set>

namespace daxo {
namespace {

// How often games in hand are tried again while the file will not take them.
constexpr int kRetryMs = 5000;
// Games judged in one step, between which other calls get through.
constexpr int kJudgedAtOnce = 50;

bool sameGame(const GameRecord& a, const GameRecord& b)
{
    return a.startedAt() == b.startedAt() && a.start().seed == b.start().seed;
}

} // namespace

// The history's side: the database, opened on its own thread, and the games
// in hand.
class HistoryWorker final : public QObject {
public:
    HistoryWorker(QString path, int patienceMs, AsyncHistory& owner)
        : path_(std::move(path))
        , patienceMs_(patienceMs)
        , owner_(owner)
    {
        retry_.setSingleShot(true);
        retry_.setInterval(kRetryMs);
        QObject::connect(&retry_, &QTimer::timeout, this, [this] { writeInHand(); });
    }

    // Opened when first needed, and again after trouble: the trouble may be
    // gone by then.
    History* history()
    {
        if (!history_) {
            history_ = std::make_unique<History>(path_, patienceMs_);
            if (history_->trouble() != HistoryTrouble::None)
                tell(*history_);
            if (history_->trouble() != HistoryTrouble::None && history_->trouble() != HistoryTrouble::Damaged) {
                history_.reset();
                return nullptr;
            }
        }
        return history_.get();
    }

    void store(const StoredGame& game, const std::function<void(std::optional<qint64>)>& kept)
    {
        std::erase_if(inHand_, [&](const InHand& held) { return sameGame(held.game.record, game.record); });
        inHand_.push_back({game, kept});
        writeInHand();
    }

    // The games in hand, oldest first; at the first that will not go, the
    // rest wait for the next try.
    void writeInHand()
    {
        while (!inHand_.empty()) {
            History* kept = history();
            const std::optional<qint64> id = kept ? kept->store(inHand_.front().game) : std::nullopt;
            if (!id) {
                if (kept) {
                    tell(*kept);
                    history_.reset();
                }
                for (const InHand& held : inHand_) {
                    if (held.kept)
                        held.kept(std::nullopt);
                }
                for (InHand& held : inHand_)
                    held.kept = {}; // told once
                retry_.start();
                return;
            }
            const InHand written = std::move(inHand_.front());
            inHand_.erase(inHand_.begin());
            if (written.kept)
                written.kept(id);
            Q_EMIT owner_.changed(written.game.summary.finished() ? HistoryChange::Finished : HistoryChange::GameInPlay);
            if (judge_ && written.game.summary.finished())
                QMetaObject::invokeMethod(this, [this] { judgeSome(); }, Qt::QueuedConnection);
        }
    }

    template <typename Write>
    void write(HistoryChange change, Write&& writing)
    {
        History* kept = history();
        if (kept && writing(*kept))
            Q_EMIT owner_.changed(change);
        else if (kept)
            tell(*kept);
    }

    template <typename Result, typename Read>
    std::optional<Result> read(Read&& reading)
    {
        History* kept = history();
        if (!kept)
            return std::nullopt;
        std::optional<Result> result = reading(*kept);
        if (!result)
            tell(*kept);
        return result;
    }

    void startJudging(AsyncHistory::Judge judge)
    {
        judge_ = std::move(judge);
        judgeSome();
    }

    void judgeSome()
    {
        History* kept = history();
        if (!kept || !judge_)
            return;
        const std::vector<StoredGame> games = kept->gamesWithoutFigures(kJudgedAtOnce + static_cast<int>(unjudgeable_.size()));
        int judged = 0;
        int looked = 0;
        for (const StoredGame& game : games) {
            if (unjudgeable_.contains(game.id))
                continue;
            ++looked;
            const auto figures = judge_(game.record);
            if (figures && kept->setFigures(game.id, figures->first, figures->second))
                ++judged;
            else
                unjudgeable_.insert(game.id);
        }
        if (judged > 0)
            Q_EMIT owner_.changed(HistoryChange::Figures);
        if (looked > 0) // more may wait: after what else was asked
            QMetaObject::invokeMethod(this, [this] { judgeSome(); }, Qt::QueuedConnection);
    }

private:
    void tell(const History& history)
    {
        Q_EMIT owner_.trouble(history.trouble(), history.troubleDetail(), history.damagedPath());
    }

    struct InHand {
        StoredGame game;
        std::function<void(std::optional<qint64>)> kept;
    };

    QString path_;
    int patienceMs_;
    AsyncHistory& owner_;
    std::unique_ptr<History> history_;
    std::vector<InHand> inHand_;
    QTimer retry_{this};
    AsyncHistory::Judge judge_;
    std::set<qint64> unjudgeable_; // for this run: judging them again would give nothing more
};

AsyncHistory::AsyncHistory(const QString& path, int patienceMs, QObject* parent)
    : QObject(parent)
    , worker_(new HistoryWorker(path, patienceMs, *this))
{
    thread_.setObjectName("history");
    connect(this, &AsyncHistory::trouble, this, [this](HistoryTrouble kind) { lastTrouble_ = kind; });
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

AsyncHistory::~AsyncHistory()
{
    finish(60000);
    thread_.quit();
    thread_.wait();
}

void AsyncHistory::post(std::function<void(HistoryWorker&)> work)
{
    QMetaObject::invokeMethod(worker_, [worker = worker_, work = std::move(work)] { work(*worker); },
                              Qt::QueuedConnection);
}

template <typename Result>
void AsyncHistory::answer(std::function<void(Result)> callback, Result result)
{
    if (callback) {
        QMetaObject::invokeMethod(this, [callback = std::move(callback), result = std::move(result)] { callback(result); },
                                  Qt::QueuedConnection);
    }
}

void AsyncHistory::store(const StoredGame& game, std::function<void(std::optional<qint64>)> kept)
{
    post([this, game, kept = std::move(kept)](HistoryWorker& worker) {
        worker.store(game, [this, kept](std::optional<qint64> id) { answer(kept, id); });
    });
}

void AsyncHistory::setPlayer(qint64 id, const QString& player)
{
    post([id, player](HistoryWorker& worker) {
        worker.write(HistoryChange::Name, [&](History& history) { return history.setPlayer(id, player); });
    });
}

void AsyncHistory::setFigures(qint64 id, double totalLoss, double meanLoss)
{
    post([=](HistoryWorker& worker) {
        worker.write(HistoryChange::Figures,
                     [&](History& history) { return history.setFigures(id, totalLoss, meanLoss); });
    });
}

void AsyncHistory::highScores(std::function<void(std::optional<std::vector<HighScore>>)> callback)
{
    post([this, callback = std::move(callback)](HistoryWorker& worker) {
        answer(callback, worker.read<std::vector<HighScore>>([](History& history) { return history.highScores(); }));
    });
}

void AsyncHistory::figures(std::function<void(std::optional<HistoryFigures>)> callback)
{
    post([this, callback = std::move(callback)](HistoryWorker& worker) {
        answer(callback, worker.read<HistoryFigures>([](History& history) { return history.figures(); }));
    });
}

void AsyncHistory::rankOf(qint64 id, std::function<void(int)> callback)
{
    post([this, id, callback = std::move(callback)](HistoryWorker& worker) {
        answer(callback, worker.read<int>([id](History& history) { return std::optional(history.rankOf(id)); })
                             .value_or(0));
    });
}

void AsyncHistory::judgeGamesWithoutFigures(Judge judge)
{
    post([judge = std::move(judge)](HistoryWorker& worker) { worker.startJudging(judge); });
}

void AsyncHistory::allGames(std::function<void(std::vector<StoredGame>)> callback)
{
    post([this, callback = std::move(callback)](HistoryWorker& worker) {
        answer(callback, worker.read<std::vector<StoredGame>>([](History& history) {
                                   return std::optional(history.allGames());
                               }).value_or(std::vector<StoredGame>{}));
    });
}

bool AsyncHistory::finish(int ms)
{
    auto done = std::make_shared<QSemaphore>();
    post([done](HistoryWorker&) { done->release(); });
    return done->tryAcquire(1, ms);
}

} // namespace daxo
