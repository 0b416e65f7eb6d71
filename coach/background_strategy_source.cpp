#include "background_strategy_source.h"

#include "solver/background_strategy.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

namespace daxo {

BackgroundStrategySource::BackgroundStrategySource(QObject* parent)
    : StrategySource(parent)
{
    // The worker's news is posted to this object's thread; what is still in
    // the queue when this object goes is dropped with it.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/daxo/perfect-play.table";
    // The installed game reads the table it was built with; a build run
    // from its folder has none there, and works it out into the cache once.
    const QString data = QCoreApplication::applicationDirPath() + "/" DAXO_SHIPPED_DATA;
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
    }, solver::SolveOptions{}, QFile::encodeName(cache).toStdString(),
       QFile::encodeName(data + "/perfect-play.table").toStdString(),
       QFile::encodeName(data + "/opening-futures.table").toStdString());
}

// The worker stops and is joined before this object's signals go.
BackgroundStrategySource::~BackgroundStrategySource() { background_.reset(); }

void BackgroundStrategySource::request() { background_->start(); }

const solver::Strategy* BackgroundStrategySource::strategy() const { return background_->strategy(); }

const solver::OpeningFutures* BackgroundStrategySource::openings() const { return background_->openings(); }

double BackgroundStrategySource::progress() const { return background_->progress(); }

} // namespace daxo
