#include "submit/AlbumLoginDialog.h"

#include <QPushButton>
#include <QTimer>
#include <memory>

#include "submit/AlbumLogin.h"

namespace orelle {

AlbumLoginDialog::AlbumLoginDialog(const WebClient& client, std::atomic<bool>& busy,
                                   QWidget* parent)
    : LoginDialog(kResourceId, "登陆相册", "请认真填写会员号和密码!", busy, parent),
      client_(client) {
    closeTimer_ = new QTimer(this);
    closeTimer_->setSingleShot(true);
    closeTimer_->setInterval(300);
    connect(closeTimer_, &QTimer::timeout, this, &AlbumLoginDialog::accept);
}

void AlbumLoginDialog::OnOK() {
    const std::string user = User();
    const std::string password = Password();
    WarnIfEmpty(user, password);
    SetHint("正在登录......");
    auto outcome = std::make_shared<AlbumLoginOutcome>();
    Exchange(
        [this, outcome, user, password](JobContext& context) {
            *outcome =
                AlbumLogin(client_, user, password, [&context] { return context.Stopped(); });
        },
        [this, outcome] {
            if (!outcome->accepted) {
                SetHint(outcome->hint ? outcome->hint : "");
                OkButton()->setEnabled(true);
                return;
            }
            orderNumber_ = outcome->orderNumber;
            albumList_ = outcome->albumList;
            closeTimer_->start();
        });
}

void AlbumLoginDialog::reject() {
    closeTimer_->stop();
    LoginDialog::reject();
}

}  // namespace orelle
