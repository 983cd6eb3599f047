// orelle-gallery: a developer's tool that draws every dialog and popup of
// the station, and photo cells in their modes, into PNG files.

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "Gallery.h"
#include "ProgramOptions.h"
#include "platform/paths/Paths.h"
#include "skin/SkinLook.h"

namespace {
const char* const kUsage =
    "usage: orelle-gallery [--config DIR] DIR\n"
    "  draws every dialog and popup, and photo cells, into PNG files in DIR\n";
}  // namespace

int main(int argc, char** argv) {
    if (const int code = orelle::app::AnswerStandardOptions(argc, argv, "orelle-gallery", kUsage);
        code >= 0)
        return code;
    std::string folder;
    std::string settings = orelle::paths::ProgramFolder();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            settings = argv[++i];
        } else if (folder.empty() && argv[i][0] != '-') {
            folder = argv[i];
        } else {
            folder.clear();
            break;
        }
    }
    if (folder.empty()) return orelle::app::UsageError(kUsage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orelle::InstallSkinFonts();
    return orelle::app::RenderGallery(folder, settings) ? 0 : 1;
}
