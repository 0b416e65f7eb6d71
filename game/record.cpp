#include "record.h"

#include "number_text.h"

#include <algorithm>
#include <chrono>

namespace daxo {

GameRecord::GameRecord(int game, std::uint64_t seed)
    : events_{NewGameEvent{game, seed}}
    , startedAt_(std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::system_clock::now().time_since_epoch())
                     .count())
{
}

GameRecord::GameRecord(std::vector<GameEvent> events, std::int64_t startedAt)
    : startedAt_(startedAt)
{
    const bool opened = !events.empty() && std::holds_alternative<NewGameEvent>(events.front());
    events_.push_back(opened ? events.front() : GameEvent{NewGameEvent{}});
    for (std::size_t i = opened ? 1 : 0; i < events.size(); ++i)
        add(std::move(events[i]));
}

void GameRecord::add(GameEvent event)
{
    if (std::holds_alternative<TypedEvent>(event))
        touchedByCheat_ = true;
    if (std::holds_alternative<TypedEvent>(event) || std::holds_alternative<HintEvent>(event) ||
        std::holds_alternative<UndoEvent>(event))
        assisted_ = true;
    events_.push_back(std::move(event));
}

bool RecordSummary::finished() const
{
    return std::all_of(boxes.begin(), boxes.end(), [](const std::optional<int>& box) { return box.has_value(); });
}

RecordSummary summarize(const GameRecord& record)
{
    RecordSummary summary;
    for (const GameEvent& event : record.events()) {
        if (std::holds_alternative<ThrowEvent>(event))
            summary.begun = true;
        if (const auto* scored = std::get_if<ScoreEvent>(&event)) {
            const int box = number(scored->box) - number(Button::Command2);
            if (box >= 0 && box < 12)
                summary.boxes[static_cast<std::size_t>(box)] = static_cast<int>(readNumber(scored->score));
            summary.begun = true;
        }
    }
    for (std::size_t box = 0; box < summary.boxes.size(); ++box) {
        const int score = summary.boxes[box].value_or(0);
        if (box < 6)
            summary.subtotal += score;
        summary.total += score;
    }
    summary.bonus = summary.subtotal >= kBonusThreshold ? kBonus : 0;
    summary.total += summary.bonus;
    return summary;
}

} // namespace daxo
