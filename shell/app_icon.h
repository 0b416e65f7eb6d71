#pragma once

#include <QCursor>
#include <QIcon>

namespace daxo {

// The program's icon: a red die showing five. It is the window icon of every
// window and, at 32 by 32, the mouse cursor over the throw button.
QIcon appIcon();
QCursor appCursor();

} // namespace daxo
