// Building the upload package of a job of 5000 photos in its work folder on
// the disk: two lists of 5000 records, written and flushed.

#include <cstdio>
#include <filesystem>
#include <string>

#include "orderdata/DirList.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoList.h"
#include "orderdata/UploadPackage.h"
#include "platform/files/FileSystem.h"
#include "support/Timing.h"

int main(int argc, char** argv) {
    using namespace orelle;
    const std::string scratch = bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    const std::string root = scratch + "/orelle-bench-package";
    const OrderPaths paths{root, "2026-12-7"};
    CustomerInfo customer;
    OrderInfo info{customer};
    info.storeDDH = "261207001";
    info.saleDDH = "0020261207001";
    const std::string work = paths.WorkFolder(info.storeDDH);
    std::filesystem::create_directories(work);
    PhotoList list;
    DirList dirs;
    const std::string opened = "/media/card/DCIM";
    for (int i = 0; i < 5000; ++i) {
        const std::string folder = (i % 5 == 0 ? "旅行" : "10" + std::to_string(i % 4) + "CANON");
        dirs.AddIfAbsent(opened + "/" + folder);
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = work + "/" + folder + "/IMG_" + std::to_string(1000 + i) + ".jpg";
        r->number = 1;
        list.Append(std::move(r));
    }
    UploadPackage package(paths, info, list, dirs, opened, FileSystem::Default());
    bool ok = true;
    const double seconds = bench::MedianSeconds(15, [&] { ok = package.MakeOrigOrder() && ok; });
    std::printf("# upload package of 5000 photos: %s\n", ok ? "complete" : "FAILED");
    bench::Figure("upload_package_5000_ms", seconds * 1e3, "ms");
    std::filesystem::remove_all(root);
    return ok ? 0 : 1;
}
