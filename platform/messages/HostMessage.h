#pragma once
// Sending the host's messages (include/orelle/HostMessage.h) to its window.

#include <cstdint>

#include "orelle/HostMessage.h"

class QObject;

namespace orelle {

// Sends to the host's window and returns when it has been handled; nothing
// without one.
void SendHostMessage(QObject* host, int message, std::intptr_t wParam = 0,
                     std::intptr_t lParam = 0);

}  // namespace orelle
