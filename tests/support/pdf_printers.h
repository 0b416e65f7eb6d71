#pragma once

#include "print/printer_port.h"

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

namespace daxo::test {

// Answers the print dialog as scripted: a printer into a new PDF file in a
// folder of its own, a printer that cannot print, or a cancel.
class PdfPrinters final : public PrinterPort {
public:
    enum class Choice { Pdf, Broken, Cancel };

    void queue(std::initializer_list<Choice> choices) { choices_.insert(choices_.end(), choices); }
    bool exhausted() const { return choices_.empty(); }

    // The files printed into, in the order the dialogs were answered.
    QStringList files;
    int dialogs = 0;

    std::unique_ptr<QPrinter> choosePrinter(QWidget*) override
    {
        ++dialogs;
        if (choices_.empty()) {
            ADD_FAILURE() << "a print dialog that the test did not script";
            return nullptr;
        }
        const Choice choice = choices_.front();
        choices_.pop_front();
        if (choice == Choice::Cancel)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        const QString file = choice == Choice::Pdf ? folder_.filePath(QString("page%1.pdf").arg(files.size() + 1))
                                                   : folder_.filePath("no such folder/page.pdf");
        printer->setOutputFileName(file);
        if (choice == Choice::Pdf)
            files << file;
        return printer;
    }

private:
    QTemporaryDir folder_;
    std::deque<Choice> choices_;
};

} // namespace daxo::test
