#pragma once
// What a photo cell asks of the window that holds it, and what it reads of
// the station. UI thread only.

#include <atomic>
#include <cstdint>

namespace orelle {

class FaceFinder;
class FaceStore;
class FileSystem;
class PhotoList;
class PicturePrefetch;
class PrintCatalogue;
struct FeatureFlags;
struct OrderSession;
struct ProcessState;

class CellHost {
  public:
    virtual ~CellHost() = default;
    // Makes cell i the active one and tells the host program.
    virtual void ActiveWin(int i) = 0;
    virtual int ActiveCell() const = 0;
    // The list index of the photo that cell i shows in the grid, or in the
    // single-photo view.
    virtual std::int32_t RecordIndex(int cellIndex, bool bigView) const = 0;
    // Cell i enters or leaves the single-photo view; the window hides or
    // shows the other cells and moves the page with it.
    virtual void ToggleBigView(int cellIndex) = 0;
    // A cell changed what a photo orders (its prints or its size).
    virtual void RecordChanged() {}
    // The customer changed a photo's settings in a cell (any of them).
    virtual void RecordEdited() {}
};

// Everything a cell reads besides its window; it outlives the cells.
struct CellContext {
    CellHost& host;
    PhotoList& photos;
    const PrintCatalogue& catalogue;
    const FeatureFlags& flags;
    const OrderSession& session;
    int showofile = 0;  // the size lists' switch
    // Photos giving fewer pixels per inch of their print are marked; 0: none.
    std::int32_t minDpi = 0;
    // Raised while a worker owns the list: edits do nothing.
    const std::atomic<bool>& busy;
    FileSystem& files;
    PicturePrefetch& prefetch;
    // The faces of the shown photos, found by finder ([crop] faces: 0 none
    // looked for, 1 a cut face marked, 2 also new photos framed to keep
    // them); no finder: none looked for.
    FaceStore* faceStore = nullptr;
    FaceFinder* faceFinder = nullptr;
    std::int32_t faces = 0;
};

// The cells' view of the station's state: its list, catalogue, flags,
// order values and busy flag; photos read through files.
CellContext StationCellContext(CellHost& host, ProcessState& state, FileSystem& files,
                               PicturePrefetch& prefetch);

}  // namespace orelle
