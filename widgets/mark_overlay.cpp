#include "mark_overlay.h"

#include <QEvent>
#include <QPainter>

namespace daxo {
namespace {

// Amber, which stands out on the board's green and on a grey button alike.
const QColor kMark(255, 176, 0);
constexpr int kMarkWidth = 3;

} // namespace

MarkOverlay::MarkOverlay(QWidget& covered)
    : QWidget(&covered)
{
    setObjectName("marks");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(covered.rect());
    covered.installEventFilter(this);
    hide();
}

void MarkOverlay::mark(const std::vector<QWidget*>& controls)
{
    marked_.assign(controls.begin(), controls.end());
    setVisible(!marked_.empty());
    raise();
    update();
}

void MarkOverlay::clear() { mark({}); }

std::vector<QWidget*> MarkOverlay::marked() const
{
    std::vector<QWidget*> controls;
    for (const QPointer<QWidget>& control : marked_) {
        if (control)
            controls.push_back(control.data());
    }
    return controls;
}

void MarkOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kMark, kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    for (QWidget* control : marked()) {
        if (!control->isVisible())
            continue;
        const QRect place(control->mapTo(parentWidget(), QPoint()), control->size());
        painter.drawRoundedRect(QRectF(place).adjusted(-2.5, -2.5, 2.5, 2.5), 4, 4);
    }
}

bool MarkOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace daxo
