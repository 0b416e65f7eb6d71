#pragma once

#include <QLocale>
#include <QStringList>

#include <vector>

class QTableWidget;

namespace daxo {

// A table of figures to read, not to edit: named `name`, whole rows
// selected, rows as high as the font wants and columns as wide as their
// contents, the last one taking what is left. It is one stop of the Tab
// key, the arrow keys moving within it, and a screen reader hears each cell
// with its column's header and its row's, the row headers being set with
// setRows.
QTableWidget* newFigureTable(const char* name, int columns);

// Fills the table with `rows`, each headed by its entry of `headers`, the
// cells of `alignedRight` columns to the right. Cells already there are
// written again in place, so that a table shown keeps its place and what
// the keyboard had chosen in it.
void setRows(QTableWidget& table, const QStringList& headers, const std::vector<QStringList>& rows,
             const std::vector<int>& alignedRight = {});

// A share as the tables show it, in per cent with one decimal: "48,2" in
// French; all of it needs no decimal, and is then no wider than the others.
QString percentFigure(const QLocale& locale, double share);

} // namespace daxo
