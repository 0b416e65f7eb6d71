#pragma once

#include <QString>

class QChart;
class QChartView;
class QValueAxis;

namespace daxo {

// An empty chart view named `name`, smooth, at least `minimumHeight` high,
// and reachable from the keyboard so that a screen reader reads its name.
QChartView* newChartView(const char* name, int minimumHeight);

// Shows `chart` in `view`, which takes it, named `name` for screen readers.
// A view gives up the chart it showed without deleting it: this deletes it.
void showChart(QChartView& view, QChart* chart, const QString& name);

// The round step, 1, 2 or 5 times a power of ten, that divides `span` into
// at most `mostTicks` steps.
double roundStep(double span, int mostTicks);

// From 0 to a round number at or above `most`, with a tick on each round
// step; `whole` numbers are counts, drawn without decimals.
void setRoundRange(QValueAxis& axis, double most, bool whole);

} // namespace daxo
