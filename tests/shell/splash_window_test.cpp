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

TEST_F(SplashWindowTest, ProceedsAtTheFirstTickAfterASecondOnTheClock)
{
    EXPECT_EQ(splash->findChild<QTimer*>()->interval(), 1000);
    now = start.addMSecs(50);
    splash->Timer1_Timer();
    EXPECT_EQ((std::pair{proceeded, label("Label1")->text()}), (std::pair{0, QString("0:00:00")}));
    // Short of a full second later, but the clock's second has changed.
    now = start.addMSecs(950);
    splash->Timer1_Timer();
    EXPECT_EQ((std::pair{proceeded, label("Label1")->text()}), (std::pair{1, QString("0:00:01")}));
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(SplashWindowTest, ALateTickProceedsToo)
{
    now = start.addSecs(2); // the one-second tick never came
    splash->Timer1_Timer();
    EXPECT_EQ(proceeded, 1);
    splash->Timer1_Timer();
    EXPECT_EQ(proceeded, 1) << "once only";
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
