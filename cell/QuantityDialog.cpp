#include "cell/QuantityDialog.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/text/NumberText.h"
#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/RectLtrb.h"

namespace orelle {
namespace {

// A whole number, as the framework's integer exchange reads it: optional
// blanks around an optionally signed run of digits.
bool ParseWholeNumber(const QString& text, long long& out) {
    const QString t = text.trimmed();
    bool ok = false;
    out = t.toLongLong(&ok);
    return ok;
}

}  // namespace

QuantityDialog::QuantityDialog(QWidget* parent)
    : QuantityDialog(kResourceId, "请输入数量:", parent) {}

QuantityDialog::QuantityDialog(int resourceId, const char* title, QWidget* parent)
    : SkinDialog(resourceId, parent), title_(title) {}

bool QuantityDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle(title_);
    PlaceCentred(250, 160);
    auto* label = new QLabel(QString::fromUtf8("数量:"), this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(45, 52, 45, 20);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(kEditId));
    edit_->setGeometry(95, 50, 110, 22);
    edit_->setText(QString::fromStdString(text::IntText(count)));
    edit_->selectAll();
    edit_->setFocus();
    MakeDialogButton(this, kOkId, "确定", 16, RectLtrb(90, 85, 160, 145));
    return true;
}

void QuantityDialog::OnCommand(int id) {
    if (id == kOkId) OnOK();
}

void QuantityDialog::OnOK() {
    long long v = 0;
    if (!ParseWholeNumber(edit_->text(), v)) {
        ShowMessage(this, "Orelle", "请输入一个整数。");
    } else if (v < kMin || v > kMax) {
        ShowMessage(this, "Orelle", "请输入一个在 1 和 10000 之间的整数。");
    } else {
        count = static_cast<int>(v);
        accept();
        return;
    }
    edit_->setFocus();
    edit_->selectAll();
}

}  // namespace orelle
