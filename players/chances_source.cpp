#include "chances_source.h"

#include "seating.h"
#include "solver/strategy.h"
#include "widgets/strategy_source.h"

namespace daxo {

ChancesSource::ChancesSource(Game& game, Seating& seating, StrategySource& strategies, QObject* parent)
    : WinningOdds(parent)
    , game_(game)
    , seating_(seating)
    , strategies_(strategies)
{
    connect(&strategies_, &StrategySource::ready, this, &ChancesSource::start);
}

ChancesSource::~ChancesSource() = default;

const Opponent* ChancesSource::Point::choosing() const
{
    if (inPlay < 0 || inPlay >= static_cast<int>(players.size()))
        return nullptr;
    const Opponent& player = players[static_cast<std::size_t>(inPlay)];
    return player.level == nullptr && player.point.throwsMade > 0 ? &player : nullptr;
}

void ChancesSource::request()
{
    const Table* table = seating_.table();
    if (!table)
        return;
    ask({game_.record().start().game, table->players(), table->over() ? -1 : table->seatInPlay()});
}

void ChancesSource::ask(Point point)
{
    if (asked_ == point)
        return;
    // The chances of the point before stay shown while these are worked
    // out, so that they do not blink at every throw; never another game's.
    if (!asked_ || asked_->game != point.game || asked_->players.size() != point.players.size())
        chances_.reset();
    asked_ = std::move(point);
    workingAhead_.request_stop();
    strategies_.request();
    start();
}

const std::vector<double>* ChancesSource::actionChances(const solver::GamePoint& point) const
{
    return seating_.table() && actionsAt_ == point ? &actionChances_ : nullptr;
}

bool ChancesSource::actionsComing() const
{
    return seating_.table() && asked_ && asked_->choosing() && (asked_ != worked_ || !actionsDelivered_);
}

void ChancesSource::start()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (worker_.joinable() || !strategy || !asked_ || asked_ == worked_)
        return;
    if (!table_ || !worked_ || worked_->game != asked_->game)
        table_ = std::make_unique<TableChances>(*strategy, strategies_.openings());
    worked_ = asked_;
    delivered_ = actionsDelivered_ = false;
    workingAhead_ = {};
    worker_ = std::jthread([this, point = *asked_, table = table_.get(), strategy,
                            ahead = workingAhead_](std::stop_token stop) mutable {
        std::optional<std::vector<solver::WinChance>> chances = table->at(point.players);
        QMetaObject::invokeMethod(
            this, [this, point, chances = std::move(chances)]() mutable { deliver(point, std::move(chances)); },
            Qt::QueuedConnection);
        // A point asked meanwhile waits for this, but it would need the
        // same: the player in play's next throw needs what is left of
        // their game, which takes seconds the first time, and so do the
        // odds of their choices.
        if (point.inPlay >= 0 && point.inPlay < static_cast<int>(point.players.size()))
            table->prepareTurn(point.players[static_cast<std::size_t>(point.inPlay)], stop);
        if (const Opponent* chooser = point.choosing(); chooser && !stop.stop_requested()) {
            std::optional<std::vector<double>> odds = table->afterActions(
                point.players, static_cast<std::size_t>(point.inPlay), solver::actionsAt(chooser->point, *strategy));
            QMetaObject::invokeMethod(
                this, [this, point, odds = std::move(odds)]() mutable { deliverActions(point, std::move(odds)); },
                Qt::QueuedConnection);
        }
        // Then the turn of the player after them, until another point is
        // asked: their first throw finds it worked out whenever the turn
        // before it took longer than working it out (seconds, a fifth
        // turn).
        const std::stop_callback stopped(stop, [&ahead] { ahead.request_stop(); });
        if (point.inPlay >= 0 && point.players.size() > 1)
            table->prepareNextTurn(point.players[(static_cast<std::size_t>(point.inPlay) + 1) % point.players.size()],
                               ahead.get_token());
        QMetaObject::invokeMethod(this, [this] { done(); }, Qt::QueuedConnection);
    });
}

void ChancesSource::deliver(const Point& point, std::optional<std::vector<solver::WinChance>> chances)
{
    if (point != worked_)
        return;
    delivered_ = true;
    if (point == asked_) {
        chances_ = std::move(chances);
        Q_EMIT ready();
    }
}

void ChancesSource::deliverActions(const Point& point, std::optional<std::vector<double>> chances)
{
    if (point != worked_)
        return;
    actionsDelivered_ = true;
    if (point == asked_ && chances) {
        actionsAt_ = point.choosing()->point;
        actionChances_ = std::move(*chances);
    }
    if (point == asked_)
        Q_EMIT ready();
}

void ChancesSource::done()
{
    worker_.join();
    start();
}

} // namespace daxo
