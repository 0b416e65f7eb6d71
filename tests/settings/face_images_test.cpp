#include "settings/face_images.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace daxo {
namespace {

QImage render(int set, int face, qreal ratio = 1.0)
{
    QImage image(QSize(kFaceImageSize, kFaceImageSize) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    faceImage(set, face).paint(&painter, QRect(0, 0, kFaceImageSize, kFaceImageSize));
    return image;
}

TEST(FaceImages, EveryFaceOfEverySetIsItsOwn)
{
    std::vector<std::pair<std::string, QImage>> faces;
    for (int set = 1; set <= kPictureSetCount; ++set)
        for (int face = 1; face <= 6; ++face)
            faces.emplace_back(std::to_string(set) + "/" + std::to_string(face), render(set, face));
    for (std::size_t a = 0; a < faces.size(); ++a)
        for (std::size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_NE(faces[a].second, faces[b].second) << faces[a].first << " and " << faces[b].first;
}

TEST(FaceImages, AreDrawnAtTheResolutionTheyAreShownAt)
{
    // Pixels part pip, part face: a drawing keeps its edges one pixel wide
    // at any resolution, where a scaled-up bitmap blurs or blocks them.
    auto edgePixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qGray(image.pixel(x, y)) > 40 && qGray(image.pixel(x, y)) < 215;
        return count;
    };
    const QImage sharp = render(1, 6, 2.0);
    ASSERT_EQ(sharp.size(), QSize(98, 98));
    const QImage single = render(1, 6);
    EXPECT_NE(sharp, single.scaled(98, 98));
    EXPECT_LT(edgePixels(sharp), edgePixels(single.scaled(98, 98, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

} // namespace
} // namespace daxo
