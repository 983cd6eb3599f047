#include "orderdata/PhotoTree.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <unordered_set>
#include <utility>

#include "orderdata/TextCase.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

namespace fs = std::filesystem;

struct Entry {
    std::string name;
    std::string lowerName;
    bool folder = false;
};

class TreeWalk {
  public:
    TreeWalk(const std::string& root, const std::vector<std::string>& selected) {
        std::error_code ec;
        root_ = fs::weakly_canonical(root, ec).string();
        for (const std::string& s : selected) selected_.insert(ToLowerAscii(s));
    }

    void Walk(const std::string& folder, const std::string& relative) {
        if (!tree_.tooLong.empty() || tree_.unreadable) return;
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) {
            tree_.unreadable = true;
            return;
        }
        if (!seen_.insert({st.st_dev, st.st_ino}).second) return;  // a loop of links
        std::vector<Entry> entries;
        if (!List(folder, entries)) {
            tree_.unreadable = true;
            return;
        }
        for (const Entry& e : entries) {
            if (e.lowerName == "lumora.ini" && !e.folder) return;  // an upload package
        }
        for (const Entry& e : entries) {
            if (!e.folder || e.lowerName == "lumora") continue;
            Walk(paths::Join(folder, e.name),
                 relative.empty() ? e.name : paths::Join(relative, e.name));
        }
        for (const Entry& e : entries) {
            if (e.folder) continue;
            const std::string path = paths::Join(folder, e.name);
            if (gbk::Length(path) > kMaxLoadPathBytes) {
                tree_.tooLong = path;
                return;
            }
            if (!selected_.empty() && selected_.count(ToLowerAscii(path)) == 0) continue;
            if (paths::ExtensionPart(e.lowerName) != "jpg") continue;
            tree_.photos.push_back({path, relative, e.lowerName});
        }
    }

    PhotoTree Take() { return std::move(tree_); }

  private:
    // The entries of folder worth looking at, sorted by name. Links count
    // as what they point to, and only when that lies inside the tree.
    bool List(const std::string& folder, std::vector<Entry>& entries) {
        std::error_code ec;
        fs::directory_iterator it(folder, ec), end;
        if (ec) return false;
        for (; it != end; it.increment(ec)) {
            if (ec) return false;
            const fs::directory_entry& d = *it;
            std::error_code typeError;
            const bool link = d.is_symlink(typeError);
            if (link && !InsideTree(d.path())) continue;
            const fs::file_status status = d.status(typeError);
            if (typeError) continue;  // a dangling link
            if (!fs::is_directory(status) && !fs::is_regular_file(status)) continue;
            Entry e;
            e.name = d.path().filename().string();
            e.lowerName = ToLowerAscii(e.name);
            e.folder = fs::is_directory(status);
            entries.push_back(std::move(e));
        }
        if (ec) return false;
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return true;
    }

    bool InsideTree(const fs::path& link) const {
        std::error_code ec;
        const std::string target = fs::canonical(link, ec).string();
        if (ec) return false;
        return target == root_ ||
               (target.size() > root_.size() && target.compare(0, root_.size(), root_) == 0 &&
                target[root_.size()] == paths::kSeparator);
    }

    std::string root_;
    std::unordered_set<std::string> selected_;
    std::set<std::pair<dev_t, ino_t>> seen_;
    PhotoTree tree_;
};

}  // namespace

PhotoTree FindTreePhotos(const std::string& folder, const std::vector<std::string>& selected) {
    TreeWalk walk(folder, selected);
    walk.Walk(paths::WithoutTrailingSeparator(folder), "");
    return walk.Take();
}

}  // namespace orelle
