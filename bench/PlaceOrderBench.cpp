// Placing the order of a 500-photo job in the database edition with
// insertdb 0 (the order dialog answers at once with a number), from the
// order command to the message 4027, on the disk; once more with the
// upload package.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/print/PrintDevice.h"
#include "submit/OrderPlacement.h"
#include "support/BenchStation.h"
#include "support/ScriptedOrderPrompts.h"
#include "support/Timing.h"

namespace orelle {
namespace {

// When the host heard of the order.
class TimedHost : public HostLink {
  public:
    std::chrono::steady_clock::time_point at;
    int messages = 0;
    void Send(int, std::intptr_t, std::intptr_t) override {
        at = std::chrono::steady_clock::now();
        ++messages;
    }
};

class NoPrinters : public Printers {
  public:
    std::unique_ptr<PrintDevice> OpenDefault() override { return nullptr; }
    std::unique_ptr<PrintDevice> OpenFile(const std::string&) override { return nullptr; }
    PrinterQueue DefaultQueue() override { return {}; }
};

double PlaceMs(const std::string& root, bool withPackage) {
    std::vector<std::string> photos;
    const std::string work = root + "/2026-12-7/261207001";
    for (int i = 0; i < 500; ++i)
        photos.push_back(work + "/100CANON/IMG_" + std::to_string(1000 + i) + ".jpg");
    bench::BenchStation station(photos);
    ProcessState& state = station.state;
    for (std::int32_t i = 0; i < state.photoList.GetSize(); ++i) state.photoList.At(i).bBrowsed = 1;
    state.startup.config.dir = root;
    state.startup.date = OrderDate::From({2026, 12, 7, 10, 0, 0});
    state.flags.verison_function = kEditionDatabase;
    state.flags.verison_origdirfile = withPackage ? 1 : 0;
    state.orderInfo.storeDDH = "261207001";
    state.orderInfo.historyID = 1;
    state.orderInfo.backupDir = work + "/";
    std::filesystem::create_directories(work);

    testing::ScriptedOrderPrompts prompts;
    prompts.order = testing::AcceptedOrder("0020261207001", "请注意!");
    TimedHost host;
    NoPrinters printers;
    OrderPlacement placement(state, station.services, prompts, host, printers);
    placement.openedFolder = "/media/card/DCIM";
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        state.session.bOrderPlaced = false;
        const auto start = std::chrono::steady_clock::now();
        const int before = host.messages;
        if (placement.Run() != PlacementResult::kPlaced || host.messages != before + 1) {
            std::printf("# placing failed\n");
            return -1;
        }
        times.push_back(std::chrono::duration<double>(host.at - start).count());
    }
    return bench::Median(times) * 1e3;
}

}  // namespace
}  // namespace orelle

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    const std::string root = scratch + "/orelle-bench-place";
    const double plain = orelle::PlaceMs(root, false);
    const double packaged = orelle::PlaceMs(root, true);
    std::printf("# goal: under 300 ms\n");
    orelle::bench::Figure("place_order_500_ms", plain, "ms");
    orelle::bench::Figure("place_order_500_with_package_ms", packaged, "ms");
    std::filesystem::remove_all(root);
    return plain >= 0 && packaged >= 0 ? 0 : 1;
}
