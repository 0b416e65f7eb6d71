#pragma once

#include "shapes.h"

#include <QGroupBox>

namespace daxo {

// A frame with its caption set into an etched border, and lines and
// rectangles drawn on its surface beneath its controls, as on the board and
// the printed sheets. It paints itself rather than through a style sheet,
// so that its controls keep their fonts.
class EtchedFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit EtchedFrame(QWidget* parent = nullptr);
    void setShapes(Shapes shapes);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shapes shapes_;
};

} // namespace daxo
