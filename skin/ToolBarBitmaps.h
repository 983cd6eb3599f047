#pragma once
// The photo window's toolbar pictures, 70 x 60 with their captions drawn in,
// and the strip's 18 x 60 background tile (ids in SkinBitmaps.h);
// SkinBitmap serves them.

#include <QPixmap>

namespace orelle {

// A null pixmap for an id that is not one of the toolbar's.
QPixmap ToolBarBitmap(int resourceId);

}  // namespace orelle
