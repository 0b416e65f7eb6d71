#include "window_placement.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <tuple>

namespace daxo {
namespace {

// Between the window and what it stands beside.
constexpr int kGap = 8;

qint64 area(const QRect& rect) { return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height(); }

qint64 overlap(const QRect& a, const QRect& b) { return area(a.intersected(b)); }

// Where a place lies against the board: beside it on the right, on the
// left, below, above, off a corner, or over it; the earlier the better.
int sideOf(const QRect& place, const QRect& board)
{
    const bool level = place.top() <= board.bottom() && place.bottom() >= board.top();
    const bool inLine = place.left() <= board.right() && place.right() >= board.left();
    if (level && place.left() > board.right())
        return 0;
    if (level && place.right() < board.left())
        return 1;
    if (inLine && place.top() > board.bottom())
        return 2;
    if (inLine && place.bottom() < board.top())
        return 3;
    return board.intersects(place) ? 5 : 4;
}

// How far a place beside the board strays from standing next to it, a gap
// away and lined up with it.
int straying(const QRect& place, const QRect& board)
{
    switch (sideOf(place, board)) {
    case 0:
        return std::abs(place.top() - board.top()) + std::abs(place.left() - (board.right() + 1 + kGap));
    case 1:
        return std::abs(place.top() - board.top()) + std::abs(place.right() - (board.left() - 1 - kGap));
    case 2:
        return std::abs(place.left() - board.left()) + std::abs(place.top() - (board.bottom() + 1 + kGap));
    case 3:
        return std::abs(place.left() - board.left()) + std::abs(place.bottom() - (board.top() - 1 - kGap));
    default:
        return 0;
    }
}

// What makes one place better than another, the least first: what it
// covers of what must stay clear, then of the board, then of the other
// windows, then the larger window, then the side, then the lining up.
using Cost = std::tuple<qint64, qint64, qint64, qint64, int, int>;

Cost costOf(const QRect& place, const PlacementRequest& request)
{
    qint64 covered = 0;
    for (const QRect& clear : request.keepClear)
        covered += overlap(place, clear);
    // Touching the board counts as covering it: a window beside it keeps a
    // gap, if it must be a little smaller for it.
    const QRect spaced = request.board.adjusted(-kGap, -kGap, kGap, kGap);
    qint64 hidden = 0;
    for (const QRect& other : request.others)
        hidden += overlap(place, other);
    return {covered, overlap(place, spaced), hidden, -area(place), sideOf(place, request.board),
            straying(place, request.board)};
}

// The lengths worth trying between the smallest and the preferred: both
// ends, and each that just reaches an edge of the board or of what is to
// be kept clear from an edge of the screen.
std::set<int> lengths(int smallest, int preferred, int room, const std::vector<int>& reaches)
{
    const int most = std::min(preferred, room);
    const int least = std::min(smallest, most);
    std::set<int> tried{least, most};
    for (const int reach : reaches) {
        if (reach >= least && reach <= most)
            tried.insert(reach);
    }
    return tried;
}

} // namespace

QRect placeBesideBoard(const PlacementRequest& request)
{
    const QRect& screen = request.screen;
    const QRect& board = request.board;
    std::vector<QRect> edges{board};
    edges.insert(edges.end(), request.keepClear.begin(), request.keepClear.end());
    edges.insert(edges.end(), request.others.begin(), request.others.end());

    std::vector<int> widthReaches, heightReaches;
    for (const QRect& edge : edges) {
        widthReaches.push_back(screen.right() - edge.right() - kGap);
        widthReaches.push_back(edge.left() - kGap - screen.left());
        heightReaches.push_back(screen.bottom() - edge.bottom() - kGap);
        heightReaches.push_back(edge.top() - kGap - screen.top());
    }

    QRect best;
    Cost bestCost{};
    for (const int width : lengths(request.smallest.width(), request.preferred.width(), screen.width(), widthReaches)) {
        for (const int height :
             lengths(request.smallest.height(), request.preferred.height(), screen.height(), heightReaches)) {
            std::set<int> xs{screen.left(), screen.right() + 1 - width};
            std::set<int> ys{screen.top(), screen.bottom() + 1 - height};
            for (const QRect& edge : edges) {
                xs.insert({edge.right() + 1 + kGap, edge.left() - kGap - width, edge.left()});
                ys.insert({edge.bottom() + 1 + kGap, edge.top() - kGap - height, edge.top()});
            }
            for (const int x : xs) {
                for (const int y : ys) {
                    const QRect place(x, y, width, height);
                    if (!screen.contains(place))
                        continue;
                    const Cost cost = costOf(place, request);
                    if (best.isNull() || cost < bestCost) {
                        best = place;
                        bestCost = cost;
                    }
                }
            }
        }
    }
    return best.isNull() ? QRect(screen.topLeft(), request.preferred) : best;
}

bool standsWell(const QRect& frame, const PlacementRequest& request)
{
    if (!request.screen.contains(frame))
        return false;
    for (const QRect& clear : request.keepClear) {
        if (frame.intersects(clear))
            return false;
    }
    const QRect spaced = request.board.adjusted(-kGap, -kGap, kGap, kGap);
    return overlap(frame, spaced) <= overlap(placeBesideBoard(request), spaced);
}

} // namespace daxo
