#pragma once
// The one door through which modal dialogs and message boxes run, so that
// tests can answer them instead of a customer.

#include <functional>
#include <string>

class QDialog;
class QWidget;

namespace orelle {

// Returns the dialog's result code. Without a display (the offscreen
// platform) nothing waits for an answer: the dialog's text goes to the
// standard error and its default answer is taken (OK, Yes, or Rejected).
int RunModal(QDialog& dialog);

// The text of the last message box or notice run through RunModal (empty
// before the first), so that a run without a person can say why it
// stopped. UI thread.
const std::string& LastShownText();

// A message box with one OK button; caption and text as given.
void ShowMessage(QWidget* parent, const char* caption, const char* text);
// A question box with Yes and No and the question icon; true for Yes.
bool AskYesNo(QWidget* parent, const char* caption, const char* text);

// Replaces the modal runs (nullptr puts the real ones back). The hook gets
// every dialog, message boxes included, and returns its result.
using ModalHook = std::function<int(QDialog&)>;
void SetModalHook(ModalHook hook);

}  // namespace orelle
