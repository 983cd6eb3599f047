#include "support/PowerCutFiles.h"

#include "platform/paths/Paths.h"

namespace orelle::testing {
namespace {

std::string Parent(const std::string& path) {
    return std::string(paths::DirectoryPart(paths::WithoutTrailingSeparator(path)));
}

std::set<std::string> AllFiles(const MemoryFileSystem& fs) {
    std::set<std::string> out;
    for (const auto& [path, bytes] : fs.files) out.insert(path);
    return out;
}

}  // namespace

PowerCutFiles::PowerCutFiles(MemoryFileSystem& inner, int at)
    : live_(inner), disk_(inner), flushed_(AllFiles(inner)), at_(at) {}

bool PowerCutFiles::Step(const std::function<bool()>& change, const std::string& path,
                         bool flushed) {
    if (afterCut) throw PowerCut{};
    const bool ok = change();
    if (ok && !path.empty()) {
        if (flushed) flushed_.insert(path);
        else flushed_.erase(path);
    }
    if (++steps_ == at_) {
        afterCut.emplace();
        for (const std::string& dir : disk_.dirs)  // a parent sorts before its children
            if (Parent(dir).empty() || afterCut->dirs.count(Parent(dir))) afterCut->dirs.insert(dir);
        for (const auto& [file, bytes] : disk_.files)
            if (Parent(file).empty() || afterCut->dirs.count(Parent(file))) afterCut->files[file] = bytes;
    }
    return ok;
}

void PowerCutFiles::KeepNames(const std::string& folder) {
    const std::string key = paths::WithoutTrailingSeparator(folder);
    auto in = [&key](const std::string& path) { return Parent(path) == key; };
    std::vector<std::string> gone;
    for (const auto& [path, bytes] : disk_.files)
        if (in(path) && !live_.files.count(path)) gone.push_back(path);
    for (const std::string& dir : disk_.dirs)
        if (in(dir) && !live_.dirs.count(dir)) gone.push_back(dir);
    for (const std::string& path : gone) disk_.RemoveTree(path);
    for (const auto& [path, bytes] : live_.files)
        if (in(path)) disk_.files[path] = flushed_.count(path) ? bytes : std::string();
    for (const std::string& dir : live_.dirs)
        if (in(dir)) disk_.dirs.insert(dir);
}

bool PowerCutFiles::ReplaceFile(const std::string& p, std::string_view c) {
    return Step([&] {
        if (!live_.ReplaceFile(p, c)) return false;
        flushed_.insert(p);
        KeepNames(Parent(p));
        return true;
    });
}
bool PowerCutFiles::WriteFile(const std::string& p, std::string_view c) {
    return Step([&] { return live_.ReplaceFile(p, c); }, p);
}
bool PowerCutFiles::CreateDirectories(const std::string& p) {
    return Step([&] { return live_.CreateDirectories(p); });
}
bool PowerCutFiles::RemoveFile(const std::string& p) {
    return Step([&] { return live_.RemoveFile(p); }, p);
}
bool PowerCutFiles::CopyNewFile(const std::string& f, const std::string& t) {
    return Step([&] { return live_.CopyNewFile(f, t); }, t, true);
}
bool PowerCutFiles::CopyFile(const std::string& f, const std::string& t) {
    return Step([&] { return live_.CopyFile(f, t); }, t);
}
bool PowerCutFiles::RemoveTree(const std::string& p) {
    return Step([&] { return live_.RemoveTree(p); });
}
bool PowerCutFiles::SyncFileSystem(const std::string&) {
    return Step([&] {
        disk_ = live_;
        flushed_ = AllFiles(live_);
        return true;
    });
}
bool PowerCutFiles::SyncFolder(const std::string& p) {
    return Step([&] { return KeepNames(p), true; });
}

}  // namespace orelle::testing
