#include "face_images.h"

#include "painted_icon.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <vector>

namespace daxo {
namespace {

enum class Marks { RoundPips, SquarePips, Digits };

struct Look {
    QColor background;
    QColor marks;
    Marks kind;
};

const std::array<Look, kPictureSetCount> kLooks{{
    {Qt::white, Qt::black, Marks::RoundPips},
    {Qt::white, Qt::black, Marks::Digits},
    {QColor(200, 0, 0), QColor(255, 220, 0), Marks::SquarePips},
    {Qt::white, QColor(200, 0, 0), Marks::Digits},
    {QColor(0, 40, 180), QColor(255, 220, 0), Marks::Digits},
}};

// Pip centres on a 3 by 3 grid, column and row from 0 to 2.
struct Pip {
    int column;
    int row;
};

std::vector<Pip> pipsOf(int face)
{
    switch (face) {
    case 1: return {{1, 1}};
    case 2: return {{2, 0}, {0, 2}};
    case 3: return {{2, 0}, {1, 1}, {0, 2}};
    case 4: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}};
    }
    return {};
}

// Draws in a 49 by 49 design space mapped onto `target`.
void paintFace(QPainter& painter, const QRectF& target, const Look& look, int face)
{
    painter.translate(target.topLeft());
    painter.scale(target.width() / kFaceImageSize, target.height() / kFaceImageSize);

    painter.setPen(QPen(look.background.darker(160), 1.0));
    painter.setBrush(look.background);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kFaceImageSize - 1, kFaceImageSize - 1), 5, 5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(look.marks);
    if (look.kind == Marks::Digits) {
        QFont font({"DejaVu Sans", "Liberation Sans", "Arial"});
        font.setPixelSize(34);
        font.setWeight(QFont::Bold);
        painter.setFont(font);
        painter.setPen(look.marks);
        painter.drawText(QRectF(0, 0, kFaceImageSize, kFaceImageSize), Qt::AlignCenter, QString::number(face));
        return;
    }
    constexpr double kGrid[3] = {12.5, 24.5, 36.5};
    constexpr double kRadius = 5.0;
    for (const Pip& pip : pipsOf(face)) {
        const QPointF centre(kGrid[pip.column], kGrid[pip.row]);
        const QRectF box(centre - QPointF(kRadius, kRadius), QSizeF(2 * kRadius, 2 * kRadius));
        if (look.kind == Marks::RoundPips)
            painter.drawEllipse(box);
        else
            painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

} // namespace

QIcon faceImage(int set, int face)
{
    const Look look = kLooks.at(static_cast<std::size_t>(set - 1));
    return paintedIcon([look, face](QPainter& painter, const QRectF& target) { paintFace(painter, target, look, face); });
}

} // namespace daxo
