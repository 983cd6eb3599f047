#include "cell/CellHost.h"

#include "orderdata/ProcessState.h"

namespace orelle {

CellContext StationCellContext(CellHost& host, ProcessState& state, FileSystem& files,
                               PicturePrefetch& prefetch) {
    return CellContext{.host = host,
                       .photos = state.photoList,
                       .catalogue = state.startup.catalogue,
                       .flags = state.flags,
                       .session = state.session,
                       .showofile = state.startup.config.showofile,
                       .minDpi = state.startup.config.mindpi,
                       .busy = state.bRefreshing,
                       .files = files,
                       .prefetch = prefetch,
                       .faceStore = &state.faces,
                       .faces = state.startup.config.faces};
}

}  // namespace orelle
