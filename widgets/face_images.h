#pragma once

#include <QIcon>

namespace daxo {

inline constexpr int kPictureSetCount = 5;
inline constexpr int kFaceImageSize = 49; // logical pixels, square

// The image of `face` (1 to 6) in picture set `set` (1 to 5):
//   1  black round pips on white
//   2  black digits on white
//   3  yellow square pips on red
//   4  red digits on white
//   5  yellow digits on blue
// Drawn, not scaled, at whatever size and resolution it is shown.
QIcon faceImage(int set, int face);

} // namespace daxo
