#pragma once

#include "solver/perfect_play_statistics.h"

#include <QObject>
#include <QString>
#include <optional>
#include <thread>

namespace daxo {

class StrategySource;

// Perfect play's own figures, box by box and in all: games played by its
// advice on a worker thread once its table is ready, and kept in the cache
// ($XDG_CACHE_HOME/daxo/perfect-play.json) so that the next runs have them
// at once.
class PerfectPlaySource final : public QObject {
    Q_OBJECT
public:
    // The strategies must outlive the source.
    PerfectPlaySource(StrategySource& strategies, int games = 20000, QString cachePath = defaultCachePath());
    ~PerfectPlaySource() override;

    static QString defaultCachePath();

    // Reads the cache, or starts the work if it is not done or going.
    void request();
    const solver::PerfectPlayStatistics* statistics() const;

Q_SIGNALS:
    void ready();

private:
    void play();
    bool readCache();
    void writeCache() const;

    StrategySource& strategies_;
    int games_;
    QString cachePath_;
    bool requested_ = false;
    std::optional<solver::PerfectPlayStatistics> statistics_;
    std::jthread worker_; // last: it stops before what it writes goes
};

} // namespace daxo
