#include "sheet_printing.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace daxo {
namespace {

// Kept clear around a sheet: more than most printers cannot print on.
constexpr double kMarginMm = 10.0;
// The sheets are laid out at 96 logical pixels an inch (15 twips a pixel).
constexpr double kLayoutDpi = 96.0;

} // namespace

// Rendered straight onto a printer, a widget is first drawn into a bitmap
// at screen resolution. Recorded as a picture, its lines and texts reach the
// printer as drawing commands instead.
QPicture sheetDrawing(QWidget& sheet)
{
    QPicture drawing;
    QPainter recorder(&drawing);
    sheet.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    return drawing;
}

bool printSheet(QWidget& sheet, QPrinter& printer)
{
    const QPicture drawing = sheetDrawing(sheet);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // In device pixels. The painter's origin is the corner of the printable
    // area; the sheet goes where that area and the margins both allow.
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double margin = kMarginMm * printer.resolution() / 25.4;
    const QRectF area = printable.intersected(printer.paperRect(QPrinter::DevicePixel).adjusted(margin, margin, -margin, -margin))
                            .translated(-printable.topLeft());
    const double natural = printer.resolution() / kLayoutDpi;
    const QSizeF size = sheet.size();
    // At its own size when it fits, else shrunk to fit, never enlarged.
    const double scale =
        std::min({natural, area.width() / size.width(), area.height() / size.height()});
    painter.translate(area.center() - QPointF(size.width() * scale / 2, size.height() * scale / 2));
    // A picture played on a printer grows by the ratio of their resolutions
    // by itself.
    painter.scale(scale * drawing.logicalDpiX() / printer.logicalDpiX(),
                  scale * drawing.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, drawing);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace daxo
