#include "support/PageCells.h"

#include <QApplication>
#include <QRect>
#include <algorithm>

#include "orderdata/ProcessState.h"
#include "platform/Services.h"
#include "platform/imaging/FaceDetector.h"

namespace orelle::bench {

namespace {

const QRect kCellRects[PageCells::kCells] = {{10, 62, 326, 295},   {347, 62, 326, 295},
                                             {684, 62, 326, 295},  {10, 359, 326, 295},
                                             {347, 359, 326, 295}, {684, 359, 326, 295}};

}  // namespace

PageCells::PageCells(ProcessState& state, const Services& services, bool findFaces)
    : prefetch_(services.files),
      faceFinder_(
          state.faces, [] { return MakeCascadeFaceDetector(); }, [this] { prefetch_.WaitIdle(); }),
      context_(StationCellContext(*this, state, services.files, prefetch_)) {
    if (findFaces) context_.faceFinder = &faceFinder_;
    window_.resize(1024, 738);
    for (int i = 0; i < kCells; ++i) {
        cells_.push_back(std::make_unique<PhotoCell>(context_));
        cells_.back()->cellIndex = i;
        cells_.back()->cellRect = kCellRects[i];
        cells_.back()->Create(&window_);
    }
    window_.show();
    QApplication::processEvents();
    cells_.front()->SetActive(true);
}

PageCells::~PageCells() { cells_.clear(); }

void PageCells::ToggleBigView(int i) {
    PhotoCell& cell = Cell(i);
    cell.SetBigView(!cell.bigView);
}

void PageCells::ClearAll() {
    for (auto& c : cells_) c->ClearCell();
}

void PageCells::ShowPage(PhotoList& list, int first) {
    first_ = first;
    for (int i = 0; i < kCells; ++i) PhotoCell::Prefetch(context_, list.At(first + i), false);
    for (int i = 0; i < kCells; ++i)
        cells_[static_cast<std::size_t>(i)]->ShowRecord(&list.At(first + i));
    for (auto& c : cells_) c->repaint();  // ready: every cell painted
}

void WaitForPictures(const std::vector<PhotoCell*>& cells) {
    const auto previews = [&] {
        return std::any_of(cells.begin(), cells.end(),
                           [](const PhotoCell* c) { return c->surface.ShowsPreview(); });
    };
    // The pictures come as posted events: no spinning while they decode.
    while (previews())
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    for (PhotoCell* c : cells) c->repaint();
}

void PageCells::WaitForPictures() {
    std::vector<PhotoCell*> all;
    for (auto& c : cells_) all.push_back(c.get());
    orelle::bench::WaitForPictures(all);
}

bool PageCells::AllShowImages() const {
    for (const auto& c : cells_) {
        if (!c->surface.HasImage()) return false;
    }
    return true;
}

}  // namespace orelle::bench
