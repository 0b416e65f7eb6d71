#pragma once

#include "shapes.h"

#include <QGroupBox>

namespace daxo {

// A frame of the board: its caption set into an etched border, and lines and
// rectangles drawn on its surface beneath its controls. It paints itself
// rather than through a style sheet, so that its controls keep the board's
// fonts.
class BoardFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit BoardFrame(QWidget* parent = nullptr);
    void setShapes(Shapes shapes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shapes shapes_;
};

} // namespace daxo
