#include "printer_port.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace daxo {

std::unique_ptr<QPrinter> PrintDialogs::choosePrinter(QWidget* parent, const QString& document)
{
    // A fresh printer for every page: one whose painting failed is stuck.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(document); // also names the file the dialog offers first
    if (!printerName_.isEmpty())
        printer->setPrinterName(printerName_);
    if (!outputFileName_.isEmpty())
        printer->setOutputFileName(proposedOutputFile(outputFileName_, document));

    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    printerName_ = printer->printerName();
    outputFileName_ = printer->outputFileName();
    return printer;
}

QString proposedOutputFile(const QString& lastFile, const QString& document)
{
    if (document.isEmpty())
        return lastFile;
    QString name = document;
    name.replace(u'/', u'-');
    return QFileInfo(lastFile).dir().filePath(name + ".pdf");
}

} // namespace daxo
