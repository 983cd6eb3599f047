#pragma once
// Messages from the photo window to the host's main window, as Qt events
// sent synchronously: the host's window receives a HostMessage in event()
// and the call returns when it has been handled.

#include <QEvent>
#include <cstdint>

class QWidget;

namespace orelle {

inline constexpr int kMessageHandBack = 4027;      // back to the host
inline constexpr int kMessageIndexChanged = 4029;  // the current photo changed

class HostMessage : public QEvent {
  public:
    static QEvent::Type EventType();

    HostMessage(int message, std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam) {}

    int message;
    std::intptr_t wParam;
    std::intptr_t lParam;
};

// Sends to the host's window; nothing without one.
void SendHostMessage(QWidget* host, int message, std::intptr_t wParam = 0,
                     std::intptr_t lParam = 0);

}  // namespace orelle
