#include "sheets.h"

#include "game/game.h"
#include "game/rules_texts.h"
#include "widgets/controls.h"
#include "widgets/etched_frame.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace daxo {
namespace {

void paintWhite(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QLabel* placeLabel(QWidget* parent, const char* name, QRect geometry, const char* caption, const QFont& font)
{
    auto* label = placeControl<QLabel>(parent, name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(caption));
    label->setFont(font);
    return label;
}

// Where the score grid lies on a sheet, in twips: the rows' label and cell
// columns on either side, the top of the first row (the rows are 720 apart,
// the number rows then the subtotal and the bonus), and the total's place.
struct GridPlaces {
    int leftLabel;
    int leftCell;
    int rightLabel;
    int rightCell;
    int firstTop;
    QPoint totalLabel;
    QPoint totalCell;
};

// The score grid of the board, as labels and empty cells. Returns the cells
// by cell number.
std::array<QLineEdit*, kCellCount> placeScoreGrid(QWidget* parent, const GridPlaces& at)
{
    struct Row {
        const char* label;
        const char* caption;
        Cell cell;
    };
    constexpr Row kLeft[] = {
        {"Label2", "1", Cell::Text6},  {"Label3", "2", Cell::Text7},          {"Label4", "3", Cell::Text8},
        {"Label5", "4", Cell::Text9},  {"Label6", "5", Cell::Text10},         {"Label7", "6", Cell::Text11},
        {"Label8", "Sous Total", Cell::Text12}, {"Label9", "Bonus", Cell::Text13},
    };
    constexpr Row kRight[] = {
        {"Label12", "Full", Cell::Text14}, {"Label10", "Suite", Cell::Text15}, {"Label11", "Carré", Cell::Text16},
        {"Label13", "Daxo", Cell::Text17}, {"Label14", "+", Cell::Text18},     {"Label15", "-", Cell::Text19},
    };

    const QFont font = sansFont(12);
    std::array<QLineEdit*, kCellCount> cells{};
    auto placeRow = [&](const Row& row, QPoint label, QPoint cell, const QFont& labelFont) {
        placeLabel(parent, row.label, twipsRect(label.x(), label.y(), 1575, 255), row.caption, labelFont)
            ->setAlignment(Qt::AlignCenter);
        auto* edit = placeControl<QLineEdit>(parent, name(row.cell).c_str(), twipsRect(cell.x(), cell.y(), 1335, 375));
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFont(font);
        cells[static_cast<std::size_t>(number(row.cell) - 1)] = edit;
    };
    for (int i = 0; i < 8; ++i) {
        const int top = at.firstTop + 720 * i;
        placeRow(kLeft[i], {at.leftLabel, top}, {at.leftCell, top}, font);
    }
    for (int i = 0; i < 6; ++i) {
        const int top = at.firstTop + 720 * i;
        placeRow(kRight[i], {at.rightLabel, top}, {at.rightCell, top}, font);
    }
    placeRow({"Label16", "Total", Cell::Text20}, at.totalLabel, at.totalCell, sansFont(12, QFont::Bold));
    return cells;
}

} // namespace

Sheet::Sheet(QWidget& board, const char* name, const char* caption, QSize clientSize)
    : QWidget(&board, Qt::Window)
{
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QString::fromUtf8(caption));
    setFixedSize(clientSize);
    setFont(sansFont(8.25));
    paintWhite(*this);
}

void Sheet::setShapes(Shapes shapes)
{
    shapes_ = std::move(shapes);
    update();
}

void Sheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    shapes_.paint(painter);
}

BlankSheet::BlankSheet(QWidget& board)
    : Sheet(board, "printPoints", "Points", twipsRect(0, 0, 7155, 6165).size())
{
    auto* frame = placeControl<EtchedFrame>(this, "Frame3", twipsRect(0, 0, 7095, 6135));
    frame->setTitle("Points");
    paintWhite(*frame);
    frame->setShapes({
        .lines = {QLine(fromTwips(360), fromTwips(4680), fromTwips(3480), fromTwips(4680)),
                  QLine(fromTwips(360), fromTwips(5280), fromTwips(3480), fromTwips(5280))},
        .rectangles = {twipsRect(4320, 4800, 2535, 615)},
    });
    placeScoreGrid(frame, {360, 1920, 3240, 4680, 480, {3960, 4920}, {5400, 4920}});

    const QFont hintFont = sansFont(9.75);
    placeLabel(frame, "Label20", twipsRect(3360, 5640, 3375, 375), "Si S.Total > ou = à 60 alors 30 points", hintFont);
    placeLabel(frame, "Label1", twipsRect(6120, 600, 855, 375), "20 points", hintFont);
    placeLabel(frame, "Label17", twipsRect(6120, 1320, 855, 375), "30 points", hintFont);
    placeLabel(frame, "Label18", twipsRect(6120, 2040, 855, 375), "40 points", hintFont);
    placeLabel(frame, "Label19", twipsRect(6120, 2760, 855, 375), "50 points", hintFont);
}

RulesSheet::RulesSheet(QWidget& board)
    : Sheet(board, "PrintRegle", "Règles", twipsRect(0, 0, 8415, 6540).size())
{
    setShapes({.lines = {QLine(fromTwips(120), fromTwips(720), fromTwips(8040), fromTwips(720)),
                         QLine(fromTwips(120), fromTwips(2760), fromTwips(8040), fromTwips(2760))}});
    const QRect places[] = {twipsRect(0, 0, 7935, 615), twipsRect(120, 840, 7815, 1815),
                            twipsRect(120, 2880, 7815, 3375)};
    for (std::size_t i = 0; i < kFrenchRules.size(); ++i) {
        const std::string labelName = "Label" + std::to_string(i + 1);
        placeLabel(this, labelName.c_str(), places[i], kFrenchRules[i], sansFont(12))->setWordWrap(true);
    }
}

PlayerSheet::PlayerSheet(QWidget& board, Game& game)
    : Sheet(board, "PrintVosPoints", "Vos Points", twipsRect(0, 0, 6240, 6165).size())
    , game_(game)
{
    setShapes({
        .lines = {QLine(fromTwips(120), fromTwips(4560), fromTwips(3240), fromTwips(4560)),
                  QLine(fromTwips(120), fromTwips(5160), fromTwips(3240), fromTwips(5160))},
        .rectangles = {twipsRect(3360, 5280, 2535, 615)},
    });
    cells_ = placeScoreGrid(this, {120, 1680, 3000, 4440, 360, {3000, 5400}, {4440, 5400}});
    for (int n = number(Cell::Text6); n <= number(Cell::Text20); ++n)
        playerSheetChanged(cell(n), game_.playerSheetText(cell(n)));
    game_.addListener(*this);
}

PlayerSheet::~PlayerSheet() { game_.removeListener(*this); }

void PlayerSheet::playerSheetChanged(Cell c, const std::string& text)
{
    cells_[static_cast<std::size_t>(number(c) - 1)]->setText(QString::fromStdString(text));
}

PrintSheets::PrintSheets(QWidget& board, Game& game)
    : blank_([&board] { return new BlankSheet(board); })
    , rules_([&board] { return new RulesSheet(board); })
    , player_([&board, &game] { return new PlayerSheet(board, game); })
{
}

Sheet& PrintSheets::blankSheet() { return blank_.get(); }

Sheet& PrintSheets::rulesSheet() { return rules_.get(); }

Sheet& PrintSheets::playerSheet() { return player_.get(); }

PlayerSheet* PrintSheets::findPlayerSheet() const { return player_.find(); }

} // namespace daxo
