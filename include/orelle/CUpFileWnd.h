#pragma once
// The host's upload window as the station sees it.

namespace orelle {

// The host's upload window object; the order's price check asks it for
// the size of what is still to be uploaded.
class CUpFileWnd {
  public:
    virtual ~CUpFileWnd() = default;
    virtual float GetUULOMCount() = 0;
};

}  // namespace orelle
