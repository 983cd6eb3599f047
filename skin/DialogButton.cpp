#include "skin/DialogButton.h"

#include "skin/BitmapButton.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDialog.h"

namespace orelle {

BitmapButton* MakeDialogButton(SkinDialog* dialog, int id, const char* caption, int fontHeight,
                               const QRect& rect) {
    auto* b = new BitmapButton;
    b->fontHeight = fontHeight;
    b->pictureId = skinres::kButtonFace;
    b->fillColour = Qt::transparent;
    b->captionColour = Qt::black;
    b->caption1 = caption;
    b->rect = rect;
    if (!b->Create(dialog, id)) {
        delete b;
        return nullptr;
    }
    return b;
}

}  // namespace orelle
