#pragma once
// The way back to the host's main window: its messages (4027, 4029), each
// sent and handled before Send returns. Window-free, so that the flows
// that end in a message run in tests with a recording link.

#include <cstdint>

namespace orelle {

class HostLink {
  public:
    virtual ~HostLink() = default;
    virtual void Send(int message, std::intptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace orelle
