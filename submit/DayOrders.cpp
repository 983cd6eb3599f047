#include "submit/DayOrders.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "orderdata/DayIndex.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/text/JsonString.h"
#include "submit/BackOfficeRecord.h"

namespace orelle {
namespace {

std::string Value(const IniDocument& ini, std::size_t handle, std::string_view key) {
    const auto v = ini.GetIn(handle, key);
    return v ? gbk::ToUtf8(*v) : std::string();
}

std::string PaddedTime(const std::string& submitTime) {
    int h = 0, m = 0, s = 0;
    if (std::sscanf(submitTime.c_str(), "%d:%d:%d", &h, &m, &s) != 3) return submitTime;
    char out[16];
    std::snprintf(out, sizeof out, "%02d:%02d:%02d", h % 100, m % 100, s % 100);
    return out;
}

// The member and the prints by size of the job file.
void ReadJobFile(const std::string& path, FileSystem& fs, const PrintCatalogue& catalogue,
                 DayOrder& order) {
    std::string bytes;
    if (!fs.ReadFile(path, &bytes)) return;
    const IniDocument ini = IniDocument::Parse(bytes);
    for (const IniDocument::SectionRef& s : ini.Sections()) {
        if (s.name == "orderinfo") order.member = Value(ini, s.handle, "user");
        const int number = std::atoi(Value(ini, s.handle, "number").c_str());
        if (Value(ini, s.handle, "bBrowsed") != "1" || number < 1) continue;
        std::string size = catalogue.GetName(std::atoi(Value(ini, s.handle, "specIndex").c_str()));
        if (size.empty()) size = Value(ini, s.handle, "productID");
        auto it = order.prints.begin();
        while (it != order.prints.end() && it->first != size) ++it;
        if (it == order.prints.end()) {
            order.prints.emplace_back(size, number);
        } else {
            it->second += number;
        }
    }
}

std::string OrNone(const std::string& text) { return text.empty() ? "-" : text; }

}  // namespace

std::optional<std::vector<DayOrder>> ReadDayOrders(const OrderPaths& paths, FileSystem& fs,
                                                   const PrintCatalogue& catalogue) {
    std::string bytes;
    {
        const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
        if (!lock) return std::nullopt;
        if (!fs.ReadFile(paths.OrderIni(), &bytes)) return std::vector<DayOrder>{};
    }
    std::vector<DayOrder> orders;
    for (DayEntry& e : DayEntries(IniDocument::Parse(bytes))) {
        if (e.job.empty()) continue;  // [idcount]
        DayOrder order;
        order.localNumber = std::move(e.job);
        order.historyID = std::move(e.section);
        order.backOfficeNumber = gbk::ToUtf8(e.saleDDH);
        order.time = PaddedTime(gbk::ToUtf8(e.submitTime));
        order.placed = e.marked;
        order.folder = paths.WorkFolder(order.localNumber);
        ReadJobFile(paths.PhotoIni(order.localNumber), fs, catalogue, order);
        const std::optional<OrderOutcome> kept =
            BackOfficeRecord(fs, order.folder).AcceptedOrder(order.member);
        if (kept && !order.placed) {
            order.keptNotWritten = true;
            if (order.backOfficeNumber.empty()) order.backOfficeNumber = kept->orderNumber;
        }
        orders.push_back(std::move(order));
    }
    return orders;
}

std::string PlainNumber(const std::string& typed) {
    std::string out;
    for (const char c : typed)
        if (std::isalnum(static_cast<unsigned char>(c))) out += c;
    return out;
}

const DayOrder* FindOrder(const std::vector<DayOrder>& orders, const std::string& number) {
    const std::string plain = PlainNumber(number);
    if (plain.empty()) return nullptr;
    for (const DayOrder& o : orders)
        if (o.localNumber == plain || o.backOfficeNumber == plain) return &o;
    return nullptr;
}

std::string OrderLine(const DayOrder& o) {
    std::string prints;
    for (const auto& [size, count] : o.prints)
        prints += (prints.empty() ? "" : ", ") + size + " x" + std::to_string(count);
    std::string state = o.placed ? "placed" : "not placed";
    if (o.keptNotWritten) state += ", back office took it, files not written";
    return o.localNumber + "  " + OrNone(o.backOfficeNumber) + "  " + OrNone(o.time) + "  member " +
           OrNone(o.member) + "  " + (prints.empty() ? "no prints" : prints) + "  " + state;
}

std::string OrderJson(const DayOrder& o) {
    std::string prints;
    for (const auto& [size, count] : o.prints)
        prints += (prints.empty() ? "" : ",") + std::string("{\"size\":") + text::JsonString(size) +
                  ",\"count\":" + std::to_string(count) + "}";
    return "{\"number\":" + text::JsonString(o.localNumber) +
           ",\"backOfficeNumber\":" + text::JsonString(o.backOfficeNumber) +
           ",\"historyID\":" + text::JsonString(o.historyID) +
           ",\"time\":" + text::JsonString(o.time) + ",\"member\":" + text::JsonString(o.member) +
           ",\"prints\":[" + prints + "],\"placed\":" + (o.placed ? "true" : "false") +
           ",\"keptNotWritten\":" + (o.keptNotWritten ? "true" : "false") +
           ",\"folder\":" + text::JsonString(o.folder) + "}";
}

}  // namespace orelle
