#include "app_icon.h"

#include "painted_icon.h"

#include <QGuiApplication>
#include <QPainter>

namespace daxo {
namespace {

// Drawn in a 32 by 32 design space, in a handful of flat colours.
void paintDie(QPainter& painter, const QRectF& target)
{
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32.0, target.height() / 32.0);

    painter.setPen(QPen(QColor(96, 0, 0), 1.5));
    painter.setBrush(QColor(208, 0, 0));
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF centre : {QPointF(9.5, 9.5), QPointF(22.5, 9.5), QPointF(16, 16), QPointF(9.5, 22.5),
                                 QPointF(22.5, 22.5)})
        painter.drawEllipse(centre, 3.2, 3.2);
}

} // namespace

QIcon appIcon()
{
    return paintedIcon(paintDie);
}

QCursor appCursor()
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    return QCursor(appIcon().pixmap(QSize(32, 32), ratio), 16, 16);
}

} // namespace daxo
