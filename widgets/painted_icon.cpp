#include "painted_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <utility>

namespace daxo {
namespace {

class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(IconPainter paint)
        : paint_(std::move(paint))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        paint_(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Window icons and cursors ask for the same few sizes again and again;
    // each is drawn once. Images, unlike pixmaps, may outlive the
    // application object with the icon that keeps them.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QImage& image = drawn_[{{size.width(), size.height()}, scale}];
        if (image.isNull()) {
            image = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(), size), mode, state);
        }
        return QPixmap::fromImage(image);
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(paint_); }

private:
    IconPainter paint_;
    std::map<std::pair<std::pair<int, int>, qreal>, QImage> drawn_;
};

} // namespace

QIcon paintedIcon(IconPainter paint)
{
    return QIcon(new PaintedIconEngine(std::move(paint)));
}

} // namespace daxo
