#include "print/print_window.h"

#include "print/sheets.h"
#include "support/board_fixture.h"
#include "widgets/printer_port.h"
#include "widgets/sheet_printing.h"

#include <QProcess>
#include <QImage>
#include <QTemporaryDir>

namespace daxo {
namespace {

using test::Choice;

// What printing prints, and how it tells a sheet that could not be printed,
// is the window scripts' (tests/data/windows/09-printing.txt).
using Printing = test::BoardFixture;

// Printing several sheets to files and accepting what each dialog offers
// keeps every sheet: each is offered a file named after it, beside the last.
TEST(PrintingToFiles, EachSheetIsOfferedAFileOfItsOwn)
{
    const std::tuple<QString, QString, QString> rows[] = {
        {"/home/p/Documents/print.pdf", "Blank score sheet", "/home/p/Documents/Blank score sheet.pdf"},
        {"/home/p/Documents/Blank score sheet.pdf", "Rules", "/home/p/Documents/Rules.pdf"},
        {"/tmp/x.pdf", QString::fromUtf8("Règles"), QString::fromUtf8("/tmp/Règles.pdf")},
        {"/tmp/x.pdf", "a/b", "/tmp/a-b.pdf"},
        {"/tmp/x.pdf", "", "/tmp/x.pdf"},
    };
    for (const auto& [last, document, offered] : rows)
        EXPECT_EQ(proposedOutputFile(last, document), offered);
}

// Where a printed page puts its drawing: the box around what is not white,
// in millimetres from the paper's edges, and the paper's size.
struct Placement {
    double left, top, right, bottom, width, height;
};

Placement placementOf(const QString& pdf)
{
    QTemporaryDir folder;
    QProcess render;
    render.start("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, folder.filePath("page")});
    render.waitForFinished(20000);
    const QImage page(folder.filePath("page.png"));
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 240)
                inked |= QRect(x, y, 1, 1);
    const double mm = 25.4 / 72;
    return {inked.left() * mm, inked.top() * mm, (page.width() - inked.right() - 1) * mm,
            (page.height() - inked.bottom() - 1) * mm, inked.width() * mm, inked.height() * mm};
}

// A sheet is printed at its own size, centred, well inside the margins a
// printer cannot print on; one too big for the paper is shrunk to fit them.
TEST_F(Printing, SheetsLieCentredWithinTheMargins)
{
    QWidget poster;
    poster.setFixedSize(3000, 2000);
    poster.setStyleSheet("background: black");
    for (QWidget* sheet : std::initializer_list<QWidget*>{&windows.sheets().blankSheet(), &poster}) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        QTemporaryDir folder;
        printer->setOutputFileName(folder.filePath("sheet.pdf"));
        ASSERT_TRUE(printSheet(*sheet, *printer));
        printer.reset();
        const Placement at = placementOf(folder.filePath("sheet.pdf"));
        SCOPED_TRACE(sheet->objectName().toStdString());
        EXPECT_GE(std::min({at.left, at.top, at.right, at.bottom}), 9.5);
        // The blank sheet's frame leaves a millimetre of white to its right.
        EXPECT_NEAR(at.left, at.right, 2.0);
        EXPECT_NEAR(at.top, at.bottom, 2.0);
        if (sheet != &poster) // 7095 twips of frame: 125 mm
            EXPECT_NEAR(at.width, 7095 / 1440.0 * 25.4, 1.5);
        else
            EXPECT_NEAR(std::min(at.left, at.top), 10.0, 1.0) << "as big as the margins allow";
    }
}

} // namespace
} // namespace daxo
