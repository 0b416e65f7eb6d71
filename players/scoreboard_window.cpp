#include "scoreboard_window.h"

#include "chances_source.h"
#include "scoreboard.h"
#include "scoreboard_sheet.h"
#include "seating.h"
#include "table_texts.h"
#include "solver/game_analysis.h"
#include "table/table.h"
#include "widgets/box_names.h"
#include "widgets/figure_table.h"
#include "widgets/fonts.h"
#include "widgets/player_messages.h"
#include "widgets/printer_port.h"
#include "widgets/sheet_printing.h"
#include "widgets/strategy_source.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace daxo {
namespace {

// A long name heads its column on two lines, broken at the space nearest
// its middle.
QStringList columnHead(const QString& name)
{
    int best = -1;
    for (int at = static_cast<int>(name.indexOf(' ')); at >= 0; at = static_cast<int>(name.indexOf(' ', at + 1))) {
        if (best < 0 || std::abs(at - name.size() / 2) < std::abs(best - name.size() / 2))
            best = at;
    }
    if (name.size() <= 12 || best < 0)
        return {name};
    return {name.left(best), name.mid(best + 1)};
}

// Room around a figure in its cell, and around a head.
constexpr int kCellMargin = 4;

// The role of a chance of winning's share, from 0 to 1, for its bar.
constexpr int kChanceRole = Qt::UserRole;

// A chance of winning drawn as a bar under its figure, as long as the
// share of the cell's width.
class ChanceBars final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (const QVariant share = index.data(kChanceRole); share.isValid()) {
            QRect bar = option.rect.adjusted(1, 2, -1, -2);
            bar.setWidth(static_cast<int>(bar.width() * std::clamp(share.toDouble(), 0.0, 1.0)));
            QColor colour = option.palette.color(QPalette::Highlight);
            colour.setAlpha(80);
            painter->fillRect(bar, colour);
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

ScoreboardWindow::ScoreboardWindow(QWidget& board, Game& game, Seating& seating, StrategySource& strategies,
                                   ChancesSource& chances, PrinterPort& printers, PlayerMessages& messages)
    : SecondaryWindow(board, "Marque", QSize(420, 470), QSize(260, 300), Keyboard::Leaves)
    , game_(game)
    , seating_(seating)
    , strategies_(strategies)
    , chances_(chances)
    , printers_(printers)
    , messages_(messages)
{
    setWindowTitle("Tableau des scores");
    setFont(sansFont(8.25));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel;
    heading_->setObjectName("Tour");
    heading_->setWordWrap(true);
    layout->addWidget(heading_);
    table_ = newFigureTable("Feuilles", 1);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    // Every column is fitted into the width the window has: nothing to
    // scroll to.
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->viewport()->installEventFilter(this);
    table_->setItemDelegate(new ChanceBars(table_));
    layout->addWidget(table_, 1);
    connect(&chances_, &ChancesSource::ready, this, &ScoreboardWindow::render);
    auto* print = new QPushButton("&Imprimer");
    print->setObjectName("Imprimer");
    connect(print, &QPushButton::clicked, this, &ScoreboardWindow::print);
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, &ScoreboardWindow::print);
    addButtonRow(*layout, {print});

    game_.addListener(*this);
    connect(&seating_, &Seating::tableChanged, this, &ScoreboardWindow::render);
    connect(&seating_, &Seating::passed, this, &ScoreboardWindow::render);
    connect(&seating_, &Seating::ended, this, &ScoreboardWindow::render);
    connect(&strategies_, &StrategySource::ready, this, &ScoreboardWindow::render);
    render();
}

ScoreboardWindow::~ScoreboardWindow() { game_.removeListener(*this); }

void ScoreboardWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    strategies_.request(); // for the expected finals
    render();
}

void ScoreboardWindow::recordChanged(const GameRecord&)
{
    if (isVisible())
        render();
}

void ScoreboardWindow::retranslate() { render(); }

