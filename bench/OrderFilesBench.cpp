// Rewriting photo.ini for jobs of 100, 1000 and 5000 photos, against
// replacing the file with the finished bytes (the same temporary file,
// flush and rename) and against one plain buffered write of them.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/PhotoList.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "support/Timing.h"

namespace orelle {
namespace {

void FillJob(OrderInfo& info, PhotoList& list, int count) {
    info.customer.username = "张三";
    info.customer.sendaddr = "杭州市西湖区文三路1号";
    info.memo = "6寸:120张\r\n光面";
    info.backupDir = "/backup/2026-12-6/261206001/";
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<PhotoRecord>();
        std::string name = "IMG_" + std::to_string(1000 + i) + ".jpg";
        r->srcName = info.backupDir + (i % 3 == 0 ? "旅行/" : "DCIM/") + name;
        r->dstName = name;
        r->origName = name;
        r->origDir = i % 3 == 0 ? "/media/card/旅行" : "/media/card/DCIM/100CANON";
        r->specIndex = i % 14;
        r->productID = "C" + std::to_string(i % 14);
        r->number = i % 4;
        r->operate = i % 4 == 3 ? kModeZoom : kModeCrop;
        r->rcDst = {i % 7, i % 11, 285, 190};
        r->angle = (i % 4) * 90;
        r->bBrowsed = 1;
        list.Append(std::move(r));
    }
}

struct Times {
    double ours = 0;
    double replace = 0;
    double plain = 0;
};

Times Measure(int count, const std::string& folder) {
    CustomerInfo customer;
    OrderInfo info{customer};
    PhotoList list;
    FillJob(info, list, count);
    const Services machine = MachineServices();
    FileSystem& fs = machine.files;
    const std::string path = folder + "/photo.ini";
    const std::string finished = FormatPhotoIni(info, false, list);
    const int repeats = count >= 5000 ? 21 : 41;
    Times t;
    t.ours = bench::MedianSeconds(repeats,
                                  [&] { fs.ReplaceFile(path, FormatPhotoIni(info, false, list)); });
    t.replace = bench::MedianSeconds(repeats, [&] { fs.ReplaceFile(path, finished); });
    const std::string plainPath = folder + "/plain.ini";
    t.plain = bench::MedianSeconds(repeats, [&] {
        std::ofstream out(plainPath, std::ios::binary | std::ios::trunc);
        out.write(finished.data(), static_cast<std::streamsize>(finished.size()));
    });
    std::printf(
        "# photo.ini %5d photos: %8.3f ms (replace of the bytes %8.3f ms, plain write %8.3f ms, "
        "%zu bytes)\n",
        count, t.ours * 1e3, t.replace * 1e3, t.plain * 1e3, finished.size());
    return t;
}

}  // namespace
}  // namespace orelle

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
    folder += "/orelle-bench-orderfiles";
    std::filesystem::create_directories(folder);
    orelle::Times t100 = orelle::Measure(100, folder);
    orelle::Times t1000 = orelle::Measure(1000, folder);
    orelle::Times t5000 = orelle::Measure(5000, folder);
    orelle::bench::Ratio("photo_ini_5000", t5000.ours, t5000.replace);
    orelle::bench::Ratio("photo_ini_5000_vs_plain_write", t5000.ours, t5000.plain);
    // Linear growth: the time per photo at 5000 against that at 1000.
    orelle::bench::Ratio("photo_ini_per_photo_5000_vs_1000", t5000.ours / 5000, t1000.ours / 1000);
    orelle::bench::Figure("photo_ini_100_ms", t100.ours * 1e3, "ms");
    orelle::bench::Figure("photo_ini_5000_ms", t5000.ours * 1e3, "ms");
    std::filesystem::remove_all(folder);
    return 0;
}
