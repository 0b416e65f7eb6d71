#include "support/board_fixture.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>


namespace daxo {
namespace {

// What a screen reader does with each control, and a whole turn played by
// keyboard, are the window scripts' (tests/data/windows/10-screen-reader.txt):
// here, what the board looks like to eyes that need contrast and sharpness.
using Accessibility = test::BoardFixture;

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
