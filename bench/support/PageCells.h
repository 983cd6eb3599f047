#pragma once
// Six photo cells at the window's grid positions in a plain window that
// hosts them as the photo window does: the page fill without the rest of
// the window.

#include <QWidget>
#include <memory>
#include <vector>

#include "cell/FaceFinder.h"
#include "cell/PhotoCell.h"
#include "cell/PicturePrefetch.h"
#include "orderdata/PhotoList.h"

namespace orelle {
struct ProcessState;
struct Services;
}  // namespace orelle

namespace orelle::bench {

// Until none of the cells shows a preview any more, each then painted.
void WaitForPictures(const std::vector<PhotoCell*>& cells);

class PageCells : public CellHost {
  public:
    static constexpr int kCells = 6;

    // Shown, with the first cell active, on the photos of state; looking
    // for faces in them as the station does, unless told not to.
    PageCells(ProcessState& state, const Services& services, bool findFaces = true);
    ~PageCells();
    PageCells(const PageCells&) = delete;
    PageCells& operator=(const PageCells&) = delete;

    PhotoCell& Cell(int i) { return *cells_[static_cast<std::size_t>(i)]; }
    void ClearAll();
    // The window's page fill of list[first..first+5]: the six photos are
    // handed to the decoders first, then bound and painted one by one
    // (their previews where they carry one).
    void ShowPage(PhotoList& list, int first);
    // Until every cell has its picture in place of its preview, painted.
    void WaitForPictures();
    bool AllShowImages() const;

    void ActiveWin(int i) override { active_ = i; }
    int ActiveCell() const override { return active_; }
    std::int32_t RecordIndex(int cellIndex, bool) const override { return first_ + cellIndex; }
    void ToggleBigView(int i) override;

  private:
    PicturePrefetch prefetch_;
    FaceFinder faceFinder_;
    CellContext context_;
    int active_ = 0;
    std::int32_t first_ = 0;
    QWidget window_;
    std::vector<std::unique_ptr<PhotoCell>> cells_;
};

}  // namespace orelle::bench
