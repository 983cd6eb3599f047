#pragma once
// The messages the station sends to the host's main window, as Qt events
// sent synchronously: the host's window receives a HostMessage in event()
// and the station goes on when it has been handled.

#include <QEvent>
#include <cstdint>

#include "orelle/Export.h"

namespace orelle {

// The station hands control back: a job is over, was given up or never
// started, or an order was placed.
inline constexpr int kMessageHandBack = 4027;
// The current photo changed: GetIndexStr has a new text.
inline constexpr int kMessageIndexChanged = 4029;

class ORELLE_EXPORT HostMessage : public QEvent {
  public:
    static QEvent::Type EventType();

    HostMessage(int message, std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam) {}

    int message;
    std::intptr_t wParam;
    std::intptr_t lParam;
};

}  // namespace orelle
