#pragma once
// The picture button the dialogs use: face bitmap 1150 and a black caption
// over the dialog's own background (no fill of its own: a white block
// showed around the face), at a rectangle of the dialog.

#include <QRect>

namespace orelle {

class BitmapButton;
class SkinDialog;

// The button belongs to the dialog; nullptr only when it cannot be created.
BitmapButton* MakeDialogButton(SkinDialog* dialog, int id, const char* caption, int fontHeight,
                               const QRect& rect);

}  // namespace orelle
