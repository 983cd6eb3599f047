#pragma once
// Controls a finger can hit: in the dialogs whose controls no fixed layout
// of the shop's places (the folder picker, the add-photos dialog, the
// message boxes), every button, field, list row and check box is at least
// kTouchSide pixels tall. Dialogs laid out at fixed rectangles keep them.

#include <QString>

class QWidget;

namespace orelle {

inline constexpr int kTouchSide = 40;

// Gives the widget and its children the touch sizes (a style sheet).
void MakeTouchable(QWidget* widget);

}  // namespace orelle
