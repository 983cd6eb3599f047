#pragma once
// Text stamped onto a photo (the recorded date on prints). Needs a
// QGuiApplication for fonts; QImage painting works on any thread.

#include <QImage>
#include <string>

namespace orelle {

// The pixel size the font engine gives a font of that family asked for
// `size` pixels; at least 1.
int ImprintFontSize(const std::string& face, int size);

// Draws UTF-8 text in RGB(255,128,0) on a transparent background, with the
// top-left of its line box at (x, y). Grey or indexed pictures are turned
// into RGB32 first so the colour survives. A null picture is left alone.
void DrawTextOnPicture(QImage& picture, const std::string& utf8, const std::string& face, int size,
                       int x, int y);

}  // namespace orelle
