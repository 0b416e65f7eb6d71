// The board of the main window, control by control, in twips.

#include "main_window.h"

#include "widgets/app_icon.h"
#include "widgets/controls.h"
#include "widgets/etched_frame.h"
#include "widgets/face_images.h"
#include "widgets/fonts.h"
#include "widgets/mark_overlay.h"
#include "widgets/option_button.h"
#include "widgets/picture_box.h"
#include "widgets/status_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <algorithm>

namespace daxo {
namespace {

const QColor kDarkGreen(0, 128, 0);
// Text of a disabled control on the green, such as a hold box before the
// first throw: pale enough to read against it (3.5 to 1), and still plainly
// apart from the black of the enabled controls.
const QColor kDisabledOnGreen(0xd4, 0xd4, 0xd4);

void paintGreen(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kDarkGreen);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledOnGreen);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

EtchedFrame* placeFrame(QWidget* board, const char* name, QRect geometry, const QString& caption)
{
    auto* frame = placeControl<EtchedFrame>(board, name, geometry);
    frame->setTitle(caption);
    paintGreen(frame);
    return frame;
}

QLineEdit* placeCell(QWidget* parent, Cell cell, QRect geometry, const QFont& font)
{
    auto* edit = placeControl<QLineEdit>(parent, name(cell).c_str(), geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFont(font);
    return edit;
}

// A row of the score sheet: the button that scores it and the label under
// the button, or the label alone for the computed rows, and the score cell.
struct SheetRow {
    int command;         // the box button's number, 0 for the computed rows
    const char* caption; // of the button and of the label under it
    const char* label;
    int labelLeft;
    int buttonLeft;
    Cell cell;
    int cellLeft;
    int top;
};

constexpr SheetRow kSheetRows[] = {
    {2, "1", "Label2", 360, 600, Cell::Text6, 1920, 480},
    {3, "2", "Label3", 360, 600, Cell::Text7, 1920, 1200},
    {4, "3", "Label4", 360, 600, Cell::Text8, 1920, 1920},
    {5, "4", "Label5", 360, 600, Cell::Text9, 1920, 2640},
    {6, "5", "Label6", 360, 600, Cell::Text10, 1920, 3360},
    {7, "6", "Label7", 360, 600, Cell::Text11, 1920, 4080},
    {0, "Sous Total", "Label8", 360, 0, Cell::Text12, 1920, 4800},
    {0, "Bonus", "Label9", 360, 0, Cell::Text13, 1920, 5520},
    {8, "Full", "Label12", 3240, 3360, Cell::Text14, 4680, 480},
    {9, "Suite", "Label10", 3240, 3360, Cell::Text15, 4680, 1200},
    {10, "Carré", "Label11", 3240, 3360, Cell::Text16, 4680, 1920},
    {11, "Daxo", "Label13", 3240, 3360, Cell::Text17, 4680, 2640},
    {12, "+", "Label14", 3240, 3360, Cell::Text18, 4680, 3360},
    {13, "-", "Label15", 3240, 3360, Cell::Text19, 4680, 4080},
    {0, "Total", "Label16", 3240, 0, Cell::Text20, 4680, 5520},
};

// Panel widths of the status bar, left to right.
constexpr int kPanelWidths[kPanelCount] = {1000, 1500, 2380, 1000, 1000, 1500};
constexpr int kPanelGap = 4;

} // namespace

std::vector<QRect> panelPlaces(std::span<const int> widths, QSize bar)
{
    int used = kPanelGap * (static_cast<int>(widths.size()) - 1);
    for (const int width : widths)
        used += width;
    std::vector<QRect> places;
    int left = std::max(0, (bar.width() - used) / 2);
    for (const int width : widths) {
        places.emplace_back(left, 1, width, bar.height() - 1);
        left += width + kPanelGap;
    }
    return places;
}

void MainWindow::buildBoard()
{
    auto* board = new QWidget(this);
    board->setObjectName("board");
    board->setFixedSize(fromTwips(8760), fromTwips(6405));
    board->setFont(sansFont(8.25));
    paintGreen(board);
    setCentralWidget(board);

    // Created bottom first: later siblings are drawn over earlier ones. The
    // state labels are never seen; they mirror the game's counters.
    struct StateLabel {
        Label label;
        QRect geometry;
    };
    const StateLabel stateLabels[] = {
        {Label::Label1, twipsRect(1080, 480, 615, 375)},   {Label::Label17, twipsRect(1800, 600, 495, 255)},
        {Label::Label18, twipsRect(3360, 600, 975, 495)},  {Label::Label19, twipsRect(2400, 600, 855, 495)},
        {Label::Label20, twipsRect(360, 360, 615, 255)},
    };
    for (const StateLabel& s : stateLabels) {
        auto* label = placeControl<QLabel>(board, name(s.label).c_str(), s.geometry);
        label->hide();
        stateLabels_[static_cast<std::size_t>(s.label)] = label;
    }

    // The face images of the current picture set, and the blank face; the
    // die pictures copy from them.
    struct FacePicture {
        int number;
        QRect geometry;
    };
    const FacePicture facePictures[] = {
        {1, twipsRect(720, 2760, 800, 800)}, {3, twipsRect(720, 3720, 800, 800)},
        {4, twipsRect(1680, 3720, 800, 800)}, {5, twipsRect(720, 4680, 800, 800)},
        {6, twipsRect(1680, 4680, 800, 800)}, {2, twipsRect(1680, 2760, 800, 800)},
        {7, twipsRect(1080, 1920, 615, 615)},
    };
    for (const FacePicture& f : facePictures) {
        const std::string pictureName = "Picture" + std::to_string(f.number);
        auto* picture = placeControl<PictureBox>(board, pictureName.c_str(), f.geometry);
        if (f.number <= 6)
            picture->setPicture(faceImage(1, f.number));
        picture->hide();
        pictures_[static_cast<std::size_t>(f.number - 1)] = picture;
    }

    buildCheatFrame(board);
    buildDiceFrame(board);
    auto* quit = placeControl<QPushButton>(board, "Command14", twipsRect(6960, 240, 1215, 375));
    quit->setText("&Quitter");
    commands_[kButtonCount] = quit;
    buildScoreFrame(board);

    // Over everything, for the coach to point at the controls.
    marks_ = new MarkOverlay(*board);

    buildStatusBar();
    buildMenus();
    setTabOrder();

    // What the windows opened beside the board must never cover.
    menuBar()->setProperty("keepClear", true);
    board->findChild<QWidget*>("Frame1")->setProperty("keepClear", true);
}

void MainWindow::buildScoreFrame(QWidget* board)
{
    auto* frame = placeFrame(board, "Frame3", twipsRect(120, 120, 6255, 6135), "Points");
    frame->setShapes({
        .lines = {QLine(fromTwips(360), fromTwips(4680), fromTwips(3480), fromTwips(4680)),
                  QLine(fromTwips(360), fromTwips(5280), fromTwips(3480), fromTwips(5280))},
        .rectangles = {twipsRect(3600, 5400, 2535, 615)},
    });

    const QFont sheetFont = sansFont(12);
    for (const SheetRow& row : kSheetRows) {
        auto* label = placeControl<QLabel>(frame, row.label, twipsRect(row.labelLeft, row.top, 1575, 255));
        label->setText(row.caption);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(sansFont(12, row.cell == Cell::Text20 ? QFont::Bold : QFont::Normal));
        if (row.command != 0) {
            // The label lies under its button: hidden, it looks the same and
            // stays out of the way of screen readers.
            label->hide();
            const Button command = button(row.command);
            auto* box = placeControl<QPushButton>(frame, name(command).c_str(),
                                                  twipsRect(row.buttonLeft, row.top, 1095, 375));
            box->setText(row.caption);
            commands_[static_cast<std::size_t>(row.command - 1)] = box;
        }
        QLineEdit* cell = placeCell(frame, row.cell, twipsRect(row.cellLeft, row.top, 1335, 375), sheetFont);
        cells_[static_cast<std::size_t>(number(row.cell) - 1)] = cell;
    }
}

void MainWindow::buildDiceFrame(QWidget* board)
{
    auto* frame = placeFrame(board, "Frame1", twipsRect(6480, 720, 2175, 5055), "Dés");

    auto* go = placeControl<QPushButton>(frame, "Command1", twipsRect(480, 240, 1215, 375));
    go->setText("&Go");
    go->setCursor(appCursor());
    commands_[0] = go;

    constexpr int kCheckWidths[kDieCount] = {1095, 1095, 975, 1095, 855};
    for (int die = 1; die <= kDieCount; ++die) {
        const int step = 840 * (die - 1);
        const std::string dieName = std::to_string(die);
        const auto index = static_cast<std::size_t>(die - 1);

        auto* hold = placeControl<QCheckBox>(frame, ("Check" + dieName).c_str(),
                                             twipsRect(240, 960 + step, kCheckWidths[index], 255));
        hold->setText(QString("Dé %1").arg(die));
        holds_[index] = hold;

        auto* picture = placeControl<PictureBox>(frame, ("Picture" + std::to_string(7 + die)).c_str(),
                                                 twipsRect(1080, 720 + step, 800, 800));
        pictures_[static_cast<std::size_t>(6 + die)] = picture;

        const int cellHeight = die == 3 ? 315 : 285;
        QLineEdit* cell = placeCell(frame, dieCell(die), twipsRect(120, 1200 + step, 855, cellHeight), font());
        cell->hide();
        cells_[index] = cell;
    }
}

void MainWindow::buildCheatFrame(QWidget* board)
{
    auto* frame = placeFrame(board, "Frame4", twipsRect(6480, 120, 2175, 6135), "Triche");
    cheat_ = placeControl<OptionButton>(frame, "Option1", twipsRect(120, 240, 855, 255));
    cheat_->setText("Tricher");
    uncheat_ = placeControl<OptionButton>(frame, "Option2", twipsRect(120, 5760, 1335, 315));
    uncheat_->setText("Ne plus tricher");
    frame->hide();
    cheatPanel_ = frame;
}

void MainWindow::buildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    bar->setFont(sansFont(8.25));
    bar->setFixedSize(fromTwips(8760), fromTwips(255));
    // The panels are placed here rather than by the bar's own layout, whose
    // spacing would not let the six widths fit side by side.
    std::array<int, kPanelCount> widths{};
    std::transform(std::begin(kPanelWidths), std::end(kPanelWidths), widths.begin(), fromTwips);
    const std::vector<QRect> places = panelPlaces(widths, bar->size());
    for (int panel = 1; panel <= kPanelCount; ++panel) {
        auto* label = new StatusPanel(bar);
        label->setObjectName(QString("Panel%1").arg(panel));
        label->setGeometry(places[static_cast<std::size_t>(panel - 1)]);
        panels_[static_cast<std::size_t>(panel - 1)] = label;
    }
    setStatusBar(bar);
}

void MainWindow::setTabOrder()
{
    // Throw first, then the holds, the boxes and the quit button.
    std::vector<QWidget*> order{commands_[0]};
    order.insert(order.end(), holds_.begin(), holds_.end());
    order.insert(order.end(), commands_.begin() + 1, commands_.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    commands_[0]->setFocus();
}

} // namespace daxo
