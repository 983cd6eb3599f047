#include "skin/SkinLook.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace orelle {

void InstallSkinFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitutions(QString::fromUtf8(skin::kSongTi),
                               {QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("SimSun")});
    QFont::insertSubstitutions(QString::fromUtf8(skin::kLiShu),
                               {QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("LiSu")});
    // Latin names keep a CJK fallback so that Chinese inside them never
    // shows as boxes.
    QFont::insertSubstitutions(
        QString::fromUtf8(skin::kArial),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;  // no widgets
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipText, skin::kTooltipText);
    QToolTip::setPalette(tips);
    QToolTip::setFont(DialogFont());
}

QFont GdiFont(const char* face, int pixelHeight, int weight) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    // Windows weights run 0..1000 with 400 normal and 700 bold, the same
    // steps as Qt's QFont::Weight.
    font.setWeight(static_cast<QFont::Weight>(qBound(1, weight, 1000)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont DialogFont() { return GdiFont(skin::kSongTi, skin::kDialogFontHeight); }

}  // namespace orelle
