#include "support/TestJob.h"

#include <memory>
#include <string>

#include "orderdata/PhotoList.h"
#include "orelle/HostMessage.h"
#include "support/TestJpeg.h"

namespace orelle::testing {

void AddTestPhotos(PhotoList& list, const TempFolder& dir, int n) {
    const std::string bytes = JpegBytes(48, 36);
    for (int i = 0; i < n; ++i) {
        const std::string name = "img_" + std::to_string(i) + ".jpg";
        WriteBytes(dir / name, bytes);
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = dir / name;
        r->origName = r->dstName = name;
        r->number = 1;
        list.Append(std::move(r));
    }
}

bool RecordingHost::event(QEvent* e) {
    if (e->type() == HostMessage::EventType()) {
        const auto* m = static_cast<HostMessage*>(e);
        messages.push_back(m->message);
        values.push_back({m->wParam, m->lParam});
        return true;
    }
    return QWidget::event(e);
}

}  // namespace orelle::testing
