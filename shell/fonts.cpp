#include "fonts.h"

#include <QStringList>
#include <cmath>

namespace daxo {
namespace {

QFont font(const QStringList& families, double points, QFont::Weight weight)
{
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setWeight(weight);
    return f;
}

} // namespace

QFont sansFont(double points, QFont::Weight weight)
{
    return font({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"}, points, weight);
}

QFont arialFont(double points, QFont::Weight weight)
{
    return font({"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"}, points, weight);
}

} // namespace daxo
