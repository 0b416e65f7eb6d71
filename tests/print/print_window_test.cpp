#include "print/print_window.h"

#include "print/sheets.h"
#include "shell/rules_texts.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace daxo {
namespace {

using Choice = test::PdfPrinters::Choice;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return "<" + program + " failed>";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF with every run of white space made one blank.
QString textOf(const QString& pdf)
{
    return run("pdftotext", {pdf, "-"}).simplified();
}

int pagesOf(const QString& pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Tells the sheets apart by what only each one carries.
QString sheetOf(const QString& pdf)
{
    const QString text = textOf(pdf);
    if (text.contains("LE BUT"))
        return "rules";
    if (text.contains("Si S.Total > ou = à 60 alors 30 points"))
        return "blank";
    if (text.contains("Sous Total"))
        return "player";
    return text;
}

class Printing : public test::BoardFixture {
protected:
    // Opens Printer1, ticks the sheets given (1 to 3) and prints.
    void print(std::initializer_list<int> ticked)
    {
        window.Imprimer_Click();
        PrintWindow* printWindow = windows.findPrint();
        ASSERT_NE(printWindow, nullptr);
        for (int n : ticked)
            printWindow->findChild<QCheckBox*>(QString("Check%1").arg(n))->click();
        printWindow->findChild<QPushButton*>("Command1")->click();
    }

    QStringList printedSheets()
    {
        QStringList sheets;
        for (const QString& file : printers.files) {
            EXPECT_EQ(pagesOf(file), 1) << file.toStdString();
            sheets << sheetOf(file);
        }
        return sheets;
    }
};

struct Ticks {
    std::vector<int> ticked;
    QStringList printed;
};

class TickedSheets : public Printing, public ::testing::WithParamInterface<Ticks> {};

TEST_P(TickedSheets, PrintOnePageEachInTheirOrder)
{
    for (std::size_t i = 0; i < GetParam().ticked.size(); ++i)
        printers.queue({Choice::Pdf});
    window.Imprimer_Click();
    PrintWindow* printWindow = windows.findPrint();
    // Ticked in reverse: the order printed is the sheets', not the ticks'.
    for (auto n = GetParam().ticked.rbegin(); n != GetParam().ticked.rend(); ++n)
        printWindow->findChild<QCheckBox*>(QString("Check%1").arg(*n))->click();
    printWindow->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(printedSheets(), GetParam().printed);
    EXPECT_EQ(printers.dialogs, static_cast<int>(GetParam().ticked.size()));
}

INSTANTIATE_TEST_SUITE_P(Combinations, TickedSheets, ::testing::Values(
    Ticks{{}, {}}, Ticks{{1}, {"blank"}}, Ticks{{2}, {"rules"}}, Ticks{{3}, {"player"}},
    Ticks{{1, 3}, {"blank", "player"}}, Ticks{{1, 2, 3}, {"blank", "rules", "player"}}));

TEST_F(Printing, ACancelSkipsOnlyItsSheet)
{
    printers.queue({Choice::Pdf, Choice::Cancel, Choice::Pdf});
    print({1, 2, 3});
    EXPECT_EQ(printedSheets(), (QStringList{"blank", "player"}));
    EXPECT_TRUE(messages.notices.isEmpty());
}

TEST_F(Printing, ASheetThatCouldNotBePrintedIsReported)
{
    window.game().setCaption(Label::Label20, "F");
    printers.queue({Choice::Broken, Choice::Pdf});
    print({2, 3});
    ASSERT_EQ(messages.notices.size(), 1);
    EXPECT_TRUE(messages.notices.front().contains(QString::fromUtf8("« Règles »"))) << messages.notices.front().toStdString();
    // A fresh printer for the next sheet, which prints.
    EXPECT_EQ(printedSheets(), QStringList{"player"});
}

TEST_F(Printing, SheetsCarryTheGameAndTheirFrenchTexts)
{
    window.game().setCaption(Label::Label20, "E");
    throwDice({5, 5, 5, 5, 5});
    click("Command6");
    printers.queue({Choice::Pdf, Choice::Pdf, Choice::Pdf});
    print({1, 2, 3});
    ASSERT_EQ(printers.files.size(), 3);

    const QString blank = textOf(printers.files[0]);
    for (const char* label : {"Points", "Sous Total", "Bonus", "Full", "Suite", "Carré", "Daxo", "Total", "20 points"})
        EXPECT_TRUE(blank.contains(QString::fromUtf8(label))) << label;
    EXPECT_FALSE(blank.contains("25"));

    const QString rules = textOf(printers.files[1]);
    for (const char* paragraph : kFrenchRules)
        EXPECT_TRUE(rules.contains(QString::fromUtf8(paragraph).simplified())) << paragraph;

    const QString player = textOf(printers.files[2]);
    EXPECT_TRUE(player.contains("25"));
    EXPECT_FALSE(player.contains("Sub Total")) << "the sheets stay French in English play";
}

TEST_F(Printing, ThePlayersSheetFollowsTheTotal)
{
    auto sheetCell = [&](Cell c) {
        return windows.playerSheet().findChild<QLineEdit*>(QString::fromStdString(name(c)))->text();
    };
    EXPECT_EQ(sheetCell(Cell::Text12), "0");
    EXPECT_EQ(sheetCell(Cell::Text20), "0");
    EXPECT_EQ(sheetCell(Cell::Text6), "");

    // A 0 typed into the empty ones box leaves the total as it is.
    window.game().setText(Cell::Text6, "0");
    EXPECT_EQ(sheetCell(Cell::Text6), "");
    throwDice({2, 2, 3, 3, 3});
    click("Command8");
    EXPECT_EQ(sheetCell(Cell::Text6), "0");
    EXPECT_EQ(sheetCell(Cell::Text14), "20");
    EXPECT_EQ(sheetCell(Cell::Text20), "20");
}

TEST_F(Printing, EveryOpeningStartsUntickedWithTheFocusOnTheFirstSheet)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    PrintWindow* printWindow = windows.findPrint();
    ASSERT_NE(printWindow, nullptr);
    EXPECT_TRUE(printWindow->isVisible());
    EXPECT_EQ(printWindow->focusWidget(), printWindow->findChild<QCheckBox*>("Check1"));
    QStringList order;
    for (QWidget* w = printWindow->focusWidget(); order.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    EXPECT_EQ(order, (QStringList{"Check1", "Check2", "Check3", "Command1", "Command2"}));

    printWindow->findChild<QCheckBox*>("Check2")->click();
    printWindow->findChild<QPushButton*>("Command2")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.findPrint(), nullptr);
    window.Imprimer_Click();
    EXPECT_FALSE(windows.findPrint()->findChild<QCheckBox*>("Check2")->isChecked());
    EXPECT_EQ(printers.dialogs, 0);
}

TEST_F(Printing, PrinterSetUpOpensTheDialogAlone)
{
    printers.queue({Choice::Pdf});
    find<QAction>("prop")->trigger();
    EXPECT_EQ(printers.dialogs, 1);
    EXPECT_EQ(windows.findPrint(), nullptr);
}

} // namespace
} // namespace daxo
