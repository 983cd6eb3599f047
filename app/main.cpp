// orelle-kiosk: the host program. Runs the station in a kiosk frame; or
// saves one picture of it, draws the gallery, or prints the settings.

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <QTimer>
#include <vector>

#include "Gallery.h"
#include "KioskFrame.h"
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

namespace {

// Saves the frame once the page refresh has ended and the cells are drawn.
void SaveWhenReady(orelle::app::KioskFrame& frame, const std::string& file, int& status) {
    auto* timer = new QTimer(&frame);
    auto idleTicks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, &frame, [&frame, file, &status, timer, idleTicks] {
        *idleTicks = frame.Busy() ? 0 : *idleTicks + 1;
        if (*idleTicks < 5) return;
        timer->stop();
        if (!frame.grab().save(QString::fromStdString(file), "PNG")) {
            std::fprintf(stderr, "orelle-kiosk: cannot write %s\n", file.c_str());
            status = 1;
        } else {
            std::printf("%s\n", file.c_str());
        }
        QApplication::quit();
    });
    timer->start(50);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: orelle-kiosk [--config DIR] [--folder DIR | --photos FILE...]\n"
                 "                    [--screenshot FILE]\n"
                 "       orelle-kiosk [--config DIR] --gallery DIR | --settings\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string gallery;
    std::string screenshot;
    std::vector<std::string> photos;
    std::string folder;
    bool settings = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            orelle::ReloadProcessSettings(argv[++i]);
        } else if (std::strcmp(argv[i], "--gallery") == 0 && i + 1 < argc) {
            gallery = argv[++i];
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::strcmp(argv[i], "--photos") == 0) {
            while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0)
                photos.push_back(argv[++i]);
        } else if (std::strcmp(argv[i], "--settings") == 0) {
            settings = true;
        } else {
            return Usage();
        }
    }
    if (settings) {
        PrintSettings(orelle::Process());
        return 0;
    }
    // Pictures only: no display needed.
    if ((!gallery.empty() || !screenshot.empty()) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    orelle::InstallSkinFonts();
    if (!gallery.empty()) return orelle::app::RenderGallery(gallery) ? 0 : 1;

    orelle::app::KioskFrame frame(photos, folder);
    frame.show();
    int status = 0;
    if (!screenshot.empty()) {
        if (!photos.empty() || !folder.empty()) frame.StartJob();
        SaveWhenReady(frame, screenshot, status);
    }
    const int code = app.exec();
    return status != 0 ? status : code;
}
