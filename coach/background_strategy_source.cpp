#include "background_strategy_source.h"

#include "solver/background_strategy.h"

namespace daxo {

BackgroundStrategySource::BackgroundStrategySource(QObject* parent)
    : StrategySource(parent)
{
    // The worker's news is posted to this object's thread; what is still in
    // the queue when this object goes is dropped with it.
    background_ = std::make_unique<solver::BackgroundStrategy>([this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!strategy()) {
                    Q_EMIT progressed(progress());
                } else if (!announced_) {
                    announced_ = true;
                    Q_EMIT ready();
                }
            },
            Qt::QueuedConnection);
    });
}

// The worker stops and is joined before this object's signals go.
BackgroundStrategySource::~BackgroundStrategySource() { background_.reset(); }

void BackgroundStrategySource::request() { background_->start(); }

const solver::Strategy* BackgroundStrategySource::strategy() const { return background_->strategy(); }

double BackgroundStrategySource::progress() const { return background_->progress(); }

} // namespace daxo
