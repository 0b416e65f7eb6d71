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
    // Asks the player for a printer: a new one, ready to print on, or
    // nullptr when the player cancels.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) = 0;
};

// The platform's print dialog. It offers the printer chosen last, and a PDF
// file where no printer is installed.
class PrintDialogs final : public PrinterPort {
public:
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override;

private:
    QString printerName_;
    QString outputFileName_;
};

} // namespace daxo
