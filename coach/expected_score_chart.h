#pragma once

#include "solver/game_analysis.h"

class QChart;
class QValueAxis;

namespace daxo {

class CoachTexts;

// The expected final score after each decision of a game, against the
// turns, with the final score across it.
QChart* expectedScoreChart(const solver::Judgement& judgement, const CoachTexts& texts);

// Puts `values` against the game's twelve turns, every series of `chart`
// on both axes.
void againstTheTurns(QChart& chart, QValueAxis* values, const CoachTexts& texts);

} // namespace daxo
