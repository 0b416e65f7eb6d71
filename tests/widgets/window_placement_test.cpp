#include "widgets/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}
QT_END_NAMESPACE

namespace daxo {
namespace {

// The board as a window manager frames it, centred on the screen: its
// client 584 by 463 under a title bar of 24 and borders of 1, its menu bar
// across the top, its dice column at the right.
PlacementRequest onScreen(QSize screen, QSize window, QSize smallest)
{
    const QMargins frame(1, 24, 1, 1);
    const QSize board = QSize(584, 463).grownBy(frame);
    const QRect boardFrame(QPoint((screen.width() - board.width()) / 2, (screen.height() - board.height()) / 2), board);
    const QPoint client = boardFrame.topLeft() + QPoint(frame.left(), frame.top());
    return {.screen = QRect(QPoint(0, 0), screen),
            .board = boardFrame,
            .keepClear = {QRect(client, QSize(584, 19)), QRect(client + QPoint(432, 19 + 48), QSize(145, 337))},
            .others = {},
            .preferred = window.grownBy(frame),
            .smallest = smallest.grownBy(frame)};
}

qint64 overlapOf(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

struct Case {
    const char* window;
    QSize size, smallest;
    QSize screen;
    bool besideTheBoard; // else over its edge, the least that can be
};

// The coach, the analysis and the statistics on the screens players have.
TEST(WindowPlacement, BesideTheBoardWhereThereIsRoomNeverOverTheMenuOrTheDice)
{
    const QSize coach(380, 330), coachLeast(320, 300), analysis(720, 600), analysisLeast(560, 420),
        statistics(820, 640), statisticsLeast(640, 480);
    const Case cases[] = {
        {"coach", coach, coachLeast, {1920, 1080}, true},
        {"coach", coach, coachLeast, {1366, 768}, true},
        {"coach", coach, coachLeast, {1280, 800}, true},
        {"coach", coach, coachLeast, {1280, 1024}, true},
        {"analysis", analysis, analysisLeast, {1920, 1080}, true},
        {"analysis", analysis, analysisLeast, {1366, 768}, false},
        {"analysis", analysis, analysisLeast, {1280, 800}, false},
        {"statistics", statistics, statisticsLeast, {1920, 1080}, true},
        {"statistics", statistics, statisticsLeast, {1366, 768}, false},
        {"statistics", statistics, statisticsLeast, {1280, 800}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " on " + std::to_string(c.screen.width()) + "x" +
                     std::to_string(c.screen.height()));
        const PlacementRequest request = onScreen(c.screen, c.size, c.smallest);
        const QRect place = placeBesideBoard(request);
        EXPECT_TRUE(request.screen.contains(place)) << ::testing::PrintToString(place);
        for (const QRect& clear : request.keepClear)
            EXPECT_FALSE(place.intersects(clear)) << ::testing::PrintToString(place);
        EXPECT_GE(place.width(), request.smallest.width());
        EXPECT_GE(place.height(), request.smallest.height());
        EXPECT_EQ(overlapOf(place, request.board) == 0, c.besideTheBoard) << ::testing::PrintToString(place);
        EXPECT_TRUE(standsWell(place, request));
    }
}

// Where it fits whole, the window keeps its own size, on the board's right
// and level with it.
TEST(WindowPlacement, OnTheRightAtItsOwnSizeWhenItFits)
{
    const PlacementRequest request = onScreen({1920, 1080}, {380, 330}, {320, 300});
    const QRect place = placeBesideBoard(request);
    EXPECT_EQ(place.size(), request.preferred);
    EXPECT_EQ(place.left(), request.board.right() + 1 + 8);
    EXPECT_EQ(place.top(), request.board.top());
}

// A second window keeps clear of the first where it can.
TEST(WindowPlacement, BesideTheOtherWindowsWhereItCan)
{
    PlacementRequest request = onScreen({1920, 1080}, {400, 130}, {400, 130});
    const QRect coach = placeBesideBoard(onScreen({1920, 1080}, {380, 330}, {320, 300}));
    request.others = {coach};
    const QRect place = placeBesideBoard(request);
    EXPECT_FALSE(place.intersects(coach)) << ::testing::PrintToString(place);
    EXPECT_FALSE(place.intersects(request.board.adjusted(-8, -8, 8, 8))) << ::testing::PrintToString(place);
}

// Above the board's corner is not beside it: a window too wide for the
// room on the right goes above or below, lined up with the board.
TEST(WindowPlacement, LinedUpWithTheBoardRatherThanOffACorner)
{
    const PlacementRequest request = onScreen({1280, 800}, {340, 90}, {340, 90});
    const QRect place = placeBesideBoard(request);
    EXPECT_EQ(place.left(), request.board.left()) << ::testing::PrintToString(place);
    EXPECT_TRUE(place.bottom() < request.board.top() || place.top() > request.board.bottom());
}

// A place saved on a wider screen is no place on a narrow one, nor one over
// the menu bar; a place beside the board is.
TEST(WindowPlacement, APlaceSavedElsewhereMayNotStandHere)
{
    const PlacementRequest narrow = onScreen({1280, 800}, {380, 330}, {320, 300});
    const QRect savedOnAWideScreen(1500, 100, 382, 355);
    const QRect overTheMenu(0, narrow.board.top(), 382, 355);
    EXPECT_FALSE(standsWell(savedOnAWideScreen, narrow));
    EXPECT_FALSE(standsWell(overTheMenu, narrow));
    EXPECT_TRUE(standsWell(placeBesideBoard(narrow), narrow));
    EXPECT_FALSE(standsWell(QRect(narrow.board.topLeft() + QPoint(0, 40), QSize(322, 325)), narrow))
        << "over the board where a place beside it would do";
}

} // namespace
} // namespace daxo
