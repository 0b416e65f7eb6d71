#include "picture_box.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace daxo {
namespace {

// Screen readers take a picture box for the picture it shows.
QAccessibleInterface* accessiblePicture(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(box, QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    static const bool installed = (QAccessible::installFactory(accessiblePicture), true);
    Q_UNUSED(installed);
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
