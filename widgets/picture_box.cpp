#include "picture_box.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace daxo {
namespace {

// Screen readers take a picture box for the picture it shows, or for a
// button when it can be pressed.
class AccessiblePicture final : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureBox* box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override { return box()->isActivatable() ? QAccessible::Button : QAccessible::Graphic; }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isActivatable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && box()->isActivatable() && box()->isEnabled())
            Q_EMIT box()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* accessiblePicture(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new AccessiblePicture(box);
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

void PictureBox::setActivatable(bool activatable)
{
    activatable_ = activatable;
    setFocusPolicy(activatable ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(contentsRect());
        picture_.paint(&painter, QRect(contentsRect().topLeft(), pictureSize_));
        painter.restore();
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activatable_ && press && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        Q_EMIT clicked();
    else
        QFrame::keyPressEvent(event);
}

} // namespace daxo
