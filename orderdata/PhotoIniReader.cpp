#include "orderdata/PhotoIniReader.h"

#include <map>

#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/ProfileNumber.h"

namespace orelle {
namespace {

class Section {
  public:
    Section(const IniDocument& doc, std::size_t handle) : doc_(doc), handle_(handle) {}
    std::string Text(std::string_view key) const {
        const auto v = doc_.GetIn(handle_, key);
        return v ? gbk::ToUtf8(*v) : std::string();
    }
    std::int32_t Number(std::string_view key) const {
        const auto v = doc_.GetIn(handle_, key);
        return v ? ParseProfileInt(*v) : 0;
    }

  private:
    const IniDocument& doc_;
    std::size_t handle_;
};

std::unique_ptr<PhotoRecord> ReadRecord(const Section& s) {
    auto r = std::make_unique<PhotoRecord>();
    r->srcName = s.Text("srcName");
    r->dstName = s.Text("dstName");
    const std::string ffname = s.Text("ffname");
    const std::size_t plus = ffname.find('+');
    r->origName = plus == std::string::npos ? ffname : ffname.substr(plus + 1);
    r->origDir = plus == std::string::npos ? std::string() : ffname.substr(0, plus);
    r->operate = s.Number("operate");
    r->number = s.Number("number");
    r->rcDst = {s.Number("rcDstLeft"), s.Number("rcDstTop"), s.Number("rcDstWidth"),
                s.Number("rcDstHeight")};
    r->offsetSZX = s.Number("offsetSZX");
    r->offsetSZY = s.Number("offsetSZY");
    r->scale = s.Number("scale");
    r->angle = s.Number("angle");
    r->bBrowsed = s.Number("bBrowsed");
    r->productID = s.Text("productID");
    r->autoadj = s.Number("autoadj");
    r->specIndex = s.Number("specIndex");
    r->exoch = s.Number("exoch");
    r->adddatetime = s.Number("adddatetime");
    return r;
}

}  // namespace

std::optional<PhotoIniContent> ParsePhotoIni(std::string_view bytes) {
    const IniDocument doc = IniDocument::Parse(bytes);
    if (!doc.HasSection("orderinfo")) return std::nullopt;
    PhotoIniContent c;
    std::optional<std::size_t> header;
    std::map<std::string_view, std::size_t> numbered;  // the first of a name
    for (const IniDocument::SectionRef& ref : doc.Sections()) {
        if (!header && IniNamesEqual(ref.name, "orderinfo")) header = ref.handle;
        numbered.emplace(ref.name, ref.handle);
    }
    const Section info(doc, *header);
    c.placed = info.Number("bSuccess") == 1;
    c.saleDDH = info.Text("saleddh");
    c.backupDir = info.Text("backupDir");
    c.frate = info.Number("frate");
    const std::int32_t count = ParseProfileInt(doc.Get("photoid", "photonumb").value_or("0"));
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto found = numbered.find(std::to_string(i));
        if (found == numbered.end()) return std::nullopt;
        const Section s(doc, found->second);
        if (i == 1) c.historyID = s.Number("historyID");
        c.records.push_back(ReadRecord(s));
    }
    return c;
}

}  // namespace orelle
