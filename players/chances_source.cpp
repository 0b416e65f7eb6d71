#include "chances_source.h"

#include "widgets/strategy_source.h"

namespace daxo {

ChancesSource::ChancesSource(StrategySource& strategies, QObject* parent)
    : QObject(parent)
    , strategies_(strategies)
{
    connect(&strategies_, &StrategySource::ready, this, &ChancesSource::start);
}

ChancesSource::~ChancesSource() = default;

void ChancesSource::ask(int game, const std::vector<Opponent>& players, int inPlay)
{
    Point point{game, players, inPlay};
    if (asked_ == point)
        return;
    // The chances of the point before stay shown while these are worked
    // out, so that they do not blink at every throw; never another game's.
    if (!asked_ || asked_->game != point.game || asked_->players.size() != point.players.size())
        chances_.reset();
    asked_ = std::move(point);
    strategies_.request();
    start();
}

void ChancesSource::start()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (worker_.joinable() || !strategy || !asked_ || asked_ == worked_)
        return;
    if (!table_ || !worked_ || worked_->game != asked_->game)
        table_ = std::make_unique<TableChances>(*strategy, strategies_.openings());
    worked_ = asked_;
    delivered_ = false;
    worker_ = std::jthread([this, point = *asked_, table = table_.get()](std::stop_token stop) {
        std::optional<std::vector<solver::WinChance>> chances = table->at(point.players);
        QMetaObject::invokeMethod(
            this, [this, point, chances = std::move(chances)]() mutable { deliver(point, std::move(chances)); },
            Qt::QueuedConnection);
        // A point asked meanwhile waits for this, but it would need the
        // same: the player in play's next throw needs what is left of
        // their game, which takes seconds the first time.
        if (point.inPlay >= 0 && point.inPlay < static_cast<int>(point.players.size()))
            table->prepareTurn(point.players[static_cast<std::size_t>(point.inPlay)], stop);
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

void ChancesSource::done()
{
    worker_.join();
    start();
}

} // namespace daxo
