#pragma once

#include <QLine>
#include <QRect>
#include <vector>

class QPainter;

namespace daxo {

// The lines and framed rectangles drawn on the surface of a sheet, beneath
// its controls.
struct Shapes {
    std::vector<QLine> lines = {};
    std::vector<QRect> rectangles = {}; // drawn with a border two pixels wide

    void paint(QPainter& painter) const;
};

} // namespace daxo
