#include "shell/splash_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace daxo {
namespace {

class SplashWindowTest : public ::testing::Test {
protected:
    SplashWindowTest() { splash->show(); }
    ~SplashWindowTest() override { delete splash.data(); }

    QLabel* label(const char* name) { return splash->findChild<QLabel*>(name); }

    // Loaded late in a second, as on any start.
    const QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(21, 0, 0)).addMSecs(900);
    QDateTime now = start;
    int proceeded = 0;
    QPointer<SplashWindow> splash = new SplashWindow([this] { ++proceeded; }, [this] { return now; });
};

TEST_F(SplashWindowTest, ShowsNameAndVersionOnTheCard)
{
    EXPECT_EQ(label("lblVersion")->text(), "Version 2.0.5");
    EXPECT_EQ(label("lblProductName")->text(), "Daxo");
    for (const char* name : {"lblVersion", "lblProductName"}) { // grown to their texts, on the card
        EXPECT_GE(label(name)->width(), label(name)->sizeHint().width()) << name;
        EXPECT_TRUE(label(name)->parentWidget()->rect().contains(label(name)->geometry())) << name;
    }
}

// The splash proceeds at the first tick once the clock's second has changed,
// even short of a full second or long after, and once only.
TEST_F(SplashWindowTest, ProceedsAtTheFirstTickAfterASecondOnTheClock)
{
    EXPECT_EQ(splash->findChild<QTimer*>()->interval(), 1000);
    const std::tuple<int, int, const char*> ticks[] = {
        {50, 0, "0:00:00"}, {950, 1, "0:00:01"}, {2000, 1, "0:00:02"}}; // ms after the start, proceeded, clock
    for (const auto& [after, times, clock] : ticks) {
        now = start.addMSecs(after);
        splash->Timer1_Timer();
        EXPECT_EQ((std::pair{proceeded, label("Label1")->text()}), (std::pair{times, QString(clock)})) << after;
    }
    EXPECT_FALSE(splash->isVisible());
    QDateTime lateNow = start;
    SplashWindow late([this] { ++proceeded; }, [&] { return lateNow; });
    lateNow = start.addSecs(2); // its one-second tick never came
    late.Timer1_Timer();
    EXPECT_EQ(proceeded, 2);
}

class SplashKeys : public SplashWindowTest, public ::testing::WithParamInterface<std::pair<Qt::Key, int>> {};

TEST_P(SplashKeys, OnlyKeysThatTypeACharacterProceed)
{
    QTest::keyClick(splash, GetParam().first);
    EXPECT_EQ(proceeded, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Keys, SplashKeys, ::testing::Values(
    std::pair{Qt::Key_Return, 1}, std::pair{Qt::Key_Escape, 1}, std::pair{Qt::Key_Space, 1},
    std::pair{Qt::Key_A, 1}, std::pair{Qt::Key_Left, 0}, std::pair{Qt::Key_F5, 0}, std::pair{Qt::Key_Shift, 0}));

TEST_F(SplashWindowTest, ProceedsOnAClickOnTheFreeSurfaceOfTheCard)
{
    for (const char* name : {"imgLogo", "lblProductName", "lblVersion"})
        QTest::mouseClick(splash->findChild<QWidget*>(name), Qt::LeftButton);
    EXPECT_EQ(proceeded, 0);
    QTest::mouseClick(splash->findChild<QWidget*>("Frame1"), Qt::LeftButton, {}, QPoint(380, 20));
    EXPECT_EQ(proceeded, 1);
}

} // namespace
} // namespace daxo