Scoreboard ScoreboardWindow::scoreboard() const
{
    const Table* table = seating_.table();
    std::vector<GameRecord> records;
    int inPlay = 0;
    if (table) {
        for (int seat = 0; seat < static_cast<int>(seating_.seats().size()); ++seat)
            records.push_back(table->recordOf(seat));
        inPlay = table->over() ? -1 : table->seatInPlay();
    } else {
        records.push_back(game_.record());
        inPlay = summarize(game_.record()).finished() ? -1 : 0;
    }
    const TableTexts texts(game_.languageCode());
    return scoreboardOf(seating_.seats(), records, inPlay, game_.record().start().game, strategies_.strategy(),
                        {chances_.chances(), chances_.working()}, texts);
}

bool ScoreboardWindow::chancesComing() const { return chances_.working(); }

void ScoreboardWindow::render()
{
    if (isVisible())
        chances_.request();
    const Scoreboard board = scoreboard();
    const TableTexts texts(game_.languageCode());
    heading_->setText(board.heading);
    table_->setColumnCount(static_cast<int>(board.players.size()));
    heads_.clear();
    for (int column = 0; column < board.players.size(); ++column) {
        const bool inPlay = column == board.inPlay;
        const QString& name = board.players[column];
        heads_ << (inPlay ? QString::fromUtf8("▶ ") + name : name);
        auto* header = new QTableWidgetItem;
        header->setToolTip(name);
        header->setData(Qt::AccessibleTextRole, inPlay ? texts.turnOf(name) : name);
        table_->setHorizontalHeaderItem(column, header);
    }
    std::vector<int> right(static_cast<std::size_t>(board.players.size()));
    std::iota(right.begin(), right.end(), 0);
    setRows(*table_, board.rowHeads, board.rows, right);
    for (int row = 0; row < table_->rowCount(); ++row)
        table_->verticalHeaderItem(row)->setToolTip(board.rowTips.value(row));
    for (int column = 0; board.chanceRow >= 0 && column < table_->columnCount(); ++column) {
        QTableWidgetItem* item = table_->item(board.chanceRow, column);
        const bool known = column < static_cast<int>(board.chances.size());
        item->setData(kChanceRole, known ? QVariant(board.chances[static_cast<std::size_t>(column)]) : QVariant());
        item->setToolTip(board.chanceTips.value(column));
        item->setData(Qt::AccessibleTextRole, known ? board.chanceTips.value(column) : QVariant());
    }
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            if (QTableWidgetItem* item = table_->item(row, column)) {
                QFont font = item->font();
                font.setBold(column == board.inPlay);
                item->setFont(font);
            }
        }
    }
    table_->setAccessibleName(windowTitle());
    fitColumns();
}

// Every player's column whole in the width the window has, and never less
// than its figures need: a name too long for it is cut short with an
// ellipsis, whole in its tooltip and for screen readers. So six players
// stand beside the board on a small screen, with nothing to scroll to.
void ScoreboardWindow::fitColumns()
{
    const int columns = table_->columnCount();
    if (columns == 0)
        return;
    // As wide as the widest figure a sheet can show, in bold for the
    // player in play: an expected final of three digits and a decimal.
    QFont bold = table_->font();
    bold.setBold(true);
    const TableTexts texts(game_.languageCode());
    const int least = QFontMetrics(bold).horizontalAdvance(texts.points(888.8)) + 2 * kCellMargin;
    const int width = std::max(least, table_->viewport()->width() / columns);
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics heads(header->font());
    for (int column = 0; column < columns; ++column) {
        header->resizeSection(column, width);
        QStringList lines = columnHead(heads_.value(column));
        for (QString& line : lines)
            line = heads.elidedText(line, Qt::ElideRight, width - 2 * kCellMargin);
        table_->horizontalHeaderItem(column)->setText(lines.join('\n'));
    }
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumSize(table_->verticalHeader()->sizeHint().width() + columns * least + frame,
                           header->sizeHint().height() + table_->rowCount() * table_->verticalHeader()->defaultSectionSize() +
                               frame);
}

bool ScoreboardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return SecondaryWindow::eventFilter(watched, event);
}

void ScoreboardWindow::print()
{
    ScoreboardSheet sheet(windowTitle(), scoreboard());
    const std::unique_ptr<QPrinter> printer = printers_.choosePrinter(this, windowTitle());
    if (printer && !printSheet(sheet, *printer))
        messages_.inform(windowTitle(), TableTexts(game_.languageCode()).printFailed());
}

} // namespace daxo
