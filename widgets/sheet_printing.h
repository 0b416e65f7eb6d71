#pragma once

class QPicture;
class QPrinter;
class QWidget;

namespace daxo {

// Prints `sheet` with its controls as one page, drawn at the printer's own
// resolution: centred in the printable area, at least 10 mm from the edges
// of the paper, at its natural size when that fits, else shrunk to fit.
// Returns whether the page was printed.
bool printSheet(QWidget& sheet, QPrinter& printer);

// The sheet as the printer gets it: recorded as drawing commands, at its
// own size, to be played back at any scale.
QPicture sheetDrawing(QWidget& sheet);

} // namespace daxo
