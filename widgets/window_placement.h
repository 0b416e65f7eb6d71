#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <vector>

namespace daxo {

// Where a window of the board goes on the screen, all in screen
// coordinates and frames (title bar and borders included).
struct PlacementRequest {
    QRect screen;                 // the screen's room, without its panels
    QRect board;                  // the board's frame
    std::vector<QRect> keepClear; // never covered: the menu bar, the dice
    std::vector<QRect> others;    // the board's other windows, best left clear
    QSize preferred;              // the window's frame at its own size
    QSize smallest;               // and the least it can be shrunk to
};

// Beside, below or above the board where the screen has room for the
// window at a size it takes, on the right first; where it has none, against
// the edge of the screen where it covers the least of the board, shrunk
// within its smallest size if that helps, and never over what is to be kept
// clear (short of a screen too small for both, where it covers the least of
// that too). Of places alike it takes the one over the least of the board's
// other windows. The frame it is given.
QRect placeBesideBoard(const PlacementRequest& request);

// Whether a window's frame stands well where it is: wholly on the screen,
// over nothing to be kept clear, and over the board only where no place
// beside it would do. A place the player chose on another screen may not.
bool standsWell(const QRect& frame, const PlacementRequest& request);

} // namespace daxo
