#pragma once

#include <QRect>

namespace daxo {

// The layouts are drawn up in twips, 15 of them to a logical pixel; Qt's
// high-DPI scaling takes logical pixels on to the screen.
constexpr int fromTwips(int twips) { return (twips + 7) / 15; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace daxo
