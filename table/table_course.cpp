#include "table_course.h"

#include "table_chances.h"

namespace daxo {
namespace {

// The seat whose final total is above every other's, if one is.
std::optional<std::size_t> soleBest(std::span<const SeatGame> seats)
{
    auto total = [&](std::size_t seat) { return seats[seat].turnStarts.back().scored; };
    std::size_t best = 0;
    for (std::size_t seat = 1; seat < seats.size(); ++seat) {
        if (total(seat) > total(best))
            best = seat;
    }
    for (std::size_t seat = 0; seat < seats.size(); ++seat) {
        if (seat != best && total(seat) == total(best))
            return std::nullopt;
    }
    return best;
}

} // namespace

solver::TableCourse tableCourse(std::span<const SeatGame> seats, TableChances& chances, std::stop_token stop)
{
    solver::TableCourse course;
    // Each seat after so many of its turns, as the step of `seat`'s turn
    // `turn` finds them.
    auto step = [&](int seat, int turn, auto&& turnsOf) {
        std::vector<Opponent> players;
        for (std::size_t other = 0; other < seats.size(); ++other)
            players.push_back({seats[other].turnStarts[turnsOf(other)], seats[other].level});
        if (std::optional<std::vector<solver::WinChance>> known = chances.at(players)) {
            solver::CourseStep& made = course.steps.emplace_back(solver::CourseStep{seat, turn, {}});
            for (const solver::WinChance& chance : *known)
                made.chances.push_back(chance.win);
        }
    };
    if (seats.empty())
        return course;
    step(-1, 0, [](std::size_t) { return std::size_t{0}; });
    for (int turn = 1; turn <= solver::kBoxCount && !stop.stop_requested(); ++turn) {
        for (int seat = 0; seat < static_cast<int>(seats.size()); ++seat) {
            if (seats[static_cast<std::size_t>(seat)].turnStarts.size() <= static_cast<std::size_t>(turn))
                return course;
            // The seats up to this one have played this turn, the others not yet.
            step(seat, turn, [&](std::size_t other) {
                return static_cast<std::size_t>(static_cast<int>(other) <= seat ? turn : turn - 1);
            });
        }
    }
    course.winner = soleBest(seats);
    return course;
}

} // namespace daxo
