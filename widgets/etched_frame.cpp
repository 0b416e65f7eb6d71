#include "etched_frame.h"

#include <QPainter>

namespace daxo {

EtchedFrame::EtchedFrame(QWidget* parent)
    : QGroupBox(parent)
{
}

void EtchedFrame::setShapes(Shapes shapes)
{
    shapes_ = std::move(shapes);
    update();
}

void EtchedFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2;

    // An etched border: a dark line with a light one inside it.
    const QColor background = palette().color(QPalette::Window);
    const QRect outer = rect().adjusted(0, borderTop, -1, -1);
    painter.setPen(background.darker(170));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(background.lighter(170));
    painter.drawRect(outer.adjusted(1, 1, 0, 0));

    if (!title().isEmpty()) {
        const QString caption = " " + title() + " ";
        const QRect captionRect(6, 0, metrics.horizontalAdvance(caption), metrics.height());
        painter.fillRect(captionRect, background);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(captionRect, Qt::AlignCenter, caption);
    }

    shapes_.paint(painter);
}

} // namespace daxo
