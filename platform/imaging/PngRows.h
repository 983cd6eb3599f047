#pragma once
// Reading a PNG through libpng a band of rows at a time, each band made
// ready for print as it is read (OnPaper), so that a photo can pass to its
// JPEG copy without ever being held whole (an interlaced one, which comes
// in passes over the whole picture, is one band). Only the chunks that
// describe the pixels are read: IHDR, PLTE, tRNS, IDAT, iCCP, sRGB, gAMA
// and eXIf; any other (text, dates, unknown ones) is skipped at the cost
// of its bytes alone, however many there are. Any thread.

#include <QImage>
#include <functional>
#include <string>
#include <string_view>

namespace orelle {

struct PngHead {
    int width = 0;
    int height = 0;
    std::string exif;  // the eXIf block before the pixels, if any
};

// Hands the picture to `band` top to bottom: RGB32 in sRGB, or
// Grayscale8; `head` is filled before the first band. False when the
// bytes are no PNG, claim more than FitsConversion allows, end early or
// break, or when `band` says false.
bool ReadPngRows(std::string_view bytes, PngHead* head,
                 const std::function<bool(const QImage& band)>& band);

}  // namespace orelle
