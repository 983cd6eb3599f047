#include "submit/ServiceNoticeDialog.h"

#include <QPlainTextEdit>
#include <memory>

#include "platform/gbk/Gbk.h"
#include "skin/DialogButton.h"
#include "skin/RectLtrb.h"
#include "skin/SkinLook.h"
#include "submit/ServiceNotice.h"

namespace orelle {

ServiceNoticeDialog::ServiceNoticeDialog(const WebClient& client, std::atomic<bool>& busy,
                                         QWidget* parent)
    : SkinDialog(kResourceId, parent), client_(client), jobs_(busy) {}

bool ServiceNoticeDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("服务告示!");
    PlaceCentred(460, 360);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QString::number(kTextId));
    text_->setFont(DialogFont());
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setGeometry(20, 40, 420, 240);
    text_->setPlainText(QString::fromUtf8("正获取服务器上的数据......"));
    MakeDialogButton(this, kOkId, "确定", 16, RectLtrb(195, 292, 265, 330));

    auto notice = std::make_shared<std::string>();
    JobRunner::Job fetch;
    fetch.work = [this, notice](JobContext& context) {
        *notice = FetchServiceNotice(client_, [&context] { return context.Stopped(); });
    };
    fetch.done = [this, notice] {
        text_->setPlainText(QString::fromStdString(gbk::CutToBytes(*notice, kTextBytes)));
    };
    jobs_.Start(std::move(fetch));
    return true;
}

std::string ServiceNoticeDialog::Text() const {
    return text_ ? text_->toPlainText().toStdString() : "";
}

void ServiceNoticeDialog::OnCommand(int id) {
    if (id == kOkId) Close();
}

void ServiceNoticeDialog::Close() {
    jobs_.Stop();
    jobs_.Wait();
    accept();
}

}  // namespace orelle
