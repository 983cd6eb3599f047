#pragma once
// "网冲后台用户登陆!": a shop operator's login to the back office. Accepted,
// the store user name and the scrambled password are kept in the login
// handed in, for the rest of the process.

#include "submit/LoginDialog.h"

namespace orelle {

class WebClient;
struct BackOfficeLogin;

class BackOfficeLoginDialog : public LoginDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1169;

    // The client and the kept login must outlive the dialog.
    BackOfficeLoginDialog(const WebClient& client, BackOfficeLogin& kept, std::atomic<bool>& busy,
                          QWidget* parent = nullptr);

  protected:
    void OnOK() override;

  private:
    const WebClient& client_;
    BackOfficeLogin& kept_;
};

}  // namespace orelle
