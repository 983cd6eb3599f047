#pragma once
// A job of small photos, and a host window that records the photo window's
// messages.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "support/TempFolder.h"

namespace orelle {
class PhotoList;
}  // namespace orelle

namespace orelle::testing {

// Writes n small JPEGs img_0.jpg ... into dir and appends their records
// (quantity 1) to the list.
void AddTestPhotos(PhotoList& list, const TempFolder& dir, int n);

class RecordingHost : public QWidget {
  public:
    RecordingHost() { resize(1024, 768); }
    std::vector<int> messages;
    struct Values {
        std::intptr_t wParam, lParam;
    };
    std::vector<Values> values;  // of each message, in order

  protected:
    bool event(QEvent* e) override;
};

}  // namespace orelle::testing
