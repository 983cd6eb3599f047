#include "skin/ShowNotice.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

#include "platform/gbk/Gbk.h"
#include "platform/imaging/QrCode.h"
#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/NoticeLayout.h"
#include "skin/NoticeParts.h"
#include "skin/RectLtrb.h"
#include "skin/SkinLook.h"
#include "skin/StaticText.h"

namespace orelle {

NoticeDialog::NoticeDialog(const std::string& caption, const std::string& text, int lineCount,
                           bool withCancel, QWidget* parent)
    : SkinDialog(kResourceId, parent),
      caption_(caption),
      text_(text),
      lineCount_(lineCount),
      withCancel_(withCancel) {}

bool NoticeDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle(caption_);
    const NoticeParts parts = SplitAtOrderNumber(text_);
    // The order number takes a tall line of its own.
    const int grow = parts.number.empty() ? 0 : kNumberPitch - NoticeLayout::kLineHeight;
    NoticeLayout l = NoticeLayout::For(gbk::Length(text_), lineCount_, withCancel_);
    l.height += grow;
    l.buttonTop += grow;
    l.buttonBottom += grow;
    static_ = new StaticText(kStaticId, this);
    int numberTop = -1;
    if (parts.number.empty()) {
        static_->SetText(text_);
        static_->setGeometry(25, 35, 240, l.staticHeight);
    } else {
        // What wraps (the order's details) comes before the number.
        const int linesBefore = std::max(1, l.lines - 1 - parts.linesAfter);
        numberTop = 35 + NoticeLayout::kLineHeight * linesBefore;
        static_->SetText(parts.before);
        static_->setGeometry(25, 35, 240, numberTop - 35);
        number_ = new QLabel(QString::fromStdString(parts.number), this);
        number_->setObjectName(QString::number(kNumberId));
        number_->setAlignment(Qt::AlignCenter);
        // Inside the frame's white ground, clear of its borders.
        number_->setGeometry(16, numberTop, NoticeLayout::kWidth - 32, kNumberPitch);
        QFont font = GdiFont(skin::kSongTi, kNumberFontHeight, 700);
        // A long number still shows whole.
        while (font.pixelSize() > 12 &&
               QFontMetrics(font).horizontalAdvance(number_->text()) > number_->width())
            font.setPixelSize(font.pixelSize() - 1);
        number_->setFont(font);
        number_->setStyleSheet(QStringLiteral("color: rgb(200,0,0); background: transparent;"));
        after_ = new StaticText(kStaticId + 1, this);
        after_->SetText(parts.after);
        after_->setGeometry(25, numberTop + kNumberPitch, 240,
                            NoticeLayout::kLineHeight * std::max(1, parts.linesAfter));
    }
    int width = NoticeLayout::kWidth;
    if (!code_.empty()) {
        // The buttons keep to the bottom, in the middle.
        const int height = l.height;
        PlaceCode(numberTop, width, l.height);
        const int down = l.height - height, right = (width - NoticeLayout::kWidth) / 2;
        l.buttonTop += down;
        l.buttonBottom += down;
        l.okLeft += right;
        l.okRight += right;
    }
    PlaceCentred(width, l.height);
    ok_ = MakeDialogButton(this, kOkId, "确定", 16,
                           RectLtrb(l.okLeft, l.buttonTop, l.okRight, l.buttonBottom));
    cancel_ = MakeDialogButton(this, kCancelId, "取消", 16,
                               RectLtrb(l.cancelLeft, l.buttonTop, l.cancelRight, l.buttonBottom));
    if (!withCancel_ && cancel_) cancel_->hide();
    return true;
}

void NoticeDialog::PlaceCode(int numberTop, int& width, int& height) {
    const QImage image = QrCodeImage(code_, kCodeModule);
    if (image.isNull()) return;
    auto* code = new QLabel(this);
    code->setObjectName(QString::number(kCodeId));
    code->setPixmap(QPixmap::fromImage(image));
    const int side = image.width();
    const int top = numberTop < 0 ? 35 : std::max(35, numberTop + kNumberPitch / 2 - side / 2);
    code->setGeometry(width - 10, top, side, side);
    width += side;
    height = std::max(height, top + side + 20);
}

void NoticeDialog::OnCommand(int id) {
    if (id == kOkId) {
        accept();
    } else if (id == kCancelId) {
        reject();
    }
}

int ShowNotice(const std::string& caption, const std::string& text, int lineCount, bool withCancel,
               QWidget* parent) {
    NoticeDialog dialog(caption, text, lineCount, withCancel, parent);
    dialog.InitDialog();
    return RunModal(dialog) == QDialog::Accepted ? 0 : 1;
}

void ShowCodeNotice(const std::string& caption, const std::string& text, int lineCount,
                    const std::string& code, QWidget* parent) {
    NoticeDialog dialog(caption, text, lineCount, false, parent);
    dialog.SetCode(code);
    dialog.InitDialog();
    RunModal(dialog);
}

}  // namespace orelle
