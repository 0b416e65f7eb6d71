#pragma once

#include "storage/history.h"

class QChart;

namespace daxo {

namespace solver {
struct PerfectPlayStatistics;
} // namespace solver

class ScoresTexts;

// The final scores of the player's games as bars, by bins of the figures'
// width, with perfect play's spread over as many games drawn as a line;
// the counts on round numbers. Without perfect play's figures yet, the
// chart says they are being worked out.
QChart* scoreHistogram(const HistoryFigures& figures, const solver::PerfectPlayStatistics* perfect,
                       const ScoresTexts& texts);

// The coach's mean loss per decision, game after game or group after group,
// its games' axis from the first game judged to the last, every point
// within the chart.
QChart* lossChart(const HistoryFigures& figures, const ScoresTexts& texts);

} // namespace daxo
