#pragma once
// The system's bitmap resources, drawn by our own code at their sizes and
// kept for the life of the process. UI thread only.

#include <QPixmap>

namespace orelle {

namespace skinres {
// Dialog frame pieces.
inline constexpr int kFrameBottom = 1022;       // 5 x 11
inline constexpr int kFrameBottomLeft = 1023;   // 16 x 10
inline constexpr int kFrameBottomRight = 1024;  // 11 x 11
inline constexpr int kFrameLeft = 1025;         // 16 x 5
inline constexpr int kFrameRight = 1026;        // 10 x 4
inline constexpr int kFrameTitle = 1027;        // 11 x 25
inline constexpr int kFrameTopLeft = 1028;      // 16 x 25, with the emblem
inline constexpr int kFrameTopRight = 1029;     // 9 x 25
// Print-size chooser cells, 75 x 53.
inline constexpr int kChooserCell = 1100;
inline constexpr int kChooserCellHot = 1101;
// Progress bar, 326 x 20.
inline constexpr int kProgressEmpty = 1102;
inline constexpr int kProgressFull = 1103;
// The dialogs' button face, 70 x 30.
inline constexpr int kButtonFace = 1150;
// The photo cell: label backgrounds (name 202 x 15, date 84 x 15) and the
// button faces, 56 x 50.
inline constexpr int kDateBack = 1072;
inline constexpr int kNameBack = 1117;
inline constexpr int kFacePanel = 1141;
inline constexpr int kFacePlus = 1142;
inline constexpr int kFaceMinus = 1143;
inline constexpr int kFaceCount = 1144;
inline constexpr int kFaceMode = 1145;
inline constexpr int kFaceDown = 1147;
inline constexpr int kFaceUp = 1148;
}  // namespace skinres

// A null pixmap for an id that is not one of the resources.
QPixmap SkinBitmap(int resourceId);

}  // namespace orelle
