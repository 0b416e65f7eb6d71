#include "background_strategy.h"

#include "strategy_cache.h"

namespace daxo::solver {

BackgroundStrategy::BackgroundStrategy(Notify notify, SolveOptions options, std::filesystem::path cache,
                                       std::filesystem::path shipped, std::filesystem::path openings)
    : notify_(std::move(notify))
    , options_(std::move(options))
    , cache_(std::move(cache))
    , shipped_(std::move(shipped))
    , openingsFile_(std::move(openings))
{
}

BackgroundStrategy::~BackgroundStrategy() = default; // the worker is asked to stop and joined

void BackgroundStrategy::start()
{
    if (started())
        return;
    worker_ = std::jthread([this](std::stop_token stop) {
        SolveOptions options = options_;
        options.stop = stop;
        options.progress = [this](double done) {
            progress_.store(done);
            if (notify_)
                notify_();
        };
        if (!openingsFile_.empty()) {
            if (std::optional<OpeningFutures> read = OpeningFutures::read(openingsFile_))
                openings_ = std::make_unique<OpeningFutures>(std::move(*read));
        }
        std::optional<Strategy> solved;
        for (const std::filesystem::path& kept : {shipped_, cache_}) {
            if (!solved && !kept.empty())
                solved = readStrategy(kept);
        }
        if (!solved) {
            solved = Strategy::solve(options);
            if (!solved)
                return;
            if (!cache_.empty())
                writeStrategy(*solved, cache_); // else worked out again next run
        }
        progress_.store(1.0);
        strategy_ = std::make_unique<Strategy>(std::move(*solved));
        ready_.store(strategy_.get(), std::memory_order_release);
        if (notify_)
            notify_();
    });
}

} // namespace daxo::solver
