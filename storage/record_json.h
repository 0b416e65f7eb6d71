#pragma once

#include "game/record.h"

#include <QByteArray>
#include <optional>

namespace daxo {

// A game's record as JSON, the way the history keeps it, and back. Reading
// takes any bytes: what is not a record written here gives nothing.
QByteArray recordToJson(const GameRecord& record);
std::optional<GameRecord> recordFromJson(const QByteArray& json);

} // namespace daxo
