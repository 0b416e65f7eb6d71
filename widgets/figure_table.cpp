#include "figure_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace daxo {

QTableWidget* newFigureTable(const char* name, int rows, int columns)
{
    auto* table = new QTableWidget(rows, columns);
    table->setObjectName(QString::fromUtf8(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace daxo
