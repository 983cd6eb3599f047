#pragma once
// What Qt would say on the standard error about the machine rather than
// the station, answered before it is said: a kiosk started outside a
// desktop session has no runtime folder, and the offscreen platform (no
// display: pictures, receipts, unattended orders) has no window manager
// to hear a window's fixed size.

namespace orelle::app {

// Before the QApplication: gives Qt the runtime folder it would make
// itself, so that it does not complain of its absence; and lets no
// message of the offscreen platform's about fixed sizes through.
void QuietQtChatter();

}  // namespace orelle::app
