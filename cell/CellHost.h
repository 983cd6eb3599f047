#pragma once
// What a photo cell asks of the window that holds it.

namespace orelle {

class CellHost {
  public:
    virtual ~CellHost() = default;
    // Makes cell i the active one and tells the host program.
    virtual void ActiveWin(int i) = 0;
    // Binds the page at the browsing state's nFirstIndex to the cells, on
    // a worker.
    virtual void StartPageRefresh() = 0;
};

}  // namespace orelle
