#include "shell/splash_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace daxo {
namespace {

class SplashWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        splash = new SplashWindow([this] { ++proceeded; }, [this] { return now; });
        splash->show();
    }
    void TearDown() override { delete splash.data(); }

    QLabel* label(const char* name) { return splash->findChild<QLabel*>(name); }

    const QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(21, 0, 0));
    QDateTime now = start;
    int proceeded = 0;
    QPointer<SplashWindow> splash;
};

TEST_F(SplashWindowTest, ShowsNameAndVersion)
{
    EXPECT_EQ(splash->objectName(), "Acceuil");
    EXPECT_EQ(label("lblVersion")->text(), "Version 2.0.5");
    EXPECT_EQ(label("lblProductName")->text(), "Daxo");
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    // The labels grow to their texts and stay on the card.
    for (const char* name : {"lblVersion", "lblProductName"}) {
        QLabel* l = label(name);
        EXPECT_GE(l->width(), l->sizeHint().width()) << name;
        EXPECT_TRUE(l->parentWidget()->rect().contains(l->geometry())) << name;
    }
}

TEST_F(SplashWindowTest, ProceedsAtTheFirstTickAfterASecondEvenWhenLate)
{
    splash->Timer1_Timer();
    EXPECT_EQ(proceeded, 0);
    EXPECT_EQ(label("Label1")->text(), "0:00:00");

    now = start.addSecs(2); // the one-second tick never came
    splash->Timer1_Timer();
    EXPECT_EQ(label("Label1")->text(), "0:00:02");
    EXPECT_EQ(proceeded, 1);
    EXPECT_FALSE(splash->isVisible());
    splash->Timer1_Timer();
    EXPECT_EQ(proceeded, 1);
}

TEST_F(SplashWindowTest, ReadsTheClockInWholeSeconds)
{
    // Loaded late in a second, ticked a little short of a second later:
    // the seconds read on the clock have changed, so it proceeds.
    delete splash.data();
    now = start.addMSecs(900);
    splash = new SplashWindow([this] { ++proceeded; }, [this] { return now; });
    now = start.addMSecs(1850);
    splash->Timer1_Timer();
    EXPECT_EQ(label("Label1")->text(), "0:00:01");
    EXPECT_EQ(proceeded, 1);
}

struct KeyPress {
    Qt::Key key;
    bool proceeds;
};

class SplashKeys : public SplashWindowTest, public ::testing::WithParamInterface<KeyPress> {};

TEST_P(SplashKeys, OnlyKeysThatTypeACharacterProceed)
{
    QTest::keyClick(splash, GetParam().key);
    EXPECT_EQ(proceeded, GetParam().proceeds ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, SplashKeys, ::testing::Values(
    KeyPress{Qt::Key_Return, true}, KeyPress{Qt::Key_Escape, true}, KeyPress{Qt::Key_Space, true},
    KeyPress{Qt::Key_A, true}, KeyPress{Qt::Key_Left, false}, KeyPress{Qt::Key_F5, false},
    KeyPress{Qt::Key_Shift, false}));

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
