#pragma once
// "登陆相册": the customer's album login before an album order. Accepted,
// it holds the album order number and the album list text of the reply.

#include "submit/LoginDialog.h"

class QTimer;

namespace orelle {

class WebClient;

class AlbumLoginDialog : public LoginDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1165;

    // The client must outlive the dialog.
    AlbumLoginDialog(const WebClient& client, std::atomic<bool>& busy, QWidget* parent = nullptr);

    const std::string& OrderNumber() const { return orderNumber_; }
    const std::string& AlbumListText() const { return albumList_; }
    void reject() override;

  protected:
    void OnOK() override;

  private:
    const WebClient& client_;
    QTimer* closeTimer_ = nullptr;  // 1000
    std::string orderNumber_, albumList_;
};

}  // namespace orelle
