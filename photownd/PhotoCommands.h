#pragma once
// The photo window's commands, as the toolbar's buttons, the keys and the
// host's calls send them (the numbers are the shop's resource ids).

namespace orelle {

enum PhotoCommand : int {
    kCommandHome = 1215,
    kCommandCopy = 1216,
    kCommandDelete = 1217,
    kCommandRequirement = 1218,
    kCommandView = 1219,
    kCommandOrder = 1220,
    kCommandPrevPage = 1221,
    kCommandLastPage = 1222,
    kCommandFirstPage = 1223,
    kCommandNextPage = 1224,
    kCommandApply = 1225,
    kCommandDirApply = 1226,
    kCommandCount = 1227,
    kCommandRecharge = 1229,
    kCommandAlbumOrder = 1230,
    kCommandAddPhotos = 1231,
    kCommandHelp = 1232,
};

}  // namespace orelle
