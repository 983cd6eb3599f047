// orelle-make-art FOLDER: writes the pictures and the cursor file that the
// installation ships into the program folder FOLDER. Runs at build time,
// without a display.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <initializer_list>

#include "PadArt.h"
#include "app/ProgramOptions.h"
#include "cell/ImageSurface.h"
#include "cell/ValuePad.h"
#include "cell/ValuePadLogic.h"
#include "platform/paths/Paths.h"
#include "skin/CursorFile.h"
#include "skin/SkinLook.h"
#include "submit/OrderDialog.h"

namespace {

// A white pointing hand with a black outline; the hot spot is the tip of
// the finger.
QImage HandImage() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 1.5, 5, 16), 2.5, 2.5);    // the finger
    hand.addRoundedRect(QRectF(15.5, 10.5, 4.5, 9), 2.2, 2.2);  // knuckles
    hand.addRoundedRect(QRectF(19.5, 11.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(23.5, 12.5, 4, 9), 2, 2);
    hand.addRoundedRect(QRectF(5.5, 13.5, 6, 6), 3, 3);  // the thumb
    hand.addRoundedRect(QRectF(8.5, 14.5, 19, 15), 5, 5);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    return image;
}

// The big view's ground around the photo: a quiet blue-grey that lightens
// toward the middle, so that photos of any colour stand out.
QImage BigViewBack() {
    QImage image(830, 590, QImage::Format_RGB32);
    QPainter p(&image);
    QRadialGradient g(QPointF(415, 295), 520);
    g.setColorAt(0.0, QColor(150, 160, 174));
    g.setColorAt(1.0, QColor(92, 100, 114));
    p.fillRect(image.rect(), g);
    return image;
}

// The dialogs' light blue ground, darker toward the bottom.
QImage DialogGround(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0.0, QColor(214, 232, 250));
    g.setColorAt(1.0, QColor(160, 196, 236));
    p.fillRect(image.rect(), g);
    return image;
}

// White rounded panels with a blue edge, behind groups of fields.
void DrawPanels(QPainter& p, std::initializer_list<QRectF> panels) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 120, 190), 1.5));
    p.setBrush(QColor(248, 252, 255));
    for (const QRectF& r : panels) p.drawRoundedRect(r, 6, 6);
    p.restore();
}

// The requirements dialog's ground (578 x 378; the dialog shows its top
// left part): two white panels with their captions, behind the statistics
// edit at (62, 52) and the requirement edit at (62, 210).
QImage StatDialogBack() {
    QImage image = DialogGround(578, 378);
    QPainter p(&image);
    DrawPanels(p, {QRectF(52.5, 28.5, 230, 148), QRectF(52.5, 186.5, 230, 115)});
    QFont font(QString::fromUtf8("宋体"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 60, 120));
    p.drawText(QRect(62, 31, 210, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("照片统计"));
    p.drawText(QRect(62, 189, 210, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("冲印要求"));
    return image;
}

// The order dialog's ground (578 x 385; the dialog shows its left 420):
// the member panel with the captions of the member code and password, and
// the delivery panel with the captions of the contact fields, which the
// dialog blanks while there is no delivery.
QImage LoginBack() {
    QImage image = DialogGround(578, 385);
    QPainter p(&image);
    DrawPanels(p, {QRectF(27.5, 35.5, 363, 68), QRectF(27.5, 161.5, 362, 141)});
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 60, 120));
    p.setFont(orelle::GdiFont(orelle::skin::kLiShu, 26));
    p.drawText(QRect(40, 42, 150, 56), Qt::AlignCenter, QString::fromUtf8("会员下单"));
    struct Caption {
        const char* text;
        QRect rect;  // right-aligned in it, next to its field
    };
    const Caption captions[] = {
        {"会员号:", QRect(180, 45, 66, 16)},   {"密  码:", QRect(180, 81, 66, 16)},
        {"联系人:", QRect(36, 185, 70, 18)},   {"电  话:", QRect(36, 207, 70, 18)},
        {"手  机:", QRect(36, 229, 70, 18)},   {"地  址:", QRect(36, 251, 70, 18)},
        {"预约时间:", QRect(36, 278, 80, 18)},
    };
    p.setFont(orelle::GdiFont(orelle::skin::kSongTi, 12, 700));
    for (const Caption& c : captions) {
        p.drawText(c.rect, Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(c.text));
    }
    return image;
}

bool Save(const QImage& image, const std::string& path) {
    if (!image.save(QString::fromStdString(path), "BMP")) {
        std::fprintf(stderr, "orelle-make-art: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    static const char* const kUsage =
        "usage: orelle-make-art PROGRAM-FOLDER\n"
        "  draws the pad pictures and the hand cursor into the program folder\n";
    if (const int code = orelle::app::AnswerStandardOptions(argc, argv, "orelle-make-art", kUsage);
        code >= 0)
        return code;
    if (argc != 2 || orelle::app::LooksLikeOption(argv[1])) return orelle::app::UsageError(kUsage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    orelle::InstallSkinFonts();
    orelle::paths::SetProgramFolder(argv[1]);
    const std::string folder = orelle::paths::ProgramFolder();
    QDir().mkpath(QString::fromStdString(orelle::paths::Join(folder, "backscape")));
    QDir().mkpath(QString::fromStdString(orelle::paths::Join(folder, "Cursor")));

    bool ok = true;
    for (int kind : {orelle::kQuantityPad, orelle::kZoomPad, orelle::kRotationStrip}) {
        ok &= Save(orelle::art::PadPicture(kind, false), orelle::ValuePad::NormalPicturePath(kind));
        ok &=
            Save(orelle::art::PadPicture(kind, true), orelle::ValuePad::HighlightPicturePath(kind));
    }
    ok &= Save(BigViewBack(), orelle::ImageSurface::BigViewBackgroundPath());
    ok &= Save(StatDialogBack(),
               orelle::paths::Join(orelle::paths::Join(folder, "backscape"), "statdlg.bmp"));
    ok &= Save(LoginBack(), orelle::OrderDialog::BackgroundPath());
    QFile cursor(QString::fromStdString(
        orelle::paths::Join(orelle::paths::Join(folder, "Cursor"), "Icr_hand.cur")));
    ok &= cursor.open(QIODevice::WriteOnly) &&
          cursor.write(orelle::EncodeCursorFile(HandImage(), QPoint(12, 1))) > 0;
    return ok ? 0 : 1;
}
