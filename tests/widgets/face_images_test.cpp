#include "widgets/face_images.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace daxo {
namespace {

// How sharp they are at twice the pixels is checked on the board itself
// (accessibility_test.cpp).
TEST(FaceImages, EveryFaceOfEverySetIsItsOwn)
{
    std::vector<QImage> faces;
    for (int set = 1; set <= kPictureSetCount; ++set)
        for (int face = 1; face <= 6; ++face) {
            QImage image(kFaceImageSize, kFaceImageSize, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            faceImage(set, face).paint(&painter, image.rect());
            painter.end();
            for (std::size_t other = 0; other < faces.size(); ++other)
                EXPECT_NE(image, faces[other]) << "set " << set << " face " << face << " repeats image " << other;
            faces.push_back(image);
        }
}

} // namespace
} // namespace daxo
