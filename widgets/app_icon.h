#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>

namespace daxo {

// The program's icon: a red die showing five. It is the window icon of every
// window, at 32 by 32 the mouse cursor over the throw button, and, exported
// at build time, the icon the desktop shows.
QIcon appIcon();
QCursor appCursor();

// The same drawing as a scalable SVG document.
QByteArray appIconSvg();

} // namespace daxo
