#pragma once

#include "game/record.h"

#include <QByteArray>
#include <optional>

namespace daxo {

// A game's record in the compact form the history keeps: a few bytes an
// event, none of them said twice. The game's number, its seed and when it
// began are the history's columns, not part of the bytes: they are given
// back to decode.
//
// Each event is a byte of its kind (low three bits) and of a little of its
// content (high five bits), and what it needs after that: a throw, its
// number and the five faces in two bytes; a box, the throws made and its
// score, its dice only when they are not those of the turn's last throw;
// typed text as it was typed. Dice that are not faces, such as typed ones,
// are written as texts.
QByteArray encodeRecord(const GameRecord& record);

// Nothing for bytes that are no record encoded here.
std::optional<GameRecord> decodeRecord(const QByteArray& bytes, const NewGameEvent& start, std::int64_t startedAt);

} // namespace daxo
