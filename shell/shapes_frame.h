#pragma once

#include "shapes.h"

#include <QGroupBox>

namespace daxo {

// A captioned frame with lines and rectangles drawn on its surface.
class ShapesFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ShapesFrame(QWidget* parent = nullptr);
    void setShapes(Shapes shapes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shapes shapes_;
};

} // namespace daxo
