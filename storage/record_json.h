#pragma once

#include "game/record.h"

#include <QByteArray>
#include <optional>

namespace daxo {

// A game's record from the JSON of the history's first schemas, which the
// history's migration turns into its compact form. Reading takes any bytes:
// what is not such a record gives nothing.
std::optional<GameRecord> recordFromJson(const QByteArray& json);

} // namespace daxo
