#include "chart_views.h"

#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <cmath>
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

double roundStep(double span, int mostTicks)
{
    const double rough = std::max(span, 1e-9) / std::max(mostTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        if (multiple * power >= rough * (1 - 1e-9))
            return multiple * power;
    }
    return 10 * power;
}

void setRoundRange(QValueAxis& axis, double most, bool whole)
{
    constexpr int kMostTicks = 5;
    if (!(most > 0))
        most = 1; // nothing to draw yet: an axis of its own size
    double step = roundStep(most, kMostTicks);
    if (whole)
        step = std::max(1.0, std::round(step));
    const double steps = std::max(1.0, std::ceil(most / step - 1e-9));
    axis.setRange(0, steps * step);
    axis.setTickCount(static_cast<int>(steps) + 1);
    const int decimals = whole ? 0 : std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis.setLabelFormat(QString("%.%1f").arg(decimals)); // localised labels need a precision
}

} // namespace daxo
