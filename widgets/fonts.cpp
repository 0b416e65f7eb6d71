#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace daxo {
namespace {

// The first of `families` that is installed. Asking for a missing family
// would let fontconfig substitute a wider default face, which the fixed
// layouts have no room for.
QString firstInstalled(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return families.back();
}

QFont font(const QStringList& families, double points, QFont::Weight weight)
{
    QFont f(firstInstalled(families));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setWeight(weight);
    return f;
}

} // namespace

QFont sansFont(double points, QFont::Weight weight)
{
    static const QStringList families{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial",
                                      "DejaVu Sans"};
    return font(families, points, weight);
}

QFont arialFont(double points, QFont::Weight weight)
{
    static const QStringList families{"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"};
    return font(families, points, weight);
}

} // namespace daxo
