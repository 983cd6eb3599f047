#include "support/OrdersOnDisk.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>

#include "orderdata/UploadList.h"
#include "orderdata/UploadPackage.h"
#include "platform/files/PartialFiles.h"
#include "platform/ini/IniDocument.h"
#include "support/TempFolder.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

std::string Text(std::optional<std::string_view> value) { return std::string(value.value_or("")); }

// photo.ini of a placed order: marked placed, with this order's number and
// every record's section whole; of one not placed: not marked placed.
// Returns the placed order's photos.
int CheckPhotoIni(const fs::path& work, OrderOnDisk& order) {
    const fs::path file = work / "photo.ini";
    if (!fs::is_regular_file(file)) {
        if (order.placed) order.faults.push_back("no photo.ini");
        return 0;
    }
    const IniDocument doc = IniDocument::Parse(ReadBytes(file.string()));
    const bool marked = Text(doc.Get("orderinfo", "bSuccess")) == "1";
    if (!order.placed) {
        if (marked) order.faults.push_back("photo.ini placed, order.ini not");
        return 0;
    }
    if (!marked) order.faults.push_back("photo.ini not placed");
    if (Text(doc.Get("orderinfo", "saleddh")) != order.saleDDH)
        order.faults.push_back("photo.ini without the order number");
    const int photos = std::atoi(Text(doc.Get("photoid", "photonumb")).c_str());
    if (photos < 1) order.faults.push_back("photo.ini without photos");
    for (int i = 1; i <= photos; ++i)
        if (!doc.Get(std::to_string(i), "adddatetime"))
            order.faults.push_back("photo.ini record " + std::to_string(i) + " cut");
    return photos;
}

struct Record {
    std::string remote, local;
    std::int32_t kind = -1;
};

Record RecordAt(const std::string& bytes, std::size_t index) {
    const char* r = bytes.data() + index * kUploadRecordSize;
    Record record{std::string(r, strnlen(r, 200)), std::string(r + 200, strnlen(r + 200, 204))};
    std::memcpy(&record.kind, r + 404, 4);  // little-endian, as the machine
    return record;
}

// The upload package: both lists alike, whole records, folders first, one
// file record per photo, the list itself last.
void CheckPackage(const fs::path& work, const std::string& dateStr, int photos,
                  OrderOnDisk& order) {
    const fs::path folder = work / order.saleDDH;
    for (const char* name : {"lumora.ini", "upfile.pro", "dlfile.pro"})
        if (!fs::is_regular_file(folder / name)) order.faults.push_back(std::string("no ") + name);
    if (!order.faults.empty()) return;
    const std::string up = ReadBytes((folder / "upfile.pro").string());
    if (up != ReadBytes((folder / "dlfile.pro").string()))
        order.faults.push_back("dlfile.pro differs from upfile.pro");
    if (up.empty() || up.size() % kUploadRecordSize != 0) {
        order.faults.push_back("upfile.pro of " + std::to_string(up.size()) + " bytes");
        return;
    }
    const std::size_t count = up.size() / kUploadRecordSize;
    std::size_t files = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Record record = RecordAt(up, i);
        if (record.kind == 1) ++files;
        if (record.kind == 0 && files > 0) order.faults.push_back("a folder after the files");
        if (record.kind == 1 && !fs::is_regular_file(record.local))
            order.faults.push_back("listed file missing: " + record.local);
    }
    if (files != static_cast<std::size_t>(photos) + 1)
        order.faults.push_back("upfile.pro lists " + std::to_string(files) + " files");
    const Record last = RecordAt(up, count - 1);
    if (last.remote !=
        "/" + PackageDateFolder(order.saleDDH, dateStr) + "/" + order.saleDDH + "/dlfile.pro")
        order.faults.push_back("upfile.pro ends with " + last.remote);
}

void ReadDay(const fs::path& day, bool withPackage, OrdersOnDisk& out) {
    const IniDocument doc = IniDocument::Parse(ReadBytes((day / "order.ini").string()));
    if (!doc.Get("idcount", "idmax")) out.faults.push_back(day.string() + ": no idmax");
    for (const IniDocument::SectionRef& ref : doc.Sections()) {
        if (IniNamesEqual(ref.name, "idcount")) continue;
        const auto key = [&](std::string_view k) { return Text(doc.GetIn(ref.handle, k)); };
        OrderOnDisk order{std::string(ref.name), key("storeDDH"), key("saleDDH"),
                          key("bSuccess") == "-1"};
        if (!doc.GetIn(ref.handle, "submittime"))
            out.faults.push_back(day.string() + ": section " + order.section + " cut");
        const fs::path work = day / order.storeDDH;
        const int photos = CheckPhotoIni(work, order);
        if (order.placed && withPackage && order.faults.empty())
            CheckPackage(work, day.filename().string(), photos, order);
        out.orders.push_back(std::move(order));
    }
}

}  // namespace

int OrdersOnDisk::PlacedCount() const {
    int placed = 0;
    for (const OrderOnDisk& order : orders) placed += order.placed ? 1 : 0;
    return placed;
}

OrdersOnDisk ReadOrdersOnDisk(const std::string& backupRoot, bool withPackage) {
    OrdersOnDisk out;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(backupRoot, ec))
        if (entry.is_directory() && fs::is_regular_file(entry.path() / "order.ini"))
            ReadDay(entry.path(), withPackage, out);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(backupRoot, ec))
        if (entry.path().filename().string().starts_with(kPartialFilePrefix)) ++out.partialFiles;
    return out;
}

}  // namespace orelle::testing
