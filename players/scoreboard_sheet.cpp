#include "scoreboard_sheet.h"

#include "scoreboard.h"
#include "widgets/fonts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace daxo {
namespace {

QLabel* cell(const QString& text, bool bold, Qt::Alignment alignment)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Box);
    label->setMargin(3);
    return label;
}

} // namespace

ScoreboardSheet::ScoreboardSheet(const QString& title, const Scoreboard& scoreboard)
{
    setFont(sansFont(10));
    setAttribute(Qt::WA_DontShowOnScreen);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, Qt::white));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title);
    QFont big = heading->font();
    big.setPointSizeF(14);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(scoreboard.heading));

    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    for (int column = 0; column < scoreboard.players.size(); ++column)
        grid->addWidget(cell(scoreboard.players[column], true, Qt::AlignHCenter), 0, column + 1);
    for (int row = 0; row < scoreboard.rowHeads.size(); ++row) {
        grid->addWidget(cell(scoreboard.rowHeads[row], true, Qt::AlignLeft), row + 1, 0);
        const QStringList& cells = scoreboard.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < cells.size(); ++column)
            grid->addWidget(cell(cells[column], column == scoreboard.inPlay, Qt::AlignRight), row + 1, column + 1);
    }
    layout->addLayout(grid);
    layout->addStretch();
    adjustSize();
}

} // namespace daxo
