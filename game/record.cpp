#include "record.h"

namespace daxo {

void GameRecord::add(GameEvent event)
{
    if (std::holds_alternative<TypedEvent>(event))
        touchedByCheat_ = true;
    if (std::holds_alternative<TypedEvent>(event) || std::holds_alternative<HintEvent>(event) ||
        std::holds_alternative<UndoEvent>(event))
        assisted_ = true;
    events_.push_back(std::move(event));
}

} // namespace daxo
