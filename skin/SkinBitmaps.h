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
// The photo window's toolbar: the strip's tile, 18 x 60, and the button
// pictures, 70 x 60 with their captions.
inline constexpr int kToolBarBack = 1004;
inline constexpr int kToolOrder = 1017;
inline constexpr int kToolCopy = 1126;
inline constexpr int kToolHome = 1133;
inline constexpr int kToolBigView = 1134;
inline constexpr int kToolDelete = 1136;
inline constexpr int kToolFirstPage = 1137;
inline constexpr int kToolNextPage = 1138;
inline constexpr int kToolLastPage = 1139;
inline constexpr int kToolPrevPage = 1140;
inline constexpr int kToolApply = 1151;
inline constexpr int kToolSmallView = 1154;
inline constexpr int kToolCount = 1155;
inline constexpr int kToolRecharge = 1156;
inline constexpr int kToolAddPhoto = 1167;
inline constexpr int kToolHelp = 1171;
}  // namespace skinres

// A null pixmap for an id that is not one of the resources.
QPixmap SkinBitmap(int resourceId);

}  // namespace orelle
