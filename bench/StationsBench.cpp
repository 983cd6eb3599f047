// Six stations on one backup root (settings of their own each) placing one
// order each at the same moment, as separate orelle-kiosk processes: the
// wall time until the last one has placed its order, median of 3 rounds.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/paths/Paths.h"
#include "support/CameraJpeg.h"
#include "support/KioskSettings.h"
#include "support/Timing.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    using namespace orelle;
    const std::string scratch = bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    QCoreApplication app(argc, argv);
    constexpr int kStations = 6;
    const fs::path root = fs::path(scratch) / "orelle-bench-stations";
    fs::remove_all(root);
    const fs::path program(paths::ProgramFolder());
    std::vector<std::string> configs, cards;
    for (int s = 0; s < kStations; ++s) {
        configs.push_back(bench::CopyKioskSettings(root / ("config" + std::to_string(s)), root / "backup"));
        const std::string card = root / ("card" + std::to_string(s));
        fs::create_directories(card + "/DCIM");
        for (int i = 0; i < 3; ++i)
            bench::WriteCameraJpeg(card + "/DCIM/IMG_" + std::to_string(i) + ".JPG",
                                   static_cast<std::uint32_t>(s * 3 + i), 1600, 1200);
        cards.push_back(card);
    }
    std::vector<double> rounds;
    std::set<std::string> told;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        std::vector<std::unique_ptr<QProcess>> kiosks;
        for (int s = 0; s < kStations; ++s) {
            auto kiosk = std::make_unique<QProcess>();
            kiosk->start(QString::fromStdString((program / "orelle-kiosk").string()),
                         {"--config", QString::fromStdString(configs[s]), "--folder",
                          QString::fromStdString(cards[s]), "--place-order", "--member", "M01"});
            kiosks.push_back(std::move(kiosk));
        }
        for (auto& kiosk : kiosks) {
            kiosk->waitForFinished(120000);
            const std::string out = kiosk->readAllStandardOutput().toStdString();
            if (kiosk->exitCode() != 0 || !told.insert(out).second) {
                std::printf("# a station failed or was told another's number: %s\n", out.c_str());
                return 1;
            }
        }
        rounds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    std::printf("# wall time of 6 processes, each loading 3 photos and placing its order\n");
    bench::Figure("stations_6_orders_s", bench::Median(rounds), "s");
    fs::remove_all(root);
    return 0;
}
