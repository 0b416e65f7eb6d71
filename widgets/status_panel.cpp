#include "status_panel.h"

#include <QPainter>

namespace daxo {

StatusPanel::StatusPanel(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setContentsMargins(2, 0, 2, 0);
}

void StatusPanel::setParts(const QString& caption, const QString& value)
{
    caption_ = caption;
    value_ = value;
    setText(caption + value);
    setToolTip(text());
}

QString StatusPanel::shownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width();
    if (metrics.horizontalAdvance(text()) <= room)
        return text();
    const int captionRoom = std::max(0, room - metrics.horizontalAdvance(value_));
    return metrics.elidedText(caption_, Qt::ElideMiddle, captionRoom) + value_;
}

void StatusPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event); // the sunken border; the text is drawn here
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownText());
}

} // namespace daxo
