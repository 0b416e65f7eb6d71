#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace daxo {

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::setPicture(const QIcon& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setPictureSize(QSize size)
{
    pictureSize_ = size;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    picture_.paint(&painter, QRect(contentsRect().topLeft(), pictureSize_));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace daxo
