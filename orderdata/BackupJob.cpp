#include "orderdata/BackupJob.h"

#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/PhotoTree.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"

namespace orelle {

BackupJob::BackupJob(FileSystem& fs, DiskInfo& disks, const PrintCatalogue& catalogue,
                     std::int32_t edition)
    : fs_(fs), disks_(disks), catalogue_(catalogue), edition_(edition) {}

bool BackupJob::AddRecord(const std::string& copy, const std::string& dstName,
                          const std::string& customerPath, const RecordDefaults& defaults) {
    auto record = CreatePhotoRecord(copy, dstName, customerPath, defaults, catalogue_, dirs);
    if (!record) return false;  // a text longer than its field
    records.Append(std::move(record));
    return true;
}

bool BackupJob::CopyTree(const PhotoTree& tree, const std::string& workFolder) {
    std::string made;  // the photos of a folder come one after another
    for (const TreePhoto& photo : tree.photos) {
        if (stop) return false;
        const std::string folder =
            photo.relative.empty() ? workFolder : paths::Join(workFolder, photo.relative);
        if (folder != made) {
            if (!fs_.CreateDirectories(folder)) return false;
            made = folder;
        }
        const std::string copy = paths::Join(folder, photo.lowerName);
        if (!fs_.CopyFile(photo.source, copy)) return false;
        if (!records.ContainsCustomerFile(photo.source)) {
            int& from = nextNumber_[photo.lowerName];
            if (!AddRecord(copy, GetRealNameFrom(photo.lowerName, records, from), photo.source,
                           RecordDefaults{}))
                return false;
        }
        if (step) step();
    }
    return true;
}

AppendOutcome BackupJob::CopyList(const std::vector<std::string>& files,
                                  const std::string& backupDir, std::int32_t openNumber,
                                  const RecordDefaults& defaults, const PhotoList& existing,
                                  const Ask& ask) {
    AppendOutcome outcome;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (stop) return outcome;
        const std::string& file = files[i];
        outcome.positions = static_cast<std::int32_t>(i) + 1;
        const std::string number = std::to_string(openNumber + static_cast<std::int32_t>(i));
        const std::string copy = paths::WithTrailingSeparator(backupDir) + number + ".jpg";
        if (gbk::Length(file) > kMaxAppendPathBytes) {
            if (!ask(kAppendTooLongQuestion)) return outcome;
            continue;
        }
        std::string used;
        bool ok = CopyPhoto(file, copy, &used);
        if (ok && !existing.ContainsCustomerFile(file) && !records.ContainsCustomerFile(file))
            ok = AddRecord(used, number + ".jpg", file, defaults);
        if (!ok) {
            if (!ask(kAppendCopyFailedQuestion)) return outcome;
            continue;
        }
        if (step) step();
    }
    outcome.completed = !stop;
    return outcome;
}

bool BackupJob::CopyPhoto(const std::string& from, const std::string& to, std::string* used) {
    if (edition_ != kEditionDatabase && edition_ != kEditionWeb) {
        DiskFacts facts;
        if (disks_.Query(std::string(paths::DirectoryPart(from)), &facts) && facts.fixed &&
            fs_.FileExists(from)) {
            *used = from;
            return true;
        }
    }
    *used = to;
    return fs_.CopyFile(from, to);
}

}  // namespace orelle
