#include "submit/BackOfficeLoginDialog.h"

#include <QPushButton>
#include <memory>

#include "skin/ModalRunner.h"
#include "submit/BackOfficeLogin.h"
#include "submit/ScramblePassword.h"

namespace orelle {

BackOfficeLoginDialog::BackOfficeLoginDialog(const WebClient& client, BackOfficeLogin& kept,
                                             std::atomic<bool>& busy, QWidget* parent)
    : LoginDialog(kResourceId, "网冲后台用户登陆!", "请认真填写用户名和密码!", busy, parent),
      client_(client),
      kept_(kept) {}

void BackOfficeLoginDialog::OnOK() {
    const std::string user = User();
    const std::string password = Password();
    WarnIfEmpty(user, password);
    // Scrambled afresh at every try: the field keeps what was typed, so that
    // a second try after a network failure sends the same password.
    const std::string scrambled = ScramblePassword(password);
    auto answer = std::make_shared<BackOfficeAnswer>(BackOfficeAnswer::kNoNetwork);
    Exchange(
        [this, answer, user, scrambled](JobContext& context) {
            *answer = BackOfficeLoginExchange(client_, user, scrambled,
                                              [&context] { return context.Stopped(); });
        },
        [this, answer, user, scrambled] {
            if (*answer == BackOfficeAnswer::kAccepted) {
                kept_ = BackOfficeLogin{user, scrambled, true};
                accept();
                return;
            }
            OkButton()->setEnabled(true);
            ShowMessage(nullptr, "提示", BackOfficeLoginMessage(*answer));
        });
}

}  // namespace orelle
