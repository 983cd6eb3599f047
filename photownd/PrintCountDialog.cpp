#include "photownd/PrintCountDialog.h"

#include <QLineEdit>

#include "platform/text/NumberText.h"
#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/RectLtrb.h"

namespace orelle {

PrintCountDialog::PrintCountDialog(QWidget* parent)
    : QuantityDialog(kResourceId, "请输入每份照片张数", parent) {}

bool PrintCountDialog::OnInitDialog() {
    QuantityDialog::OnInitDialog();
    PlaceCentred(300, 160);
    if (auto* ok = findChild<BitmapButton*>(QString::number(kOkId)))
        ok->setGeometry(RectLtrb(115, 85, 185, 145));
    MakeDialogButton(this, kLessId, "减(-)", 16, RectLtrb(25, 85, 95, 145));
    MakeDialogButton(this, kMoreId, "加(+)", 16, RectLtrb(205, 85, 275, 145));
    return true;
}

void PrintCountDialog::OnCommand(int id) {
    if (id == kLessId) {
        Change(-1);
    } else if (id == kMoreId) {
        Change(+1);
    } else {
        QuantityDialog::OnCommand(id);
    }
}

// From what the edit shows, so that a typed count counts on.
void PrintCountDialog::Change(int delta) {
    bool ok = false;
    const long long shown = edit_->text().trimmed().toLongLong(&ok);
    if (ok && shown >= kMin && shown <= kMax) count = static_cast<int>(shown);
    if (delta < 0 && count > 1) --count;
    if (delta > 0 && count < kMax) ++count;
    edit_->setText(QString::fromStdString(text::IntText(count)));
}

}  // namespace orelle
