#include "support/board_fixture.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>
#include <map>

namespace daxo {
namespace {

class Accessibility : public test::BoardFixture {
protected:
    // What a screen reader finds on the board: each control it can reach,
    // by object name, with the name it reads out.
    std::map<QString, QString> spokenNames()
    {
        std::map<QString, QString> names;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (node->object() && !node->state().invisible)
                names[node->object()->objectName()] = node->text(QAccessible::Name);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&window));
        return names;
    }
};

TEST_F(Accessibility, EveryControlIsNamedInTheLanguageInUse)
{
    window.show();
    throwDice({2, 6, 6, 1, 4});
    const char* const rows[][3] = {
        {"Command1", "Lancer les dés", "Throw the dice"}, {"Command2", "As", "Ones"},
        {"Command13", "Moins", "Minus"},                 {"Check4", "Garder le dé 4", "Hold die 4"},
        {"Text12", "Sous Total", "Sub Total"},           {"Text9", "Quatre", "Fours"},
        {"Picture9", "Dé 2, face 6", "Die 2, face 6"},   {"Command14", "Quitter", "Quitter"},
        {"Panel1", "Partie n°1", "Partie n°1"},
    };
    for (int language = 1; language <= 2; ++language) {
        const auto names = spokenNames();
        for (const auto& row : rows)
            EXPECT_EQ(names.at(row[0]), QString::fromUtf8(row[language])) << row[0];
        window.game().setCaption(Label::Label20, "E");
    }
    click("Command3");
    EXPECT_EQ(spokenNames().at("Picture11"), "Die 4, no face");
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
