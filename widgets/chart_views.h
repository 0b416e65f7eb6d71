#pragma once

#include <QString>

class QChart;
class QChartView;

namespace daxo {

// An empty chart view named `name`, smooth, at least `minimumHeight` high,
// and reachable from the keyboard so that a screen reader reads its name.
QChartView* newChartView(const char* name, int minimumHeight);

// Shows `chart` in `view`, which takes it, named `name` for screen readers.
// A view gives up the chart it showed without deleting it: this deletes it.
void showChart(QChartView& view, QChart* chart, const QString& name);

} // namespace daxo
