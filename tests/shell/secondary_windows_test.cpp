#include "shell/about_window.h"
#include "shell/rules_texts.h"
#include "shell/rules_window.h"
#include "support/board_fixture.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>

namespace daxo {
namespace {

using SecondaryWindows = test::BoardFixture;

template <typename Window>
int countOf()
{
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets())
        count += qobject_cast<Window*>(widget) != nullptr;
    return count;
}

TEST_F(SecondaryWindows, EachOpensOnceAboveTheBoardWithoutBlockingIt)
{
    window.show();
    for (int i = 0; i < 3; ++i) {
        find<QAction>("apropos")->trigger();
        find<QAction>("regle")->trigger();
    }
    EXPECT_EQ(countOf<AboutWindow>(), 1);
    EXPECT_EQ(countOf<RulesWindow>(), 1);
    for (QWidget* secondary : {static_cast<QWidget*>(windows.findAbout()), static_cast<QWidget*>(windows.findRules())}) {
        EXPECT_TRUE(secondary->isVisible());
        EXPECT_EQ(secondary->parentWidget(), &window);
        EXPECT_EQ(secondary->windowType(), Qt::Dialog);
        EXPECT_FALSE(secondary->isModal());
    }
    EXPECT_EQ(windows.findRules()->objectName(), QString::fromUtf8("Règle"));
    EXPECT_TRUE(find<QPushButton>("Command1")->isEnabled());

    // Closing the board closes them too.
    window.close();
    EXPECT_FALSE(windows.findAbout()->isVisible());
    EXPECT_FALSE(windows.findRules()->isVisible());
}

TEST_F(SecondaryWindows, RulesComeBackWithTheirTextsAfterOK)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    find<QAction>("regle")->trigger();
    RulesWindow* first = windows.findRules();
    first->findChild<QPushButton*>("Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.findRules(), nullptr);

    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(windows.findRules(), nullptr);
    for (int i = 0; i < 3; ++i) {
        const auto* label = windows.findRules()->findChild<QLabel*>(QString("Label%1").arg(i + 1));
        EXPECT_EQ(label->text(), QString::fromUtf8(kFrenchRules[static_cast<std::size_t>(i)]));
        EXPECT_TRUE(label->wordWrap());
    }
}

TEST_F(SecondaryWindows, AboutPictureTogglesTheCheatPanelAcrossHideAndShow)
{
    window.show();
    auto cheatShown = [&] {
        bool cellsShown = true;
        for (int die = 1; die <= 5; ++die)
            cellsShown = cellsShown && find<QLineEdit>(QString("Text%1").arg(die))->isVisible();
        const bool panelShown = find<QWidget>("Frame4")->isVisible();
        EXPECT_EQ(cellsShown, panelShown);
        EXPECT_EQ(find<QPushButton>("Command14")->isVisible(), !panelShown);
        return panelShown;
    };
    EXPECT_FALSE(cheatShown());

    find<QAction>("apropos")->trigger();
    AboutWindow* about = windows.findAbout();
    about->Image_Click();
    EXPECT_TRUE(cheatShown());
    EXPECT_FALSE(find<QRadioButton>("Option1")->isChecked()); // shown, not switched on

    about->findChild<QPushButton*>("btnOK")->click();
    EXPECT_FALSE(about->isVisible());
    find<QAction>("apropos")->trigger();
    EXPECT_EQ(windows.findAbout(), about);
    about->Image_Click();
    EXPECT_FALSE(cheatShown());
}

} // namespace
} // namespace daxo
