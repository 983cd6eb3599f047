// orelle-kiosk: the host program. Until the station's window exists it
// shows what the station would use with the settings it finds.

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "Gallery.h"
#include "orderdata/ProcessState.h"
#include "platform/text/NumberText.h"
#include "skin/SkinLook.h"

namespace {

void PrintSettings(const orelle::ProcessState& state) {
    const orelle::StartupData& s = state.startup;
    std::printf("settings folder: %s\n", s.settingsFolder.c_str());
    std::printf("backup root:     %s\n", s.config.dir.c_str());
    std::printf("order date:      %s (order numbers %sNNN)\n", s.date.dateStr.c_str(),
                s.date.datePrefix.c_str());
    std::printf("order server:    %s:%d (second %s:%d)\n", s.config.web.c_str(), s.config.webport,
                s.config.web2.c_str(), s.config.webport2);
    std::printf("database:        %s\n",
                s.config.dbHost.empty() ? "(none)" : s.config.dbHost.c_str());
    std::printf("print sizes:     %d\n", s.catalogue.GetCount());
    for (std::int32_t i = 0; i < s.catalogue.GetCount(); ++i) {
        const orelle::PrintSpec& spec = *s.catalogue.At(i);
        orelle::Prices p = s.catalogue.GetPrices(spec.pcode);
        std::printf("  %2d  %-6s %-12s %5s x %-5s in  price %s / %s\n", i, spec.pcode.c_str(),
                    spec.name.c_str(), orelle::text::FixedText(spec.x, 1).c_str(),
                    orelle::text::FixedText(spec.y, 1).c_str(),
                    orelle::text::FixedText(p.price, 2).c_str(),
                    orelle::text::FixedText(p.price1, 2).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string gallery;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            orelle::ReloadProcessSettings(argv[++i]);
        } else if (std::strcmp(argv[i], "--gallery") == 0 && i + 1 < argc) {
            gallery = argv[++i];
        } else {
            std::fprintf(stderr, "usage: orelle-kiosk [--config DIR] [--gallery DIR]\n");
            return 2;
        }
    }
    if (!gallery.empty()) {
        // Pictures only: no display needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        orelle::InstallSkinFonts();
        return orelle::app::RenderGallery(gallery) ? 0 : 1;
    }
    PrintSettings(orelle::Process());
    return 0;
}
