#include "submit/BackOfficeLoginDialog.h"

#include <QPushButton>
#include <memory>

#include "skin/ModalRunner.h"
#include "submit/ScramblePassword.h"
#include "submit/StoreLogin.h"

namespace orelle {

BackOfficeLoginDialog::BackOfficeLoginDialog(const WebClient& client, StoreLogin& kept,
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
    auto answer = std::make_shared<StoreLoginAnswer>(StoreLoginAnswer::kNoNetwork);
    Exchange(
        [this, answer, user, scrambled](JobContext& context) {
            *answer = StoreLoginExchange(client_, user, scrambled,
                                         [&context] { return context.Stopped(); });
        },
        [this, answer, user, scrambled] {
            if (*answer == StoreLoginAnswer::kAccepted) {
                kept_ = StoreLogin{user, scrambled, true};
                accept();
                return;
            }
            OkButton()->setEnabled(true);
            ShowMessage(nullptr, "提示", StoreLoginMessage(*answer));
        });
}

}  // namespace orelle
