#pragma once
// The pictures of the value pads, as the installation ships them under
// backscape: for each kind a normal and a highlighted look of the same
// layout (ValuePadLogic's key grid), the highlighted one with lit keys.

#include <QImage>

namespace orelle::art {

// kind 0 quantity pad (231 x 252), 1 zoom pad (231 x 307), 3 rotation
// strip (231 x 55).
QImage PadPicture(int kind, bool highlighted);

}  // namespace orelle::art
