#pragma once
// Answers every dialog of the station as someone who accepts whatever is
// offered: OK and Yes, the values a dialog opens with, the order dialog's
// OK. For demonstrations and for checking a shop's set-up without a
// person (and without a display). Remembers the last text it was shown:
// a box's or a notice's text, or the order dialog's status line when its
// exchange failed.

#include <QDialog>
#include <string>

namespace orelle {

class UnattendedAnswers {
  public:
    UnattendedAnswers();
    ~UnattendedAnswers();
    UnattendedAnswers(const UnattendedAnswers&) = delete;
    UnattendedAnswers& operator=(const UnattendedAnswers&) = delete;

    const std::string& LastShown() const { return lastShown_; }
    // One dialog answered as the hook answers it, for a hook of the
    // caller's own that answers a few dialogs itself.
    int Answer(QDialog& dialog);

  private:
    std::string lastShown_;
};

}  // namespace orelle
