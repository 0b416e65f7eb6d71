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

void ChancesSource::ask(int game, const std::vector<Opponent>& players)
{
    Point point{game, players};
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
    worker_ = std::jthread([this, point = *asked_, table = table_.get()] {
        std::optional<std::vector<solver::WinChance>> chances = table->at(point.players);
        QMetaObject::invokeMethod(
            this, [this, point, chances = std::move(chances)]() mutable { done(point, std::move(chances)); },
            Qt::QueuedConnection);
    });
}

void ChancesSource::done(const Point& point, std::optional<std::vector<solver::WinChance>> chances)
{
    worker_.join();
    if (point == asked_) {
        chances_ = std::move(chances);
        Q_EMIT ready();
    }
    start();
}

} // namespace daxo
