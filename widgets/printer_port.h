#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace daxo {

// Where printed pages go. Tests print into PDF files instead of asking.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    // Asks the player for a printer for the page called `document` (empty
    // when only the printer is being set up): a new printer, ready to print
    // on, or nullptr when the player cancels.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& document) = 0;
};

// The platform's print dialog. It offers the printer chosen last, and a PDF
// file where no printer is installed.
class PrintDialogs final : public PrinterPort {
public:
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent, const QString& document) override;

private:
    QString printerName_;
    QString outputFileName_;
};

// The file offered for printing `document` after `lastFile` was chosen: a
// PDF named after the document, beside the last file, so that accepting what
// is offered for each of several pages keeps every page. Without a document
// name, the last file itself.
QString proposedOutputFile(const QString& lastFile, const QString& document);

} // namespace daxo
