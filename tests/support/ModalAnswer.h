#pragma once
// Answers the modal runs of one test with a function, and puts the real
// runs back when the test ends; or records what they showed.

#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// Keeps "title: text" of every dialog run (" [No]" after a question whose
// default is No) and answers Yes to a message box, Rejected to the rest;
// `first`, when set, may answer a dialog itself, unrecorded.
class ModalRecorder {
  public:
    ModalRecorder()
        : answer_([this](QDialog& d) -> int {
              if (first) {
                  if (const std::optional<int> answer = first(d)) return *answer;
              }
              auto* box = qobject_cast<QMessageBox*>(&d);
              shown.push_back(d.windowTitle().toStdString() + ": " + DialogText(d));
              if (box && box->button(QMessageBox::No) &&
                  box->defaultButton() == box->button(QMessageBox::No)) {
                  shown.back() += " [No]";
              }
              if (onShown) onShown();
              return box ? static_cast<int>(QMessageBox::Yes) : static_cast<int>(QDialog::Rejected);
          }) {}

    std::vector<std::string> shown;
    std::function<void()> onShown;                      // after each one is kept
    std::function<std::optional<int>(QDialog&)> first;  // its answer, when it has one

  private:
    ModalAnswer answer_;
};

}  // namespace orelle::testing
