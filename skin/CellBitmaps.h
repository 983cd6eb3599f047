#pragma once
// The photo cell's bitmaps (ids in SkinBitmaps.h); SkinBitmap serves them.

#include <QPixmap>

namespace orelle {

// A null pixmap for an id that is not one of the cell's.
QPixmap CellBitmap(int resourceId);

}  // namespace orelle
