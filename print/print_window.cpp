#include "print_window.h"

#include "game/game.h"
#include "print_texts.h"
#include "sheets.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"
#include "widgets/sheet_printing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

namespace daxo {

PrintWindow::PrintWindow(QWidget& board, const Game& game, PrintSheets& sheets, PrinterPort& printers,
                         PlayerMessages& messages)
    : SecondaryWindow(board, "Printer1", twipsRect(0, 0, 3750, 1755).size())
    , game_(game)
    , sheets_(sheets)
    , printers_(printers)
    , messages_(messages)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Imprimer");
    setFont(sansFont(8.25));

    auto* prompt = placeControl<QLabel>(this, "Label1", twipsRect(120, 0, 3615, 375));
    prompt->setText("Que voulez-vous imprimer ?");
    prompt->setFont(sansFont(12));

    const char* const captions[] = {"Feuille de poins vierge", "Règles", "Vos points"};
    for (int i = 0; i < 3; ++i) {
        const std::string checkName = "Check" + std::to_string(i + 1);
        auto* check = placeControl<QCheckBox>(this, checkName.c_str(), twipsRect(120, 360 + 480 * i, 1935, 375));
        check->setText(QString::fromUtf8(captions[i]));
        checks_[static_cast<std::size_t>(i)] = check;
    }

    auto* print = placeControl<QPushButton>(this, "Command1", twipsRect(2520, 1200, 1095, 375));
    print->setText("&Imprimer");
    connect(print, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
    auto* cancel = placeControl<QPushButton>(this, "Command2", twipsRect(2520, 600, 1095, 375));
    cancel->setText("&Annuler");
    connect(cancel, &QPushButton::clicked, this, &PrintWindow::Command2_Click);

    setTabOrder(checks_[0], checks_[1]);
    setTabOrder(checks_[1], checks_[2]);
    setTabOrder(checks_[2], print);
    setTabOrder(print, cancel);
    checks_[0]->setFocus();

    centreOnScreen(*this);
}

// Each ticked sheet, in the order blank sheet, rules, player's sheet, asks
// for its printer and prints one page. A cancelled dialog skips its sheet
// only; a sheet the printer refused is reported, not dropped in silence.
void PrintWindow::Command1_Click()
{
    const PrintTexts texts(game_.languageCode());
    const struct {
        QCheckBox* ticked;
        Sheet& (PrintSheets::*sheet)(); // created the first time it is printed
        QString name;
    } jobs[] = {
        {checks_[0], &PrintSheets::blankSheet, texts.blankSheet()},
        {checks_[1], &PrintSheets::rulesSheet, texts.rulesSheet()},
        {checks_[2], &PrintSheets::playerSheet, texts.playerSheet()},
    };
    for (const auto& job : jobs) {
        if (!job.ticked->isChecked())
            continue;
        const std::unique_ptr<QPrinter> printer = printers_.choosePrinter(this, job.name);
        if (printer && !printSheet((sheets_.*job.sheet)(), *printer))
            messages_.inform(PrintTexts::title(), texts.sheetFailed(job.name));
    }
    close();
}

void PrintWindow::Command2_Click() { close(); }

} // namespace daxo
