#include "flags.h"

#include "widgets/languages.h"
#include "widgets/painted_icon.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

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

// Bands of colours, of the given widths, across the flag or down it.
using Bands = std::vector<std::pair<QColor, double>>;

void paintBands(QPainter& painter, const QRectF& target, Qt::Orientation across, const Bands& bands)
{
    const QRectF flag = flagArea(target);
    double total = 0;
    for (const auto& band : bands)
        total += band.second;
    double at = 0;
    for (const auto& [colour, width] : bands) {
        const double from = at / total, to = (at + width) / total;
        painter.fillRect(across == Qt::Horizontal
                             ? QRectF(flag.left(), flag.top() + from * flag.height(), flag.width(), (to - from) * flag.height())
                             : QRectF(flag.left() + from * flag.width(), flag.top(), (to - from) * flag.width(), flag.height()),
                         colour);
        at += width;
    }
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0));
    painter.drawRect(flag);
}

QIcon banded(Qt::Orientation across, Bands bands)
{
    return paintedIcon([across, bands = std::move(bands)](QPainter& painter, const QRectF& target) {
        paintBands(painter, target, across, bands);
    });
}

void paintSwedishFlag(QPainter& painter, const QRectF& target)
{
    const QRectF flag = flagArea(target);
    const double unit = flag.width() / 16; // 16 by 10, the cross 2 wide, its upright 5 from the hoist
    painter.fillRect(flag, QColor(0, 106, 167));
    painter.fillRect(QRectF(flag.left(), flag.top() + 4 * unit, flag.width(), 2 * unit), QColor(254, 204, 0));
    painter.fillRect(QRectF(flag.left() + 5 * unit, flag.top(), 2 * unit, flag.height()), QColor(254, 204, 0));
}

void paintBrazilianFlag(QPainter& painter, const QRectF& target)
{
    const QRectF flag = flagArea(target);
    painter.fillRect(flag, QColor(0, 156, 59));
    const QPointF c = flag.center();
    const double dx = flag.width() * 0.42, dy = flag.height() * 0.38;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 223, 0));
    painter.drawPolygon(QPolygonF({QPointF(c.x() - dx, c.y()), QPointF(c.x(), c.y() - dy), QPointF(c.x() + dx, c.y()),
                                   QPointF(c.x(), c.y() + dy)}));
    painter.setBrush(QColor(0, 39, 118));
    painter.drawEllipse(c, flag.height() * 0.21, flag.height() * 0.21);
}

} // namespace

QIcon unionFlag() { return paintedIcon(paintUnionFlag); }

QIcon frenchFlag() { return paintedIcon(paintFrenchFlag); }

QIcon flagOf(const SpokenLanguage& language)
{
    const std::string_view code = language.code;
    if (code == "F")
        return frenchFlag();
    if (code == "de")
        return banded(Qt::Horizontal, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}});
    if (code == "es")
        return banded(Qt::Horizontal, {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}});
    if (code == "it")
        return banded(Qt::Vertical, {{QColor(0, 146, 70), 1}, {Qt::white, 1}, {QColor(206, 43, 55), 1}});
    if (code == "pt_BR")
        return paintedIcon(paintBrazilianFlag);
    if (code == "nl")
        return banded(Qt::Horizontal, {{QColor(174, 28, 40), 1}, {Qt::white, 1}, {QColor(33, 70, 139), 1}});
    if (code == "pl")
        return banded(Qt::Horizontal, {{Qt::white, 1}, {QColor(220, 20, 60), 1}});
    if (code == "sv")
        return paintedIcon(paintSwedishFlag);
    if (code == "ru")
        return banded(Qt::Horizontal, {{Qt::white, 1}, {QColor(0, 57, 166), 1}, {QColor(213, 43, 30), 1}});
    return unionFlag();
}

} // namespace daxo
