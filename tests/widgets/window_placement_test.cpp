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

// Where a window goes: on the board's right at its own size and level
// with it, beside the board, lined up with it above or below rather than
// off a corner, or over its edge, the least that can be.
enum class Where { Right, Beside, LinedUp, OverItsEdge };

struct Case {
    const char* window;
    QSize size, smallest;
    QSize screen;
    Where where;
};

// The coach, the analysis, the statistics and a wide bar on the screens
// players have.
TEST(WindowPlacement, BesideTheBoardWhereThereIsRoomNeverOverTheMenuOrTheDice)
{
    const QSize coach(380, 330), coachLeast(320, 300), analysis(720, 600), analysisLeast(560, 420),
        statistics(820, 640), statisticsLeast(640, 480);
    const Case cases[] = {
        {"coach", coach, coachLeast, {1920, 1080}, Where::Right},
        {"coach", coach, coachLeast, {1366, 768}, Where::Beside},
        {"coach", coach, coachLeast, {1280, 800}, Where::Beside},
        {"coach", coach, coachLeast, {1280, 1024}, Where::Beside},
        {"analysis", analysis, analysisLeast, {1920, 1080}, Where::Beside},
        {"analysis", analysis, analysisLeast, {1366, 768}, Where::OverItsEdge},
        {"analysis", analysis, analysisLeast, {1280, 800}, Where::OverItsEdge},
        {"statistics", statistics, statisticsLeast, {1920, 1080}, Where::Beside},
        {"statistics", statistics, statisticsLeast, {1366, 768}, Where::OverItsEdge},
        {"statistics", statistics, statisticsLeast, {1280, 800}, Where::OverItsEdge},
        {"a bar", {340, 90}, {340, 90}, {1280, 800}, Where::LinedUp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " on " + std::to_string(c.screen.width()) + "x" +
                     std::to_string(c.screen.height()));
        const PlacementRequest request = onScreen(c.screen, c.size, c.smallest);
        const QRect place = placeBesideBoard(request);
        SCOPED_TRACE(::testing::PrintToString(place));
        EXPECT_TRUE(request.screen.contains(place));
        for (const QRect& clear : request.keepClear)
            EXPECT_FALSE(place.intersects(clear));
        EXPECT_GE(place.width(), request.smallest.width());
        EXPECT_GE(place.height(), request.smallest.height());
        EXPECT_EQ(overlapOf(place, request.board) == 0, c.where != Where::OverItsEdge);
        EXPECT_TRUE(standsWell(place, request));
        if (c.where == Where::Right) {
            EXPECT_EQ(place, QRect(request.board.topRight() + QPoint(1 + 8, 0), request.preferred));
        }
        if (c.where == Where::LinedUp) {
            EXPECT_EQ(place.left(), request.board.left());
            EXPECT_TRUE(place.bottom() < request.board.top() || place.top() > request.board.bottom());
        }
    }
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
