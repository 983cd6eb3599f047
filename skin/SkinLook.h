#pragma once
// The fonts and colours that every skinned window shares. The system's
// Windows font names ("宋体", "隶书", "Arial") stay the names used in the
// code; InstallSkinFonts maps them onto installed fonts once per process.

#include <QColor>
#include <QFont>

namespace orelle {

namespace skin {
inline const QColor kButtonFill(73, 147, 234);
inline const QColor kButtonCaption(255, 255, 255);
inline const QColor kEdgeDark(170, 170, 170);
inline const QColor kEdgeLight(220, 220, 220);
inline const QColor kTooltipText(0, 128, 128);
inline const QColor kTitleText(136, 194, 30);
inline const char* const kSongTi = "宋体";
inline const char* const kLiShu = "隶书";
inline const char* const kArial = "Arial";
// The dialog font of a Chinese Windows: 宋体 9 point, 12 pixels.
inline constexpr int kDialogFontHeight = 12;
}  // namespace skin

// Safe to call more than once; needs a QGuiApplication.
void InstallSkinFonts();

// A font as the system creates it: face name, character height in pixels
// (the em height, as the Chinese system fonts have no internal leading) and
// weight on the 0..1000 scale.
QFont GdiFont(const char* face, int pixelHeight, int weight = 400);

// 宋体 at the dialog font height.
QFont DialogFont();

}  // namespace orelle
