#include "chart_views.h"

#include <QChart>
#include <QChartView>

#include <memory>

namespace daxo {

QChartView* newChartView(const char* name, int minimumHeight)
{
    auto* view = new QChartView;
    view->setObjectName(QString::fromUtf8(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(minimumHeight);
    view->setFocusPolicy(Qt::StrongFocus);
    return view;
}

void showChart(QChartView& view, QChart* chart, const QString& name)
{
    const std::unique_ptr<QChart> previous(view.chart());
    view.setChart(chart);
    view.setAccessibleName(name);
    view.viewport()->setAccessibleName(name); // it takes the keyboard
}

} // namespace daxo
