#pragma once
// The gallery's photo cells: small views in crop, white-border fill and
// zoom, an unordered photo, and the big view with its tools.

namespace orelle {
struct ProcessState;
struct Services;
}  // namespace orelle

namespace orelle::app {

class Gallery;

void Cells(Gallery& g, ProcessState& state, const Services& services);

}  // namespace orelle::app
