#include "stores/StoreList.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileNumber.h"

namespace orelle {
namespace {

// A missing text, as the station reads it.
constexpr std::string_view kBlank = " ";

// The number "%d" would print as the rest of name after prefix; 0 when
// name is no such number.
std::int64_t NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || !IniNamesEqual(name.substr(0, prefix.size()), prefix))
        return 0;
    std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 10 || digits.front() < '1' || digits.front() > '9') return 0;
    std::int64_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

class Reader {
  public:
    explicit Reader(std::string_view bytes)
        : doc_(IniDocument::Parse(bytes)), sections_(doc_.Sections()) {}

    // The handles of the sections prefix1 .. prefix<count>, in number order;
    // the first section of a name wins.
    std::vector<std::size_t> Numbered(std::string_view prefix, std::int32_t count) const {
        std::vector<std::pair<std::int64_t, std::size_t>> found;
        for (const IniDocument::SectionRef& s : sections_) {
            const std::int64_t n = NumberAfter(s.name, prefix);
            if (n >= 1 && n <= count) found.emplace_back(n, s.handle);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::size_t> handles;
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (i > 0 && found[i].first == found[i - 1].first) continue;
            handles.push_back(found[i].second);
        }
        return handles;
    }

    std::int32_t Count(std::string_view section) const {
        const auto v = doc_.Get(section, "count");
        return v ? ParseProfileInt(*v) : 0;
    }

    // The text cut to bufferSize - 1 GBK bytes; a blank when missing.
    std::string Text(std::size_t handle, std::string_view key, std::size_t bufferSize) const {
        return Cut(doc_.GetIn(handle, key), bufferSize);
    }
    std::string Text(std::string_view section, std::string_view key, std::size_t bufferSize) const {
        return Cut(doc_.Get(section, key), bufferSize);
    }

  private:
    static std::string Cut(std::optional<std::string_view> v, std::size_t bufferSize) {
        if (!v) return std::string(kBlank);
        return gbk::ToUtf8(v->substr(0, gbk::CutPoint(*v, bufferSize - 1)));
    }

    IniDocument doc_;
    std::vector<IniDocument::SectionRef> sections_;
};

}  // namespace

StoreList ParseStoreList(std::string_view gbkBytes) {
    const Reader r(gbkBytes);
    StoreList list;
    list.notify = r.Text("storecount", "notify", 260);
    for (std::size_t h : r.Numbered("", r.Count("storecount"))) {
        PickupPoint p;
        p.serid = r.Text(h, "serid", 8);
        if (p.serid == kBlank || p.serid == "-1") continue;
        p.storename = r.Text(h, "storename", 52);
        p.storeaddr = r.Text(h, "storeaddr", 100);
        p.storetel = r.Text(h, "storetel", 16);
        p.streetcode = r.Text(h, "streetcode", 8);
        list.points.push_back(std::move(p));
    }
    for (std::size_t h : r.Numbered("town", r.Count("towncount"))) {
        list.towns.push_back({r.Text(h, "code", 8), r.Text(h, "town", 32)});
    }
    for (std::size_t h : r.Numbered("street", r.Count("streetcount"))) {
        list.streets.push_back(
            {r.Text(h, "code", 8), r.Text(h, "street", 32), r.Text(h, "towncode", 8)});
    }
    return list;
}

std::vector<std::size_t> StoreList::StreetsOf(std::size_t town) const {
    std::vector<std::size_t> out;
    if (town >= towns.size()) return out;
    for (std::size_t i = 0; i < streets.size(); ++i) {
        if (streets[i].towncode == towns[town].code) out.push_back(i);
    }
    return out;
}

std::vector<std::size_t> StoreList::PointsOf(std::string_view streetCode) const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].streetcode == streetCode) out.push_back(i);
    }
    return out;
}

}  // namespace orelle
