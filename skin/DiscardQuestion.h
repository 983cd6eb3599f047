#pragma once
// The one question before a customer's photos are thrown away (the home
// command, cancelling the phone screen): asked only when there is
// something to lose.

class QWidget;

namespace orelle {

inline constexpr const char* kDiscardQuestion = "确定要放弃本次冲印吗?";

// True for Yes: the photos may go.
bool AskDiscard(QWidget* parent);

}  // namespace orelle
