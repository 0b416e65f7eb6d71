#include "shapes.h"

#include <QPainter>

namespace daxo {

void Shapes::paint(QPainter& painter) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    for (const QLine& line : lines)
        painter.drawLine(line);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const QRect& rectangle : rectangles)
        painter.drawRect(QRectF(rectangle).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace daxo
