#pragma once
// Encoding pictures as JPEG (libjpeg-turbo), for the station's own copies
// of photos that arrive turned or in another format. Any thread.

#include <QImage>
#include <memory>
#include <string>
#include <string_view>

namespace orelle {

// What a copy made anew is encoded at: fine enough for any print.
constexpr int kCopyQuality = 95;

// A JPEG written a row at a time, so that a picture read a row at a time
// never has to be held whole: 4:2:0 (grey stays grey). When `segments`
// (whole APPn/COM segments) is not empty it stands right after the start
// marker in place of the encoder's own JFIF segment.
class JpegRowWriter {
  public:
    // Rows of RGB32, or of Grayscale8 when grey.
    JpegRowWriter(int width, int height, bool grey, int quality, std::string_view segments);
    ~JpegRowWriter();
    JpegRowWriter(const JpegRowWriter&) = delete;
    JpegRowWriter& operator=(const JpegRowWriter&) = delete;

    // The next row, top to bottom.
    void Write(const uchar* row);
    // The JPEG once every row was written; empty when a row is missing or
    // anything failed.
    std::string Finish();

  private:
    struct Codec;
    std::unique_ptr<Codec> codec_;
};

// The picture (any format; alpha is not kept) as a JPEG, as JpegRowWriter
// writes it. Empty on failure or for a null picture.
std::string EncodeJpeg(const QImage& picture, int quality, std::string_view segments);

// An APP1 segment holding an EXIF block (the TIFF structure); empty when
// the block is empty or does not fit one segment.
std::string ExifSegment(std::string_view tiff);

}  // namespace orelle
