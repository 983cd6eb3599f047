// A phone visit as the station lives it: 21 photos of 12 megapixels (2 of
// them HEIC, sent first) posted in the upload page's way (two at a time,
// each as soon as the last is stored) to the station's own server, then
// "完成" on the QR screen; the time from "完成" to the first page shown.

#include <httplib.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "orderdata/ProcessState.h"
#include "phone/PhoneDialog.h"
#include "photownd/PhotoWindow.h"
#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/BenchStation.h"
#include "support/CameraJpeg.h"
#include "support/FolderLoadRun.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

namespace fs = std::filesystem;
using orelle::paths::Join;

constexpr int kRounds = 3;
constexpr int kPhonePhotos = 21;
constexpr int kPhoneHeic = 2;

// The photos as the phone holds them, kept between runs once complete.
bool MakePhonePhotos(const std::string& folder) {
    const std::string done = Join(folder, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    for (int i = 0; i < kPhonePhotos; ++i) {
        const std::string jpeg = Join(folder, "IMG_" + std::to_string(1000 + i) + ".JPG");
        orelle::bench::WriteCameraJpeg(jpeg, static_cast<std::uint32_t>(900 + i), 4032, 3024);
        if (i >= kPhoneHeic) continue;
        const std::string heic = Join(folder, "IMG_" + std::to_string(1000 + i) + ".HEIC");
        if (orelle::bench::TimeCommand({"heif-enc", "-q", "80", "-o", heic, jpeg}, 1) < 0)
            return false;
        fs::remove(jpeg, ec);
    }
    return orelle::bench::MarkComplete(done);
}

struct PhonePhoto {
    std::string name, bytes;
};

std::vector<PhonePhoto> ReadPhotos(const std::string& folder) {
    std::vector<PhonePhoto> photos;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().filename().string().front() == '.') continue;
        std::ifstream in(e.path(), std::ios::binary);
        photos.push_back(
            {e.path().filename().string(), std::string(std::istreambuf_iterator<char>(in), {})});
    }
    std::sort(photos.begin(), photos.end(),
              [](const PhonePhoto& a, const PhonePhoto& b) { return a.name < b.name; });
    return photos;
}

// The page's way: two uploads at a time, in the phone's order. False when
// one was refused.
bool Send(const std::string& address, const std::vector<PhonePhoto>& photos) {
    const std::string rest = address.substr(address.find("//") + 2);
    const std::string hostPort = rest.substr(0, rest.find('/'));
    const std::string page = rest.substr(rest.find('/'));
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    auto sender = [&] {
        httplib::Client client("http://" + hostPort);
        for (std::size_t i; (i = next++) < photos.size();) {
            const auto r = client.Post(page + "photo?name=" + photos[i].name, photos[i].bytes,
                                       "application/octet-stream");
            if (!r || r->status != 200) ok = false;
        }
    };
    std::thread a(sender), b(sender);
    a.join();
    b.join();
    return ok;
}

// Opens the visit, sends the photos and taps "完成" once every one is
// stored.
double DoneToFirstPage(orelle::PhotoWindow& window, const orelle::ProcessState& process,
                       const std::vector<PhonePhoto>& photos) {
    std::string address;
    orelle::CPhotoWnd::PhoneOptions options;
    options.served = [&address](const std::string& a) { address = a; };
    if (!window.OpenPhone(false, options)) return -1;
    std::atomic<bool> sent{false}, ok{false};
    std::thread sending([&] {
        ok = Send(address, photos);
        sent = true;
    });
    QTimer tick;  // keeps the loop waking while the photos arrive
    tick.start(2);
    while (!sent) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    sending.join();
    auto* done = window.PhoneScreen()->findChild<QPushButton*>(
        QString::number(orelle::PhoneDialog::kDoneId));
    if (!ok || !done) return -1;
    const auto start = std::chrono::steady_clock::now();
    done->click();
    const double seconds = orelle::bench::WaitForFirstPage(process, start);
    window.WaitForJobs();
    return seconds;
}

// Seconds from "完成" to the first page; negative when the visit did not
// become a job of every photo.
double TimeVisit(const std::vector<PhonePhoto>& photos, const std::string& base) {
    using namespace orelle;
    const std::string root = Join(base, "phone_backup");
    bench::RemoveAndSettle(root);
    bench::BenchStation station;
    ProcessState& process = station.state;
    process.startup.config.dir = root;
    // Served on the loopback address, on any free port.
    const std::string settings = Join(base, "phone_settings");
    fs::create_directories(settings);
    std::ofstream(Join(settings, "param.ini"), std::ios::binary)
        << "[phone]\r\nenabled=1\r\naddress=127.0.0.1\r\nport=0\r\n";
    process.startup.settingsFolder = paths::WithTrailingSeparator(settings);
    const double seconds = bench::OnPhotoWindow(
        station, kPhonePhotos, "the visit",
        [&](PhotoWindow& window) { return DoneToFirstPage(window, process, photos); });
    bench::RemoveAndSettle(root);
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);
    if (!orelle::bench::HaveProgram("heif-enc")) {
        std::printf("# heif-enc is missing (libheif-examples): no phone figure\n");
        return 0;
    }
    const std::string base = Join(scratch, "phone_first_page");
    const std::string folder = Join(base, "phone");
    if (!MakePhonePhotos(folder)) return 1;
    const std::vector<PhonePhoto> photos = ReadPhotos(folder);
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const double shown = TimeVisit(photos, base);
        if (shown < 0) return 1;
        times.push_back(shown);
    }
    std::printf(
        "# %d photos of 12 megapixels (%d HEIC, sent first) from a phone, \"完成\" to "
        "the first page: %.2f, %.2f, %.2f s\n",
        kPhonePhotos, kPhoneHeic, times[0], times[1], times[2]);
    orelle::bench::Figure("phone_done_to_first_page_s", orelle::bench::Median(times), "s");
    return 0;
}
