#pragma once

#include "opening_futures.h"
#include "strategy.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

namespace daxo::solver {

// Perfect play worked out on a thread of its own, the first time it is
// asked for, so that the thread that asks (a window's) never waits for it.
class BackgroundStrategy {
public:
    // Called on the worker's thread each time the work moves on and once
    // when the table is ready; a window hands it over to its own thread.
    using Notify = std::function<void()>;

    // `options` as for Strategy::solve; its stop token and progress are the
    // worker's own. The table is read from `shipped` when it is sound there,
    // else from `cache`; worked out, it is kept in `cache`. The openings
    // shipped beside it, if any, are read first.
    explicit BackgroundStrategy(Notify notify = {}, SolveOptions options = {}, std::filesystem::path cache = {},
                                std::filesystem::path shipped = {}, std::filesystem::path openings = {});
    // Stops the work if it is still going, and waits for it.
    ~BackgroundStrategy();
    BackgroundStrategy(const BackgroundStrategy&) = delete;
    BackgroundStrategy& operator=(const BackgroundStrategy&) = delete;

    // Starts the work; starting it again does nothing.
    void start();
    bool started() const { return worker_.joinable(); }
    // The share done, from 0 to 1.
    double progress() const { return progress_.load(); }
    // The table once it is ready, else nullptr.
    const Strategy* strategy() const { return ready_.load(std::memory_order_acquire); }
    // Once the table is ready: the openings read, or nullptr.
    const OpeningFutures* openings() const { return strategy() ? openings_.get() : nullptr; }

private:
    Notify notify_;
    SolveOptions options_;
    std::filesystem::path cache_, shipped_, openingsFile_;
    std::atomic<double> progress_{0.0};
    std::unique_ptr<OpeningFutures> openings_;
    std::unique_ptr<Strategy> strategy_;
    std::atomic<const Strategy*> ready_{nullptr};
    std::jthread worker_; // last, so that it stops before what it writes goes
};

} // namespace daxo::solver
