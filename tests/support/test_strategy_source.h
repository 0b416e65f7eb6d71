#pragma once

#include "widgets/strategy_source.h"
#include "support/whole_table.h"

namespace daxo::test {

// Perfect play for the tests: the whole table, worked out once for the
// whole test program the first time a test asks for it. Held back, it stays
// unready until the test releases it, as a table still being worked out.
class TestStrategySource final : public StrategySource {
public:
    explicit TestStrategySource(bool heldBack = false) : heldBack_(heldBack) {}

    void request() override
    {
        requested_ = true;
        if (!heldBack_)
            deliver();
    }
    const solver::Strategy* strategy() const override { return delivered_ ? &wholeTable() : nullptr; }
    double progress() const override { return delivered_ ? 1.0 : 0.4; }
    bool requested() const { return requested_; }

    // The table is ready, for a source held back.
    void release()
    {
        heldBack_ = false;
        if (requested_)
            deliver();
    }

private:
    // As from the worker: the news arrives through the event loop.
    void deliver()
    {
        if (delivered_)
            return;
        wholeTable();
        delivered_ = true;
        QMetaObject::invokeMethod(this, [this] { Q_EMIT ready(); }, Qt::QueuedConnection);
    }

    bool heldBack_;
    bool requested_ = false;
    bool delivered_ = false;
};

} // namespace daxo::test
