#include "shapes_frame.h"

#include <QPainter>

namespace daxo {

ShapesFrame::ShapesFrame(QWidget* parent)
    : QGroupBox(parent)
{
}

void ShapesFrame::setShapes(Shapes shapes)
{
    shapes_ = std::move(shapes);
    update();
}

void ShapesFrame::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    shapes_.paint(painter);
}

} // namespace daxo
