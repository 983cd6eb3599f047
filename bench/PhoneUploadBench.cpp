// Photos from a phone: 50 photos of 4 MB sent to the station in the page's
// own way (POST photo?name=..., the file as the body, two at a time)
// against curl posting the same files to a plain cpp-httplib server that
// writes each body to a file; and the time from a photo's upload to its
// thumbnail on the QR screen.
#include <httplib.h>

#include <QTest>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "phone/PhoneDialog.h"
#include "phone/PhoneSession.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "support/BenchApplication.h"
#include "support/CameraJpeg.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace fs = std::filesystem;
using namespace orelle;

namespace {

constexpr int kPhotos = 50;
constexpr std::size_t kPhotoBytes = std::size_t{4} << 20;

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Camera photos padded to 4 MB each (a few pictures, 50 files).
std::vector<std::string> MakePhotos(const std::string& folder) {
    fs::create_directories(folder);
    std::vector<std::string> pictures;
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const std::string p = folder + "/seed" + std::to_string(seed) + ".jpg";
        bench::WriteCameraJpeg(p, seed, 3000, 2000);
        pictures.push_back(ReadWhole(p));
        fs::remove(p);
    }
    std::mt19937 random(7);
    std::vector<std::string> paths;
    for (int i = 0; i < kPhotos; ++i) {
        std::string bytes = pictures[static_cast<std::size_t>(i) % pictures.size()];
        while (bytes.size() < kPhotoBytes) bytes.push_back(static_cast<char>(random()));
        bytes.resize(kPhotoBytes);
        const std::string path = folder + "/IMG_" + std::to_string(1000 + i) + ".JPG";
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        paths.push_back(path);
    }
    return paths;
}

// The page's way: two uploads at a time, each file read and posted whole.
double SendLikeThePage(int port, const std::string& pagePath,
                       const std::vector<std::string>& paths) {
    std::atomic<std::size_t> next{0};
    const auto start = std::chrono::steady_clock::now();
    auto sender = [&] {
        for (std::size_t i; (i = next++) < paths.size();) {
            httplib::Client client("127.0.0.1", port);
            const std::string body = ReadWhole(paths[i]);
            const auto r = client.Post(pagePath + "photo?name=" + fs::path(paths[i]).filename().string(),
                                       body, "application/octet-stream");
            if (!r || r->status != 200) std::fprintf(stderr, "upload %zu failed\n", i);
        }
    };
    std::thread a(sender), b(sender);
    a.join();
    b.join();
    return bench::SecondsSince(start);
}

// curl posting the same files, one process with every upload, to a plain
// server writing each body to a file of its own.
double SendWithCurl(const std::string& folder, const std::vector<std::string>& paths) {
    httplib::Server plain;
    std::atomic<int> n{0};
    plain.Post("/upload", [&](const httplib::Request& req, httplib::Response& res) {
        std::ofstream(folder + "/" + std::to_string(n++) + ".jpg", std::ios::binary)
            .write(req.body.data(), std::streamsize(req.body.size()));
        res.set_content("{\"ok\":true}", "application/json");
    });
    const int port = plain.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { plain.listen_after_bind(); });
    std::vector<std::string> argv = {"curl", "-s", "-o", "/dev/null"};
    for (const std::string& p : paths) {
        if (argv.size() > 4) argv.push_back("--next");
        for (const char* a : {"-s", "-o", "/dev/null", "-H", "Content-Type: application/octet-stream",
                              "-H", "Expect:", "--data-binary"})
            argv.push_back(a);
        argv.push_back("@" + p);
        argv.push_back("http://127.0.0.1:" + std::to_string(port) + "/upload");
    }
    const double seconds = bench::TimeCommand(argv, 1);
    plain.stop();
    serving.join();
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    bench::BenchApplication app(argc, argv);
    if (!bench::HaveProgram("curl")) {
        std::fprintf(stderr, "curl is needed\n");
        return 1;
    }
    const std::string root = scratch + "/phone-bench";
    fs::remove_all(root);
    const std::vector<std::string> photos = MakePhotos(root + "/photos");

    std::vector<double> ours, theirs, thumbnails;
    for (int round = 0; round < 3; ++round) {
        PhoneSession session(root + "/session", root, FileSystem::Default(), DiskInfo::Default());
        session.Open();
        PhoneDialog screen(session, "http://127.0.0.1/", 0, [](PhoneEnd, int) {}, nullptr, nullptr);
        WebServerLimits limits;
        limits.maxBodyBytes = PhoneLimits{}.maxPhotoBytes;
        int port = 0;
        if (!WebServer::Default().Start("127.0.0.1", 0, session, limits, &port)) return 1;
        // The first photo alone: from its upload to its thumbnail on screen.
        const auto start = std::chrono::steady_clock::now();
        SendLikeThePage(port, session.PagePath(), {photos.front()});
        while (screen.Shown() < 1) QTest::qWait(1);
        thumbnails.push_back(bench::SecondsSince(start) * 1000);
        std::vector<std::string> rest(photos.begin() + 1, photos.end());
        rest.push_back(photos.front() + ".again");
        fs::copy_file(photos.front(), rest.back(), fs::copy_options::overwrite_existing);
        ours.push_back(SendLikeThePage(port, session.PagePath(), rest));
        WebServer::Default().Stop();
        session.End();
        fs::remove_all(root + "/plain");
        fs::create_directories(root + "/plain");
        theirs.push_back(SendWithCurl(root + "/plain", rest));
        fs::remove(rest.back());
    }
    std::printf("# %d photos of 4 MB: ours %.3f s, curl to a plain server %.3f s (median of 3)\n",
                kPhotos, bench::Median(ours), bench::Median(theirs));
    bench::Ratio("phone_upload_vs_curl", bench::Median(ours), bench::Median(theirs));
    std::printf("# from the start of a 4 MB photo's upload to its thumbnail on the QR screen\n");
    bench::Figure("phone_first_thumbnail_ms", bench::Median(thumbnails), "ms");
    fs::remove_all(root);
    return 0;
}
