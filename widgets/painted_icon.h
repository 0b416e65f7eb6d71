#pragma once

#include <QIcon>
#include <functional>

class QPainter;
class QRectF;

namespace daxo {

using IconPainter = std::function<void(QPainter&, const QRectF&)>;

// An icon drawn by `paint` into whatever rectangle and device it is shown on,
// so it stays sharp at every size, device pixel ratio and printer resolution.
QIcon paintedIcon(IconPainter paint);

} // namespace daxo
