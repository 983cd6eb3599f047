#pragma once
// Text laid out the way the system's DrawText lays it out: lines at a fixed
// pitch (the font's height), so that a caption or a static keeps the
// height the layouts reserve for it even with fonts of taller line spacing.

#include <QRect>
#include <QString>

class QFont;
class QPainter;

namespace orelle {

struct PitchedText {
    int pitch = 16;        // distance between line tops
    int maxLines = 1;      // lines after these are not drawn
    bool wrap = true;      // break at word boundaries, or anywhere in a word
    bool centreH = true;   // every line centred in the rectangle's width
    bool centreV = false;  // the block of lines centred in the rectangle's height
};

// Draws with the painter's pen; clipped to the rectangle. Lines break at
// CR LF, LF and CR too.
void DrawPitchedText(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
                     const PitchedText& how);

// The number of lines the text takes at the width (at least 1).
int PitchedLineCount(const QString& text, const QFont& font, int width);

}  // namespace orelle
