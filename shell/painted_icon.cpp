#include "painted_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

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

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(paint_); }

private:
    IconPainter paint_;
};

} // namespace

QIcon paintedIcon(IconPainter paint)
{
    return QIcon(new PaintedIconEngine(std::move(paint)));
}

} // namespace daxo
