#include "perfect_play_source.h"

#include "widgets/strategy_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace daxo {
namespace {

// Bumped whenever the engine's play could change, so that an old cache is
// not taken for the new.
constexpr int kCacheVersion = 1;
constexpr std::uint64_t kSeed = 0x5eed;

} // namespace

PerfectPlaySource::PerfectPlaySource(StrategySource& strategies, int games, QString cachePath)
    : strategies_(strategies)
    , games_(games)
    , cachePath_(std::move(cachePath))
{
    // Another run may have kept the games while this one waited for its
    // table: they are read rather than played again.
    connect(&strategies_, &StrategySource::ready, this, [this] {
        if (!requested_ || statistics_)
            return;
        if (readCache())
            Q_EMIT ready();
        else
            play();
    });
}

PerfectPlaySource::~PerfectPlaySource() = default;

QString PerfectPlaySource::defaultCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/daxo/perfect-play.json";
}

const solver::PerfectPlayStatistics* PerfectPlaySource::statistics() const
{
    return statistics_ ? &*statistics_ : nullptr;
}

void PerfectPlaySource::request()
{
    if (requested_)
        return;
    requested_ = true;
    if (readCache()) {
        Q_EMIT ready();
        return;
    }
    strategies_.request();
    if (strategies_.strategy())
        play();
}

void PerfectPlaySource::play()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (worker_.joinable() || !strategy)
        return;
    worker_ = std::jthread([this, strategy](std::stop_token stop) {
        auto played = solver::simulatePerfectPlay(*strategy, games_, kSeed, stop);
        if (!played)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, played = std::move(*played)]() mutable {
                statistics_ = std::move(played);
                writeCache();
                Q_EMIT ready();
            },
            Qt::QueuedConnection);
    });
}

// The final scores are kept as how many games made each score.
bool PerfectPlaySource::readCache()
{
    QFile file(cachePath_);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject cache = QJsonDocument::fromJson(file.read(1 << 20)).object();
    const QJsonArray means = cache["boxMeans"].toArray();
    const QJsonArray counts = cache["scoreCounts"].toArray();
    solver::PerfectPlayStatistics read;
    if (cache["version"].toInt() != kCacheVersion || cache["games"].toInt() != games_
        || means.size() != static_cast<qsizetype>(read.boxMeans.size()))
        return false;
    read.games = games_;
    for (qsizetype box = 0; box < means.size(); ++box)
        read.boxMeans[static_cast<std::size_t>(box)] = means[box].toDouble();
    read.bonusRate = cache["bonusRate"].toDouble();
    read.mean = cache["mean"].toDouble();
    // The counts must add up to the games, and are checked before they are
    // spread out, so that a damaged cache cannot ask for any memory it likes.
    for (qsizetype score = 0; score < counts.size(); ++score) {
        const int count = counts[score].toInt(-1);
        if (count < 0 || count > games_ - static_cast<int>(read.totals.size()))
            return false;
        read.totals.insert(read.totals.end(), static_cast<std::size_t>(count), static_cast<int>(score));
    }
    if (static_cast<int>(read.totals.size()) != games_)
        return false;
    statistics_ = std::move(read);
    return true;
}

void PerfectPlaySource::writeCache() const
{
    QJsonArray means;
    for (const double mean : statistics_->boxMeans)
        means.append(mean);
    const int most = statistics_->totals.empty() ? 0 : *std::max_element(statistics_->totals.begin(), statistics_->totals.end());
    std::vector<int> counts(static_cast<std::size_t>(std::max(most, 0) + 1), 0);
    for (const int total : statistics_->totals)
        ++counts[static_cast<std::size_t>(std::max(total, 0))];
    QJsonArray scoreCounts;
    for (const int count : counts)
        scoreCounts.append(count);
    const QJsonObject cache{{"version", kCacheVersion}, {"games", statistics_->games}, {"boxMeans", means},
                            {"bonusRate", statistics_->bonusRate}, {"mean", statistics_->mean},
                            {"scoreCounts", scoreCounts}};
    // A cache that cannot be written is worked out again next time.
    QDir().mkpath(QFileInfo(cachePath_).absolutePath());
    QSaveFile file(cachePath_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(cache).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

} // namespace daxo
