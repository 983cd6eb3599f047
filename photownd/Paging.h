#pragma once
// Moving through the job six photos (or one) at a time, without windows:
// each step changes the browsing state and says whether the page must be
// shown again. The caller checks the busy flag first.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "photownd/BrowseState.h"

namespace orelle {

class PhotoList;

// First, previous, next and last page in the six-cell view; first,
// previous, next and last photo in the single-photo view. True when
// something changed (then the page is refreshed).
bool PageFirst(BrowseState& b, std::int32_t count);
bool PageUp(BrowseState& b, std::int32_t count);
bool PageDown(BrowseState& b, std::int32_t count);
// Marks every photo browsed when it moves in the six-cell view.
bool PageLast(BrowseState& b, PhotoList& list);

// The page that shows the photo at index (the photo itself in the
// single-photo view); nothing for an index outside the list.
void PageToPhoto(BrowseState& b, std::int32_t index, std::int32_t count);

// The list index of the current photo, or -1 when there is none (a short
// last page, an empty list).
std::int32_t CurrentIndex(const BrowseState& b, std::int32_t count);

// "当前第%d张/总共%d张"
std::string IndexText(const BrowseState& b, std::int32_t count);

// The cell an arrow key makes active: step -1 or +1, wrapping.
int NeighbourCell(int cell, int step, int cells);

// What a page fill shows: (cell, list index) pairs. In the single-photo
// view the photo at nBigIndex, stepped back to the last photo when a
// delete took the end of the list; nothing for an empty list.
std::vector<std::pair<int, std::int32_t>> PagePlan(BrowseState& b, std::int32_t count);

}  // namespace orelle
