// The crop geometry on the paths the widget runs most: a refresh (every
// resize, mode or size change) and one step of a frame drag (every mouse
// move). Both must stay far below a frame of the display.

#include <cstdio>
#include <memory>

#include "cell/FrameGeometry.h"
#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"
#include "support/Timing.h"

namespace {

constexpr int kIterations = 100000;
constexpr int kRepeats = 21;

}  // namespace

int main() {
    using namespace orelle;
    PrintCatalogue catalogue;
    catalogue.Append({"C6", "6寸", 4, 6, 0, 0});
    PhotoList list;
    list.Append(std::make_unique<PhotoRecord>());
    FrameGeometry geometry(&catalogue, &list);
    geometry.SetSurfaceSize(289, 214);
    PhotoRecord record;
    record.specIndex = 0;
    geometry.LoadFromRecord(record, 4000, 3000);
    // A portrait frame on a landscape photo has room to move sideways.
    geometry.ToggleFit();

    const double refresh = bench::MedianSeconds(kRepeats, [&] {
        for (int i = 0; i < kIterations; ++i) geometry.Refresh();
    });

    const PixelRect& frame = geometry.frameRect;
    const int x = frame.left - geometry.imageRect.left + frame.Width() / 2;
    const int y = frame.Height() / 2;
    geometry.Press(x, y, 1);
    int moved = 0;
    int step = 0;
    // Six pixels left, then back: each step passes the drag threshold.
    const double drag = bench::MedianSeconds(kRepeats, [&] {
        for (int i = 0; i < kIterations; ++i, ++step) {
            moved += geometry.Move(step % 2 == 0 ? x - 6 : x, y, false).frameMoved ? 1 : 0;
        }
    });
    geometry.Release();

    std::printf(
        "# %d refreshes and %d drag steps a run, median of %d runs; %d of the steps "
        "moved the frame, crop stored %d,%d %dx%d\n",
        kIterations, kIterations, kRepeats, moved, list.At(0).rcDst.left, list.At(0).rcDst.top,
        list.At(0).rcDst.width, list.At(0).rcDst.height);
    bench::Figure("refresh_us", refresh / kIterations * 1e6, "us");
    bench::Figure("drag_step_us", drag / kIterations * 1e6, "us");
    return moved == step ? 0 : 1;
}
