#pragma once
// A job of small photos in the process-wide list, and a host window that
// records the photo window's messages.

#include <QWidget>
#include <vector>

#include "support/TempFolder.h"

namespace orelle::testing {

// Writes n small JPEGs img_0.jpg ... into dir and appends their records
// (quantity 1) to the process's photo list.
void AddTestPhotos(const TempFolder& dir, int n);

class RecordingHost : public QWidget {
  public:
    RecordingHost() { resize(1024, 768); }
    std::vector<int> messages;

  protected:
    bool event(QEvent* e) override;
};

}  // namespace orelle::testing
