#pragma once

class QTableWidget;

namespace daxo {

// A table of figures to read, not to edit: named `name`, whole rows
// selected, no row numbers, rows as high as the font wants and columns as
// wide as their contents, the last one taking what is left.
QTableWidget* newFigureTable(const char* name, int rows, int columns);

} // namespace daxo
