#pragma once
// Six photo cells at the window's grid positions in a plain window, bound
// into the browse state as the photo window binds its own: the page fill
// without the rest of the window.

#include <QWidget>
#include <memory>
#include <vector>

#include "cell/PhotoCell.h"
#include "orderdata/PhotoList.h"

namespace orelle::bench {

class PageCells {
  public:
    static constexpr int kCells = 6;

    PageCells();  // shown, with the first cell active
    ~PageCells();
    PageCells(const PageCells&) = delete;
    PageCells& operator=(const PageCells&) = delete;

    PhotoCell& Cell(int i) { return *cells_[static_cast<std::size_t>(i)]; }
    void ClearAll();
    // The window's page fill of list[first..first+5]: the six photos are
    // handed to the decoders first, then bound and painted one by one.
    void ShowPage(PhotoList& list, int first);
    bool AllShowImages() const;

  private:
    QWidget window_;
    std::vector<std::unique_ptr<PhotoCell>> cells_;
};

}  // namespace orelle::bench
