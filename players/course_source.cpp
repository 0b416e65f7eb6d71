#include "course_source.h"

#include "table_texts.h"
#include "solver/game_analysis.h"
#include "table/levels.h"
#include "table/table_chances.h"
#include "table/table_course.h"
#include "widgets/strategy_source.h"

namespace daxo {

CourseSource::CourseSource(StrategySource& strategies, QObject* parent)
    : CourseOdds(parent)
    , strategies_(strategies)
{
    connect(&strategies_, &StrategySource::ready, this, &CourseSource::start);
}

CourseSource::~CourseSource() = default;

void CourseSource::ask(const Seats& seats, std::vector<GameRecord> records)
{
    seats_ = seats;
    records_ = std::move(records);
    course_.reset();
    delivered_ = asked_;
    if (records_.size() < 2)
        return;
    ++asked_;
    strategies_.request();
    start();
}

QStringList CourseSource::players(const std::string& languageCode) const
{
    return TableTexts(languageCode).seatNames(seats_);
}

void CourseSource::start()
{
    const solver::Strategy* strategy = strategies_.strategy();
    if (!strategy || asked_ == delivered_)
        return;
    // A game no longer asked stops where it is; the one asked starts once
    // it has, not to keep the board waiting for it.
    if (worker_.joinable()) {
        if (worked_ != asked_)
            worker_.request_stop();
        return;
    }
    std::vector<SeatGame> games;
    for (std::size_t seat = 0; seat < records_.size(); ++seat) {
        const Seat& player = seats_[seat];
        games.push_back({solver::turnStartsOf(records_[seat]), player.human() ? nullptr : levelNamed(player.level)});
    }
    worked_ = asked_;
    worker_ = std::jthread([this, games = std::move(games), asked = asked_, strategy,
                            openings = strategies_.openings()](std::stop_token stop) {
        TableChances chances(*strategy, openings);
        std::optional<solver::TableCourse> course = tableCourse(games, chances, stop);
        if (stop.stop_requested())
            course.reset();
        QMetaObject::invokeMethod(
            this, [this, asked, course = std::move(course)]() mutable { done(asked, std::move(course)); },
            Qt::QueuedConnection);
    });
}

void CourseSource::done(int asked, std::optional<solver::TableCourse> course)
{
    worker_.join();
    if (asked == asked_ && course) {
        course_ = std::move(course);
        delivered_ = asked;
        Q_EMIT ready();
    }
    start();
}

} // namespace daxo
