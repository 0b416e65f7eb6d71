#include "printer_port.h"

#include <QPrintDialog>
#include <QPrinter>

namespace daxo {

std::unique_ptr<QPrinter> PrintDialogs::choosePrinter(QWidget* parent)
{
    // A fresh printer for every page: one whose painting failed is stuck.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printerName_.isEmpty())
        printer->setPrinterName(printerName_);
    if (!outputFileName_.isEmpty())
        printer->setOutputFileName(outputFileName_);

    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    printerName_ = printer->printerName();
    outputFileName_ = printer->outputFileName();
    return printer;
}

} // namespace daxo
