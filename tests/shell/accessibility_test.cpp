#include "i18n/language_window.h"
#include "settings/pictures_window.h"
#include "shell/about_window.h"
#include "support/board_fixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTest>


namespace daxo {
namespace {

using Accessibility = test::BoardFixture;

// What a screen reader does with a control: its press or toggle action.
void act(QWidget* control, const QString& action)
{
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(node->actionInterface(), nullptr);
    EXPECT_TRUE(node->actionInterface()->actionNames().contains(action));
    node->actionInterface()->doAction(action);
}

// Choosing an option from a screen reader runs the option's own handler,
// as the mouse does: the language, the picture set and the cheat mode.
TEST_F(Accessibility, OptionsChosenFromAScreenReaderTakeEffect)
{
    for (const QString& action : {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
        SCOPED_TRACE(action.toStdString());
        window.langues_Click();
        act(windows.findLanguage()->findChild<QRadioButton*>("Option2"), action);
        EXPECT_EQ(window.game().languageCode(), "E");
        EXPECT_TRUE(test::settingsFileContents().endsWith("\rE\r\n"));
        act(windows.findLanguage()->findChild<QRadioButton*>("Option1"), action);
        EXPECT_EQ(window.game().languageCode(), "F");

        window.Image12_Click();
        act(windows.findPictures()->findChild<QRadioButton*>("Option4"), action);
        EXPECT_EQ(window.game().caption(Label::Label18), "Image 4");
        act(windows.findPictures()->findChild<QRadioButton*>("Option1"), action);

        windows.about().Image_Click();
        act(find<QRadioButton>("Option1"), action);
        EXPECT_FALSE(window.game().isLocked(Cell::Text6));
        act(find<QRadioButton>("Option2"), action);
        EXPECT_TRUE(window.game().isLocked(Cell::Text6));
        windows.about().Image_Click();
    }
}

// Text a screen reader writes into a cell counts as typed: taken while the
// cheat mode has the cell open, refused while it is locked.
TEST_F(Accessibility, CellsWrittenFromAScreenReaderCountAsTyped)
{
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(find<QLineEdit>("Text6"));
    ASSERT_NE(cell->editableTextInterface(), nullptr);
    cell->editableTextInterface()->insertText(0, "40");
    EXPECT_EQ(std::pair(cellText(Cell::Text6), window.game().text(Cell::Text6)), std::pair(QString(), std::string()));

    windows.about().Image_Click();
    find<QRadioButton>("Option1")->click();
    cell->editableTextInterface()->insertText(0, "40");
    EXPECT_EQ(window.game().text(Cell::Text12), "40");
    cell->setText(QAccessible::Value, "65");
    EXPECT_EQ(std::pair(window.game().text(Cell::Text13), panelText(3)),
              std::pair(std::string("30"), QString("Reste pour Bonus : -5")));
}

// The About window's picture, which shows the cheat panel, is named in the
// language shown and answers the keyboard and a screen reader's press.
TEST_F(Accessibility, TheAboutPictureIsNamedAndPressable)
{
    window.apropos_Click();
    auto* image = windows.findAbout()->findChild<PictureBox*>("Image");
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(image);
    EXPECT_EQ(node->role(), QAccessible::Button);
    EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8("Icône de Daxo"));
    window.game().setCaption(Label::Label20, "E");
    EXPECT_EQ(node->text(QAccessible::Name), "Daxo icon");

    act(image, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(find<QWidget>("Frame4")->isVisibleTo(&window));
    image->setFocus();
    QTest::keyClick(image, Qt::Key_Space);
    EXPECT_FALSE(find<QWidget>("Frame4")->isVisibleTo(&window));
    EXPECT_TRUE(image->focusPolicy() & Qt::TabFocus);
}

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The holds are disabled between turns; their captions must stay readable
// on the green.
TEST_F(Accessibility, DisabledHoldCaptionsStandOutOnTheGreen)
{
    auto* hold = find<QCheckBox>("Check1");
    ASSERT_FALSE(hold->isEnabled());
    const QColor text = hold->palette().color(QPalette::Disabled, QPalette::WindowText);
    EXPECT_GE(contrast(text, hold->palette().color(QPalette::Window)), 3.0);
    EXPECT_EQ(hold->palette().color(QPalette::Window), QColor(0, 128, 0));
}

TEST_F(Accessibility, AWholeTurnByKeyboard)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The throw button holds the focus; Space throws, Tab reaches the holds
    // and then the boxes.
    dice.queue({3, 3, 3, 1, 2});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Check1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(window.game().holdBox(1).checked);
    // Alt+G throws from anywhere; an access key presses its button
    // visibly, which takes a moment.
    dice.queue({5, 5, 5, 5});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    for (int wait = 0; wait < 50 && !dice.exhausted(); ++wait)
        QTest::qWait(20);
    EXPECT_EQ(window.game().dice(), (Dice{"3", "5", "5", "5", "5"}));
    for (int i = 0; i < 7; ++i) // past the other holds to the 3s box
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(cellText(Cell::Text8), "3");
}

TEST_F(Accessibility, DicePicturesAreSharpAtTwiceThePixels)
{
    throwDice({6, 6, 6, 6, 6});
    PictureBox* die = find<PictureBox>("Picture8");
    // The board drawn at a device pixel ratio of 2, as on a high-DPI screen;
    // the layout stays in logical pixels.
    QImage board(window.size() * 2, QImage::Format_ARGB32_Premultiplied);
    board.setDevicePixelRatio(2);
    window.render(&board);
    const QImage shown = board.copy(QRect(die->mapTo(&window, die->contentsRect().topLeft()) * 2, QSize(98, 98)));
    EXPECT_EQ(die->size(), QSize(53, 53));

    // The face drawn straight at 98 pixels, and the 49-pixel face blown up:
    // the board shows the first.
    auto draw = [&](qreal ratio) {
        QImage image(QSize(49, 49) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(die->palette().color(QPalette::Window));
        QPainter painter(&image);
        die->picture().paint(&painter, QRect(0, 0, 49, 49));
        return image;
    };
    auto difference = [&](const QImage& other) {
        long total = 0;
        for (int y = 10; y < 88; ++y)
            for (int x = 10; x < 88; ++x)
                total += std::abs(qGray(shown.pixel(x, y)) - qGray(other.pixel(x, y)));
        return total;
    };
    const QImage blownUp = draw(1.0).scaled(98, 98, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(difference(draw(2.0)) * 4, difference(blownUp));
}

} // namespace
} // namespace daxo
