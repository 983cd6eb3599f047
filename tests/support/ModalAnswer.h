#pragma once
// Answers the modal runs of one test with a function, and puts the real
// runs back when the test ends.

#include <QMessageBox>
#include <string>

#include "skin/ModalRunner.h"
#include "skin/ShowNotice.h"

namespace orelle::testing {

class ModalAnswer {
  public:
    explicit ModalAnswer(ModalHook hook) { SetModalHook(std::move(hook)); }
    ~ModalAnswer() { SetModalHook(nullptr); }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;
};

// The text of a message box or a notice; empty for other dialogs.
inline std::string DialogText(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->text().toStdString();
    if (auto* notice = qobject_cast<NoticeDialog*>(&dialog)) return notice->Text();
    return {};
}

}  // namespace orelle::testing
