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
            if (!node)
                return;
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
    auto names = spokenNames();
    EXPECT_EQ(names["Command1"], QString::fromUtf8("Lancer les dés"));
    EXPECT_EQ(names["Command2"], "As");
    EXPECT_EQ(names["Command13"], "Moins");
    EXPECT_EQ(names["Check4"], QString::fromUtf8("Garder le dé 4"));
    EXPECT_EQ(names["Text12"], "Sous Total");
    EXPECT_EQ(names["Text19"], "Moins");
    EXPECT_EQ(names["Picture9"], QString::fromUtf8("Dé 2, face 6"));
    EXPECT_EQ(names["Panel1"], QString::fromUtf8("Partie n°1"));
    for (const char* control : {"Command14", "Command8", "Check1", "Text6", "Text20", "Picture8", "Panel6"})
        EXPECT_FALSE(names[control].isEmpty()) << control;

    window.game().setCaption(Label::Label20, "E");
    names = spokenNames();
    EXPECT_EQ(names["Command1"], "Throw the dice");
    EXPECT_EQ(names["Command7"], "Sixes");
    EXPECT_EQ(names["Check4"], "Hold die 4");
    EXPECT_EQ(names["Text9"], "Fours");
    EXPECT_EQ(names["Picture11"], "Die 4, face 1");

    click("Command3");
    EXPECT_EQ(spokenNames()["Picture11"], "Die 4, no face");
}

TEST_F(Accessibility, AWholeTurnByKeyboard)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The throw button holds the focus; Space throws, Tab reaches the holds
    // and then the boxes.
    dice.queue({3, 3, 3, 1, 2});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(cellText(Cell::Text1), "3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Check1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(window.game().holdBox(1).checked);
    // Alt+G throws again from anywhere, the held die stays. An access key
    // presses its button visibly, which takes a moment.
    dice.queue({5, 5, 5, 5});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    for (int wait = 0; wait < 50 && !dice.exhausted(); ++wait)
        QTest::qWait(20);
    EXPECT_EQ(cellText(Cell::Text1), "3");
    EXPECT_EQ(cellText(Cell::Text2), "5");
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
    // The board drawn at a device pixel ratio of 2, as on a high-DPI screen.
    QImage board(window.size() * 2, QImage::Format_ARGB32_Premultiplied);
    board.setDevicePixelRatio(2);
    board.fill(Qt::black);
    window.render(&board);
    const QPoint at = die->mapTo(&window, die->contentsRect().topLeft()) * 2;
    const QImage shown = board.copy(QRect(at, QSize(98, 98)));

    // The same face drawn straight at 98 pixels, and the 49-pixel face
    // blown up to 98: the board shows the first.
    auto draw = [&](qreal ratio) {
        QImage image(QSize(49, 49) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(die->palette().color(QPalette::Window));
        QPainter painter(&image);
        die->picture().paint(&painter, QRect(0, 0, 49, 49));
        return image;
    };
    auto difference = [](const QImage& a, const QImage& b) {
        long total = 0;
        for (int y = 10; y < 88; ++y)
            for (int x = 10; x < 88; ++x)
                total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        return total;
    };
    const QImage sharp = draw(2.0);
    const QImage blownUp = draw(1.0).scaled(98, 98, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(difference(shown, sharp) * 4, difference(shown, blownUp));
    EXPECT_EQ(die->size(), QSize(53, 53)) << "the layout stays in logical pixels";
}

} // namespace
} // namespace daxo
