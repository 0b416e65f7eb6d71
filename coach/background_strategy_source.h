#pragma once

#include "widgets/strategy_source.h"

#include <memory>

namespace daxo {
namespace solver {
class BackgroundStrategy;
} // namespace solver

// The whole table, worked out on a worker thread.
class BackgroundStrategySource final : public StrategySource {
    Q_OBJECT
public:
    explicit BackgroundStrategySource(QObject* parent = nullptr);
    ~BackgroundStrategySource() override;

    void request() override;
    const solver::Strategy* strategy() const override;
    const solver::OpeningFutures* openings() const override;
    double progress() const override;

private:
    std::unique_ptr<solver::BackgroundStrategy> background_;
    bool announced_ = false;
};

} // namespace daxo
