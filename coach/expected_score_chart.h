#pragma once

#include "solver/game_analysis.h"

class QChart;

namespace daxo {

class CoachTexts;

// The expected final score after each decision of a game, against the
// turns, with the final score across it.
QChart* expectedScoreChart(const solver::Judgement& judgement, const CoachTexts& texts);

} // namespace daxo
