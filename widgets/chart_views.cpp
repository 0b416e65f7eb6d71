#include "chart_views.h"

#include <QChart>
#include <QChartView>

#include <memory>

namespace daxo {

void showChart(QChartView& view, QChart* chart, const QString& name)
{
    const std::unique_ptr<QChart> previous(view.chart());
    view.setChart(chart);
    view.setAccessibleName(name);
    view.viewport()->setAccessibleName(name); // it takes the keyboard
}

} // namespace daxo
