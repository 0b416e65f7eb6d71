#include "app_icon.h"

#include "painted_icon.h"

#include <QGuiApplication>
#include <QPainter>

namespace daxo {
namespace {

// The drawing, in a 32 by 32 design space and a handful of flat colours, as
// data shared by the painted icon and its SVG export.
constexpr double kSize = 32;
constexpr double kBodyMargin = 2;
constexpr double kBodyCorner = 6;
constexpr double kOutlineWidth = 1.5;
constexpr double kPipRadius = 3.2;
constexpr QRgb kBody = 0xd00000;
constexpr QRgb kOutline = 0x600000;
constexpr QRgb kPip = 0xffffff;
constexpr QPointF kPips[] = {{9.5, 9.5}, {22.5, 9.5}, {16, 16}, {9.5, 22.5}, {22.5, 22.5}};

void paintDie(QPainter& painter, const QRectF& target)
{
    painter.translate(target.topLeft());
    painter.scale(target.width() / kSize, target.height() / kSize);

    painter.setPen(QPen(QColor(kOutline), kOutlineWidth));
    painter.setBrush(QColor(kBody));
    const double side = kSize - 2 * kBodyMargin;
    painter.drawRoundedRect(QRectF(kBodyMargin, kBodyMargin, side, side), kBodyCorner, kBodyCorner);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPip));
    for (const QPointF centre : kPips)
        painter.drawEllipse(centre, kPipRadius, kPipRadius);
}

QString colour(QRgb rgb) { return QColor(rgb).name(); }

} // namespace

QIcon appIcon()
{
    static const QIcon icon = paintedIcon(paintDie); // one drawing for every window
    return icon;
}

QCursor appCursor()
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    return QCursor(appIcon().pixmap(QSize(32, 32), ratio), 16, 16);
}

QByteArray appIconSvg()
{
    const double side = kSize - 2 * kBodyMargin;
    QString svg = QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kSize);
    svg += QString("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" ry=\"%3\" fill=\"%4\" stroke=\"%5\" "
                   "stroke-width=\"%6\"/>\n")
               .arg(kBodyMargin)
               .arg(side)
               .arg(kBodyCorner)
               .arg(colour(kBody), colour(kOutline))
               .arg(kOutlineWidth);
    for (const QPointF centre : kPips)
        svg += QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"none\"/>\n")
                   .arg(centre.x())
                   .arg(centre.y())
                   .arg(kPipRadius)
                   .arg(colour(kPip));
    svg += "</svg>\n";
    return svg.toUtf8();
}

} // namespace daxo
