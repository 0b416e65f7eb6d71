#pragma once

#include <QString>

class QChart;
class QChartView;

namespace daxo {

// Shows `chart` in `view`, which takes it, named `name` for screen readers.
// A view gives up the chart it showed without deleting it: this deletes it.
void showChart(QChartView& view, QChart* chart, const QString& name);

} // namespace daxo
