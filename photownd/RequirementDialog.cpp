#include "photownd/RequirementDialog.h"

#include <QPlainTextEdit>

#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"
#include "skin/DialogButton.h"
#include "skin/RectLtrb.h"

namespace orelle {

RequirementDialog::RequirementDialog(std::string stats, std::string requirement, QWidget* parent)
    : SkinDialog(kResourceId, parent),
      requirement(std::move(requirement)),
      stats_(std::move(stats)) {}

std::string RequirementDialog::PicturePath() {
    return paths::Join(paths::Join(paths::ProgramFolder(), "backscape"), "statdlg.bmp");
}

bool RequirementDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("要求与统计信息");
    PlaceCentred(328, 400);
    picture_.load(QString::fromStdString(PicturePath()));

    statsEdit_ = new QPlainTextEdit(QString::fromStdString(stats_), this);
    statsEdit_->setObjectName(QString::number(kStatsId));
    statsEdit_->setGeometry(62, 52, 210, 115);
    statsEdit_->setReadOnly(true);
    requirementEdit_ = new QPlainTextEdit(QString::fromStdString(requirement), this);
    requirementEdit_->setObjectName(QString::number(kRequirementId));
    requirementEdit_->setGeometry(62, 210, 210, 82);
    KeepWithinLimit();
    connect(requirementEdit_, &QPlainTextEdit::textChanged, this,
            &RequirementDialog::KeepWithinLimit);
    requirementEdit_->moveCursor(QTextCursor::End);
    requirementEdit_->setFocus();

    MakeDialogButton(this, kOkId, "确定", 16, RectLtrb(65, 320, 135, 380));
    MakeDialogButton(this, kCancelId, "取消", 16, RectLtrb(175, 320, 245, 380));
    return true;
}

// As an edit with a text limit: what goes past it is not taken.
void RequirementDialog::KeepWithinLimit() {
    const std::string typed = requirementEdit_->toPlainText().toStdString();
    if (gbk::Length(typed) <= kMaxRequirementBytes) return;
    const QSignalBlocker quiet(requirementEdit_);
    requirementEdit_->setPlainText(
        QString::fromStdString(gbk::CutToBytes(typed, kMaxRequirementBytes)));
    requirementEdit_->moveCursor(QTextCursor::End);
}

void RequirementDialog::PaintBackground(QPainter& p) {
    if (picture_.isNull()) return;
    p.drawPixmap(0, 0, picture_);
    // The picture is shorter than the dialog: its last row goes on down to
    // the frame instead of a white strip.
    const int below = height() - picture_.height();
    if (below > 0) {
        p.drawPixmap(QRect(0, picture_.height(), picture_.width(), below), picture_,
                     QRect(0, picture_.height() - 1, picture_.width(), 1));
    }
}

void RequirementDialog::OnCommand(int id) {
    if (id == kOkId) {
        requirement = requirementEdit_->toPlainText().toStdString();
        accept();
    }
    if (id == kCancelId) reject();
}

}  // namespace orelle
