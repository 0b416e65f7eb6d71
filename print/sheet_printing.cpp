#include "sheet_printing.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace daxo {

bool printSheet(QWidget& sheet, QPrinter& printer)
{
    // Rendered straight onto a printer, a widget is first drawn into a
    // bitmap at screen resolution. Recorded as a picture, its lines and
    // texts reach the printer as drawing commands instead.
    QPicture drawing;
    QPainter recorder(&drawing);
    sheet.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF size = sheet.size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate((page.width() - size.width() * scale) / 2, (page.height() - size.height() * scale) / 2);
    // A picture played on a printer grows by the ratio of their resolutions
    // by itself.
    painter.scale(scale * drawing.logicalDpiX() / printer.logicalDpiX(),
                  scale * drawing.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, drawing);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace daxo
