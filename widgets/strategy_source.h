#pragma once

#include <QObject>

namespace daxo {
namespace solver {
class OpeningFutures;
class Strategy;
} // namespace solver

// Perfect play as the windows get it: worked out in the background the
// first time it is asked for, while the player plays on. The windows hear
// of its progress and of its end on their own thread.
class StrategySource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts the work, if it is not done or going already.
    virtual void request() = 0;
    // The table once it is ready, else nullptr.
    virtual const solver::Strategy* strategy() const = 0;
    // Once the table is ready: every level's futures from a game's first
    // positions, when the package holds them, else nullptr.
    virtual const solver::OpeningFutures* openings() const { return nullptr; }
    // The share of the work done, from 0 to 1.
    virtual double progress() const = 0;

Q_SIGNALS:
    void progressed(double done);
    void ready();
};

} // namespace daxo
