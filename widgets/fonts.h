#pragma once

#include <QFont>

namespace daxo {

// The sans-serif faces of the layouts, with metric-compatible stand-ins
// where they are missing. Sizes are given in points at 96 dots per inch and
// set in pixels, so that text keeps its place in the fixed layouts whatever
// the desktop's font resolution; Qt's scaling enlarges both alike.
QFont sansFont(double points, QFont::Weight weight = QFont::Normal);  // MS Sans Serif
QFont arialFont(double points, QFont::Weight weight = QFont::Normal); // Arial

} // namespace daxo
