#include "orderdata/StationJob.h"

#include "orderdata/OrderTimes.h"
#include "orderdata/StationName.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/ini/IniDocument.h"
#include "platform/ini/IniText.h"
#include "platform/ini/ProfileNumber.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

class Reader {
  public:
    explicit Reader(const IniDocument& doc) : doc_(doc) {}
    std::string Text(std::string_view section, std::string_view key) const {
        const auto v = doc_.Get(section, key);
        return v ? gbk::ToUtf8(*v) : std::string();
    }
    std::int32_t Number(std::string_view section, std::string_view key, std::int32_t def) const {
        const auto v = doc_.Get(section, key);
        return v ? ParseProfileInt(*v) : def;
    }

  private:
    const IniDocument& doc_;
};

}  // namespace

std::string StationsFolder(const std::string& root) { return paths::Join(root, "stations"); }

std::string StationFolder(const std::string& root, const std::string& settingsFolder,
                          FileSystem& fs) {
    return paths::Join(StationsFolder(root), StationName(settingsFolder, fs));
}

std::string StationJobPath(const std::string& stationFolder) {
    return paths::Join(stationFolder, "job.ini");
}

std::string StationLockPath(const std::string& stationFolder) {
    return paths::Join(stationFolder, "running.lock");
}

std::string FormatStationJob(const StationJob& job) {
    IniText ini(256 + 200 * job.origins.size());
    ini.Section("job");
    ini.Key("day", job.dateStr);
    ini.Key("prefix", job.datePrefix);
    ini.Key("storeDDH", job.storeDDH);
    ini.Key("historyID", job.historyID);
    ini.Key("started", StampText(job.started));
    ini.Key("changed", StampText(job.changed));
    ini.Key("page", job.page);
    ini.Key("big", job.big);
    ini.Key("minutes", job.minutes);
    ini.Key("photos", job.photos);
    std::int64_t n = 0;
    for (const StationJob::Origin& o : job.origins) {
        ini.Section(++n);
        ini.Key("srcName", o.srcName);
        ini.Key("origName", o.origName);
        ini.Key("origDir", o.origDir);
        ini.Key("origPath", o.origPath);
        ini.Key("frameTurned", o.frameTurned);
    }
    return ini.Take();
}

std::optional<StationJob> ReadStationJob(const std::string& path, FileSystem& fs) {
    std::string bytes;
    if (!fs.ReadFile(path, &bytes)) return std::nullopt;
    const IniDocument doc = IniDocument::Parse(bytes);
    const Reader r(doc);
    StationJob job;
    job.dateStr = r.Text("job", "day");
    job.datePrefix = r.Text("job", "prefix");
    job.storeDDH = r.Text("job", "storeDDH");
    const auto started = ParseStamp(r.Text("job", "started"));
    const auto changed = ParseStamp(r.Text("job", "changed"));
    if (job.dateStr.empty() || job.storeDDH.empty() || !started || !changed) return std::nullopt;
    job.started = *started;
    job.changed = *changed;
    job.historyID = r.Number("job", "historyID", 0);
    job.page = r.Number("job", "page", 0);
    job.big = r.Number("job", "big", -1);
    job.minutes = r.Number("job", "minutes", 0);
    job.photos = r.Number("job", "photos", 0);
    for (std::int32_t i = 1; i <= job.photos; ++i) {
        const std::string s = std::to_string(i);
        if (!doc.HasSection(s)) break;
        job.origins.push_back({r.Text(s, "srcName"), r.Text(s, "origName"), r.Text(s, "origDir"),
                               r.Text(s, "origPath"), r.Number(s, "frameTurned", 0)});
    }
    return job;
}

bool WriteStationJob(const std::string& path, const StationJob& job, FileSystem& fs, bool flush) {
    return fs.CreateDirectories(std::string(paths::DirectoryPart(path))) &&
           fs.ReplaceFile(path, FormatStationJob(job)) && (!flush || fs.SyncFileSystem(path));
}

}  // namespace orelle
