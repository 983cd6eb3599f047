#pragma once
// The plain login dialog the album login and the back-office login share:
// a user name (edit 1073) and a password (edit 1074), each at most 20 GBK
// bytes, a hint line (static 1078), OK and Cancel. OK starts the login's
// exchange on a worker and is disabled until it ends; Cancel, Escape or
// closing the window stops the worker, which then changes nothing, and
// closes at once.

#include <QDialog>
#include <atomic>
#include <string>

#include "platform/jobs/JobRunner.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orelle {

class LoginDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kUserId = 1073;
    static constexpr int kPasswordId = 1074;
    static constexpr int kHintId = 1078;
    static constexpr int kFieldBytes = 20;

    LoginDialog(int resourceId, const char* caption, const char* hint, std::atomic<bool>& busy,
                QWidget* parent);
    ~LoginDialog() override;

    std::string User() const;
    std::string Password() const;
    std::string Hint() const;
    QPushButton* OkButton() const { return ok_; }
    // Stops a running exchange and closes as cancelled.
    void reject() override;

  protected:
    // Runs the exchange: the work on the worker, then done on the UI thread
    // unless the dialog was cancelled meanwhile. OK stays disabled; done
    // enables it again when the dialog stays open for another try.
    void Exchange(std::function<void(JobContext&)> work, std::function<void()> done);
    void SetHint(const std::string& utf8);
    virtual void OnOK() = 0;

  private:
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* ok_ = nullptr;
    JobRunner jobs_;
};

// "请认真填写会员号和密码!" titled "提示!" when a field is empty; the login
// goes on either way.
void WarnIfEmpty(const std::string& user, const std::string& password);

}  // namespace orelle
