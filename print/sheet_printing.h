#pragma once

class QPrinter;
class QWidget;

namespace daxo {

// Prints `sheet` with its controls as one page, centred and scaled to fit
// the page, drawn at the printer's own resolution. Returns whether the page
// was printed.
bool printSheet(QWidget& sheet, QPrinter& printer);

} // namespace daxo
