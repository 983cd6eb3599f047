#include "submit/LoginDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/gbk/Gbk.h"
#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

// Typing stops at the field's size in GBK bytes, as the edit's limit did.
QLineEdit* MakeField(QWidget* parent, int id, bool secret) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    if (secret) edit->setEchoMode(QLineEdit::Password);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] {
        const std::string text = edit->text().toStdString();
        if (gbk::Length(text) <= LoginDialog::kFieldBytes) return;
        edit->setText(QString::fromStdString(gbk::CutToBytes(text, LoginDialog::kFieldBytes)));
    });
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* text) {
    return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

LoginDialog::LoginDialog(int resourceId, const char* caption, const char* hint,
                         std::atomic<bool>& busy, QWidget* parent)
    : QDialog(parent), jobs_(busy) {
    setObjectName(QString::number(resourceId));
    setWindowTitle(QString::fromUtf8(caption));
    setFont(DialogFont());
    user_ = MakeField(this, kUserId, false);
    password_ = MakeField(this, kPasswordId, true);
    hint_ = new QLabel(QString::fromUtf8(hint), this);
    hint_->setObjectName(QString::number(kHintId));
    ok_ = new QPushButton(QString::fromUtf8("确定"), this);
    ok_->setObjectName("1");
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("2");

    auto* form = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    fields->addWidget(MakeLabel(this, "用户名:"), 0, 0);
    fields->addWidget(user_, 0, 1);
    fields->addWidget(MakeLabel(this, "密  码:"), 1, 0);
    fields->addWidget(password_, 1, 1);
    form->addLayout(fields);
    form->addWidget(hint_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    form->addLayout(buttons);
    setFixedSize(300, 150);

    connect(ok_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, &LoginDialog::reject);
}

LoginDialog::~LoginDialog() = default;

std::string LoginDialog::User() const { return user_->text().toStdString(); }
std::string LoginDialog::Password() const { return password_->text().toStdString(); }
std::string LoginDialog::Hint() const { return hint_->text().toStdString(); }
void LoginDialog::SetHint(const std::string& utf8) { hint_->setText(QString::fromStdString(utf8)); }

void LoginDialog::Exchange(std::function<void(JobContext&)> work, std::function<void()> done) {
    ok_->setEnabled(false);
    JobRunner::Job job;
    job.work = std::move(work);
    job.done = std::move(done);
    if (!jobs_.Start(std::move(job))) ok_->setEnabled(true);
}

void LoginDialog::reject() {
    jobs_.Stop();
    jobs_.Wait();
    QDialog::reject();
}

void WarnIfEmpty(const std::string& user, const std::string& password) {
    if (user.empty() || password.empty()) ShowMessage(nullptr, "提示!", "请认真填写会员号和密码!");
}

}  // namespace orelle
