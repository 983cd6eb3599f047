#include "photownd/BrowseState.h"

namespace orelle {

BrowseState& Browse() {
    static BrowseState state;
    return state;
}

}  // namespace orelle
