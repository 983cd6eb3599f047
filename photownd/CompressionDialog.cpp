#include "photownd/CompressionDialog.h"

#include <QListWidget>
#include <QPushButton>

namespace orelle {

int CompressionRateOfRow(int row) {
    constexpr int kRates[] = {95, 97, 98};
    return row >= 0 && row < 3 ? kRates[row] : 97;
}

CompressionDialog::CompressionDialog(QWidget* parent) : SkinDialog(kResourceId, parent) {}

bool CompressionDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("选择压缩率");
    PlaceCentred(220, 200);
    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(kListId));
    list_->setGeometry(50, 40, 120, 80);
    list_->addItems({QStringLiteral("95%"), QStringLiteral("97%"), QStringLiteral("98%")});
    list_->setCurrentRow(1);
    list_->setFocus();
    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName(QString::number(kOkId));
    ok->setGeometry(70, 140, 80, 30);
    connect(ok, &QPushButton::clicked, this, [this] { OnCommand(kOkId); });
    return true;
}

void CompressionDialog::OnCommand(int id) {
    if (id == kOkId) OnOK();
}

void CompressionDialog::OnOK() {
    rate = CompressionRateOfRow(list_->currentRow());
    accept();
}

}  // namespace orelle
