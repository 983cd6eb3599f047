#include "skin/ShowNotice.h"

#include "platform/gbk/Gbk.h"
#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/NoticeLayout.h"
#include "skin/RectLtrb.h"
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
    const NoticeLayout l = NoticeLayout::For(gbk::Length(text_), lineCount_, withCancel_);
    static_ = new StaticText(kStaticId, this);
    static_->SetText(text_);
    static_->setGeometry(25, 35, 240, l.staticHeight);
    PlaceCentred(NoticeLayout::kWidth, l.height);
    ok_ = MakeDialogButton(this, kOkId, "确定", 16,
                           RectLtrb(l.okLeft, l.buttonTop, l.okRight, l.buttonBottom));
    cancel_ = MakeDialogButton(this, kCancelId, "取消", 16,
                               RectLtrb(l.cancelLeft, l.buttonTop, l.cancelRight, l.buttonBottom));
    if (!withCancel_ && cancel_) cancel_->hide();
    return true;
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

}  // namespace orelle
