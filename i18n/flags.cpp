#include "flags.h"

#include "widgets/painted_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace daxo {
namespace {

// Flags are 3 by 2 here, centred in the icon's square.
QRectF flagArea(const QRectF& target)
{
    const double height = target.width() * 2 / 3;
    return QRectF(target.left(), target.center().y() - height / 2, target.width(), height);
}

void paintFrenchFlag(QPainter& painter, const QRectF& target)
{
    const QRectF flag = flagArea(target);
    const double stripe = flag.width() / 3;
    painter.fillRect(QRectF(flag.left(), flag.top(), stripe, flag.height()), QColor(0, 35, 149));
    painter.fillRect(QRectF(flag.left() + stripe, flag.top(), stripe, flag.height()), Qt::white);
    painter.fillRect(QRectF(flag.left() + 2 * stripe, flag.top(), stripe, flag.height()), QColor(237, 41, 57));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0));
    painter.drawRect(flag);
}

void paintUnionFlag(QPainter& painter, const QRectF& target)
{
    const QRectF flag = flagArea(target);
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    painter.save();
    painter.setClipRect(flag);
    painter.fillRect(flag, blue);

    const double unit = flag.height() / 30; // the flag is 60 by 30 units
    painter.setPen(QPen(Qt::white, 6 * unit));
    painter.drawLine(flag.topLeft(), flag.bottomRight());
    painter.drawLine(flag.bottomLeft(), flag.topRight());
    painter.setPen(QPen(red, 2 * unit));
    painter.drawLine(flag.topLeft(), flag.bottomRight());
    painter.drawLine(flag.bottomLeft(), flag.topRight());

    const QPointF centre = flag.center();
    painter.fillRect(QRectF(flag.left(), centre.y() - 5 * unit, flag.width(), 10 * unit), Qt::white);
    painter.fillRect(QRectF(centre.x() - 5 * unit, flag.top(), 10 * unit, flag.height()), Qt::white);
    painter.fillRect(QRectF(flag.left(), centre.y() - 3 * unit, flag.width(), 6 * unit), red);
    painter.fillRect(QRectF(centre.x() - 3 * unit, flag.top(), 6 * unit, flag.height()), red);
    painter.restore();
}

} // namespace

QIcon unionFlag() { return paintedIcon(paintUnionFlag); }

QIcon frenchFlag() { return paintedIcon(paintFrenchFlag); }

} // namespace daxo
