#pragma once

#include "game/record.h"
#include "solver/win_chances.h"
#include "table/seat.h"
#include "widgets/course_odds.h"

#include <optional>
#include <thread>
#include <vector>

namespace daxo {

class StrategySource;

// The course of a table's game, worked out on a thread of its own once
// perfect play is ready: a game asked while another is at work stops it,
// and is worked out next.
class CourseSource final : public CourseOdds {
    Q_OBJECT
public:
    // The strategies must outlive the source.
    CourseSource(StrategySource& strategies, QObject* parent);
    ~CourseSource() override;

    // The game of these seats, `records` by seat; nothing to work out for
    // fewer than two.
    void ask(const Seats& seats, std::vector<GameRecord> records);

    const solver::TableCourse* course() const override { return course_ ? &*course_ : nullptr; }
    QStringList players(const std::string& languageCode) const override;
    bool working() const override { return asked_ > delivered_; }

private:
    void start();
    void done(int asked, std::optional<solver::TableCourse> course);

    StrategySource& strategies_;
    Seats seats_;
    std::vector<GameRecord> records_;
    int asked_ = 0, worked_ = 0, delivered_ = 0; // games asked for, the one at work, the last worked out
    std::optional<solver::TableCourse> course_;
    std::jthread worker_; // last: it stops before what it uses goes
};

} // namespace daxo
