// Writes the program's icon into a hicolor icon theme tree, at the usual
// sizes and as SVG, from the very drawing the windows use:
//   daxo_icon_export <folder> <icon name>

#include "widgets/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <icon name>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]) + "/hicolor");
    const QString name = QString::fromLocal8Bit(argv[2]);

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1x%1/apps").arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        daxo::appIcon().paint(&painter, image.rect());
        painter.end();
        if (!theme.mkpath(folder) || !image.save(theme.filePath(folder + "/" + name + ".png")))
            return 1;
    }

    QFile svg(theme.filePath("scalable/apps/" + name + ".svg"));
    if (!theme.mkpath("scalable/apps") || !svg.open(QIODevice::WriteOnly) || svg.write(daxo::appIconSvg()) < 0)
        return 1;
    return 0;
}
