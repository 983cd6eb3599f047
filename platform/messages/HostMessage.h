#pragma once
// Sending the host's messages (include/orelle/HostMessage.h) to its window.

#include <cstdint>

#include <QPointer>

#include "orelle/HostMessage.h"
#include "platform/messages/HostLink.h"

namespace orelle {

// Sends to the host's window and returns when it has been handled; nothing
// without one.
void SendHostMessage(QObject* host, int message, std::intptr_t wParam = 0,
                     std::intptr_t lParam = 0);

// The host's window as the link back to it; nothing once it is gone.
class HostWindowLink final : public HostLink {
  public:
    explicit HostWindowLink(QObject* host) : host_(host) {}
    void Send(int message, std::intptr_t wParam, std::intptr_t lParam) override {
        SendHostMessage(host_.data(), message, wParam, lParam);
    }

  private:
    QPointer<QObject> host_;
};

}  // namespace orelle
