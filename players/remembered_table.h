#pragma once

#include "pace.h"
#include "table/seat.h"

#include <QString>

namespace daxo {

class Preferences;

// The table as the preferences keep it from one run to the next. What a
// hand-edited file gets wrong is mended, never refused: at most six seats,
// a computer of an unknown level plays at the regular level.
Seats rememberedSeats(const Preferences& preferences);
void rememberSeats(Preferences& preferences, const Seats& seats);
Pace rememberedPace(const Preferences& preferences);
void rememberPace(Preferences& preferences, Pace pace);

// The name offered for a human in `row` (from 0) that has none yet: the
// login's full name for the first human, else the name last given in
// that row, else the row's number ("Joueur 2").
QString offeredName(const Preferences& preferences, const Seats& seats, int row, const std::string& languageCode);

} // namespace daxo
