#include "orderdata/PhotoTree.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "orderdata/CopyNames.h"
#include "orderdata/PhotoFileKinds.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// What every resolved path inside the folder starts with; empty when the
// folder cannot be resolved, so that nothing is inside.
std::string Inside(const std::string& resolved) {
    return resolved.empty() ? resolved : paths::WithTrailingSeparator(resolved);
}

struct Entry {
    std::string name;
    std::string lowerName;
    bool folder = false;
    std::uint64_t bytes = 0;
};

class TreeWalk {
  public:
    TreeWalk(FileSystem& fs, const std::string& root, const std::vector<std::string>& selected)
        : fs_(fs), rootInside_(Inside(fs.ResolvedPath(root))) {
        for (const std::string& s : selected) selected_.insert(ToLowerAscii(s));
    }

    void Walk(const std::string& folder, const std::string& relative) {
        if (tree_.unreadable) return;
        // Links make several paths lead to one folder; its resolved path
        // is the folder itself.
        const std::string identity = fs_.ResolvedPath(folder);
        if (identity.empty()) {
            tree_.unreadable = true;
            return;
        }
        if (!seen_.insert(identity).second) return;  // a loop of links
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
            const std::string copyFolder = LabSafeName(ReadableName(e.name));
            Walk(paths::Join(folder, e.name),
                 relative.empty() ? copyFolder : paths::Join(relative, copyFolder));
        }
        for (const Entry& e : entries) {
            if (e.folder) continue;
            const std::string path = paths::Join(folder, e.name);
            // The walk goes on past it: the photos are counted first.
            if (tree_.tooLong.empty() && gbk::Length(path) > kMaxLoadPathBytes)
                tree_.tooLong = path;
            if (!selected_.empty() && selected_.count(ToLowerAscii(path)) == 0) continue;
            if (!IsPhotoName(e.lowerName)) continue;
            tree_.photos.push_back(
                {path, relative, ToLowerAscii(LabSafeName(ReadableName(e.name))), e.bytes});
            tree_.photoBytes += CopyBytesAtMost(e.lowerName, e.bytes);
        }
    }

    PhotoTree Take() { return std::move(tree_); }

  private:
    // The entries of folder worth looking at, sorted by name. Links count
    // only when they lead inside the tree.
    bool List(const std::string& folder, std::vector<Entry>& entries) {
        std::vector<FolderEntry> found;
        if (!fs_.ListFolder(folder, &found)) return false;
        for (FolderEntry& f : found) {
            if (f.link && !InsideTree(paths::Join(folder, f.name))) continue;
            std::string lowerName = ToLowerAscii(f.name);
            entries.push_back({std::move(f.name), std::move(lowerName), f.folder, f.bytes});
        }
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return true;
    }

    bool InsideTree(const std::string& link) {
        const std::string target = Inside(fs_.ResolvedPath(link));
        return !target.empty() && !rootInside_.empty() &&
               target.compare(0, rootInside_.size(), rootInside_) == 0;
    }

    FileSystem& fs_;
    const std::string rootInside_;
    std::unordered_set<std::string> selected_;
    std::unordered_set<std::string> seen_;
    PhotoTree tree_;
};

}  // namespace

PhotoTree FindTreePhotos(FileSystem& fs, const std::string& folder,
                         const std::vector<std::string>& selected) {
    TreeWalk walk(fs, folder, selected);
    walk.Walk(paths::WithoutTrailingSeparator(folder), "");
    return walk.Take();
}

}  // namespace orelle
