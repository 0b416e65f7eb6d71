#include "figure_table.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace daxo {

QTableWidget* newFigureTable(const char* name, int columns)
{
    auto* table = new QTableWidget(0, columns);
    table->setObjectName(QString::fromUtf8(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRows(QTableWidget& table, const QStringList& headers, const std::vector<QStringList>& rows,
             const std::vector<int>& alignedRight)
{
    table.setRowCount(static_cast<int>(rows.size()));
    table.setVerticalHeaderLabels(headers);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const QStringList& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < cells.size() && column < table.columnCount(); ++column) {
            QTableWidgetItem* item = table.item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                table.setItem(row, column, item);
            }
            item->setText(cells[column]);
            const bool right = std::ranges::find(alignedRight, column) != alignedRight.end();
            item->setTextAlignment(right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

QString percentFigure(const QLocale& locale, double share)
{
    const double tenths = std::round(1000 * share);
    return locale.toString(tenths / 10, 'f', tenths == 1000 ? 0 : 1);
}

} // namespace daxo
