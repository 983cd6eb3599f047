#pragma once
// Photos as phones bring them, made at test time: a picture whose four
// corners carry four colours (so every turn and mirror shows), as a JPEG
// with EXIF fields, as a PNG, or as a HEIC through libheif's heif-enc;
// and the bombs: files that claim a picture far larger than they hold.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "platform/imaging/ShotDateWriter.h"

namespace orelle::testing {

// Top left, top right, bottom left, bottom right.
inline const std::array<QColor, 4> kCornerColours{QColor(255, 0, 0), QColor(0, 200, 0),
                                                  QColor(0, 0, 255), QColor(255, 255, 0)};

// Each quadrant in its corner's colour; with alpha, the lower half is
// transparent.
QImage CornerPicture(int w, int h, bool transparentBottom = false);
// Which of kCornerColours each corner of the picture carries (-1: none
// near), in the order top left, top right, bottom left, bottom right.
std::array<int, 4> CornerIndexes(const QImage& picture);

std::string CornerJpeg(int w, int h, const std::vector<ExifField>& fields);
std::string PngBytes(const QImage& picture);
// heif-enc's HEIC of the JPEG or PNG file at source; empty when heif-enc
// is not installed.
std::string HeicFrom(const std::string& source, const std::string& heic);

// A w x h PNG of one colour, written a row at a time (a flat picture
// compresses to little), with these chunks before its pixels.
struct PngChunks {
    int texts = 0;  // tEXt chunks
    std::string exif;
    QByteArray icc;
};
std::string FlatPng(int w, int h, QRgb colour, const PngChunks& chunks = {});

// A PNG whose header claims w x h but whose data is a few KB of zeros.
std::string PngBomb(int w, int h);
// The HEIC with every size it states (its ispe boxes) set to w x h.
std::string HeifClaiming(std::string heic, int w, int h);

}  // namespace orelle::testing
