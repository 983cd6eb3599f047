#include "orderdata/BackupJob.h"

#include <algorithm>
#include <future>

#include "orderdata/CopyNames.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoFileKinds.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/imaging/StationCopy.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"

namespace orelle {

BackupJob::BackupJob(FileSystem& fs, DiskInfo& disks, const PrintCatalogue& catalogue,
                     std::int32_t edition)
    : fs_(fs), disks_(disks), catalogue_(catalogue), edition_(edition) {}

bool BackupJob::AddRecord(const std::string& copy, const std::string& dstName,
                          const std::string& customerPath, const RecordDefaults& defaults) {
    std::lock_guard<std::mutex> lock(madeMutex_);
    if (stop) return false;  // given up: what it made was taken
    auto record =
        CreatePhotoRecord(copy, dstName, ReadableName(customerPath), defaults, catalogue_, dirs);
    if (!record) {
        fieldTooLong = true;
        return false;
    }
    const auto given = givenNames.find(customerPath);
    if (given != givenNames.end() && FitsField(given->second, PhotoRecord::kOrigNameSize))
        record->origName = given->second;
    records.Append(std::move(record));
    return true;
}

bool BackupJob::Taken() {
    std::lock_guard<std::mutex> lock(madeMutex_);
    return taken_;
}

void BackupJob::TakeMade(PhotoList& made, DirList& madeDirs) {
    std::lock_guard<std::mutex> lock(madeMutex_);
    stop = true;
    taken_ = true;
    made.AppendFrom(records);
    for (const std::string& dir : dirs.Entries()) madeDirs.AddIfAbsent(dir);
}

namespace {

// A phone photo whose conversion was refused (damaged, or claiming a size
// far beyond any camera's): kept, but shown unreadable and not ordered.
bool Refused(const StationCopy& copy) {
    return copy.asIs && (copy.kind == PhotoKind::kHeif || copy.kind == PhotoKind::kPng);
}

// Turning and converting keep a core busy for each photo: this many are
// prepared side by side, then joined in the tree's order.
constexpr std::size_t kPreparedTogether = 2;

}  // namespace

bool BackupJob::CopyTree(const PhotoTree& tree, const std::string& workFolder, std::size_t from,
                         std::size_t to) {
    std::string made;  // the photos of a folder come one after another
    const std::vector<TreePhoto>& photos = tree.photos;
    const std::size_t last = std::min(photos.size(), to);
    for (std::size_t at = from; at < last; at += kPreparedTogether) {
        if (stop) return false;
        const std::size_t end = std::min(last, at + kPreparedTogether);
        std::vector<std::future<StationCopy>> others;
        for (std::size_t i = at + 1; i < end; ++i) {
            others.push_back(std::async(std::launch::async, &BackupJob::Prepare, this,
                                        std::cref(photos[i].source)));
        }
        std::vector<StationCopy> prepared{Prepare(photos[at].source)};
        for (std::future<StationCopy>& f : others) prepared.push_back(f.get());
        for (std::size_t i = at; i < end; ++i) {
            if (stop) return false;
            const TreePhoto& photo = photos[i];
            const StationCopy& station = prepared[i - at];
            const std::string folder =
                photo.relative.empty() ? workFolder : paths::Join(workFolder, photo.relative);
            if (folder != made) {
                if (!fs_.CreateDirectories(folder)) return false;
                made = folder;
            }
            const std::string name =
                station.IsJpeg() ? JpegCopyName(photo.copyName) : photo.copyName;
            const std::string copy = paths::Join(folder, UniqueCopyName(folder, name));
            if (!WriteCopy(station, photo.source, copy)) return false;
            // The walk lists every file once, and on a card letter case tells
            // files apart: every photo gets its record.
            const std::string copyName(paths::FileNamePart(copy));
            int& from = nextNumber_[copyName];
            RecordDefaults defaults;
            if (Refused(station)) defaults.number = 0;
            if (givenNames.count(photo.source) != 0) defaults.browsed = 1;
            if (!AddRecord(copy, GetRealNameFrom(copyName, records, from), photo.source, defaults))
                return false;
            if (step) step();
        }
    }
    // The copies are on the disk before the order files name them.
    return last < photos.size() || fs_.SyncFileSystem(workFolder);
}

std::int32_t BackupJob::CopyMade(std::int32_t from, PhotoList& into, DirList& intoDirs) {
    std::lock_guard<std::mutex> lock(madeMutex_);
    // Copies, not the records: the run names later photos against its own.
    for (std::int32_t i = from; i < records.GetSize(); ++i)
        into.Append(std::make_unique<PhotoRecord>(records.At(i)));
    for (const std::string& dir : dirs.Entries()) intoDirs.AddIfAbsent(dir);
    return records.GetSize();
}

StationCopy BackupJob::Prepare(const std::string& source) {
    if (madeCopies)
        if (std::optional<StationCopy> made = madeCopies(source)) return std::move(*made);
    return PrepareStationCopy(fs_, source);
}

bool BackupJob::WriteCopy(const StationCopy& station, const std::string& from,
                          const std::string& to) {
    return station.asIs ? fs_.CopyFile(from, to) : fs_.WriteFile(to, station.made);
}

std::string BackupJob::UniqueCopyName(const std::string& folder, const std::string& name) {
    // Names that differ only in letter case (a case-sensitive card), or
    // that became one when made safe, get numbers as repeats do.
    const std::string key = paths::Join(folder, name);
    if (copyNames_.insert(key).second) return name;
    const std::string_view extension = paths::ExtensionPart(name);
    const std::string stem =
        name.substr(0, extension.empty() ? name.size() : name.size() - extension.size() - 1);
    for (int& k = nextCopyNumber_[key];;) {
        std::string numbered = stem + "#" + std::to_string(++k);
        if (!extension.empty()) numbered += "." + std::string(extension);
        if (copyNames_.insert(paths::Join(folder, numbered)).second) return numbered;
    }
}

AppendOutcome BackupJob::CopyList(const std::vector<std::string>& files,
                                  const std::string& backupDir, std::int32_t openNumber,
                                  const RecordDefaults& defaults, const Ask& ask) {
    // The customer picked each of these files and gave it a size and a
    // count: it is ordered whether or not a page has shown it yet.
    RecordDefaults chosen = defaults;
    chosen.browsed = 1;
    AppendOutcome outcome = CopyEach(files, backupDir, openNumber, chosen, ask);
    // Its copies are on the disk before the order files name them; a run
    // given up leaves that to the caller.
    if (!Taken()) fs_.SyncFileSystem(backupDir);
    return outcome;
}

AppendOutcome BackupJob::CopyEach(const std::vector<std::string>& files,
                                  const std::string& backupDir, std::int32_t openNumber,
                                  const RecordDefaults& defaults, const Ask& ask) {
    AppendOutcome outcome;
    std::int32_t next = openNumber;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (stop) return outcome;
        const std::string& file = files[i];
        outcome.positions = static_cast<std::int32_t>(i) + 1;
        // A card's photo copied as "0.jpg" keeps its name: the append takes
        // the next number that names no file of the work folder.
        std::string number, copy;
        do {
            number = std::to_string(next++);
            copy = paths::WithTrailingSeparator(backupDir) + number + ".jpg";
        } while (fs_.FileExists(copy));
        if (gbk::Length(file) > kMaxAppendPathBytes) {
            if (!ask(kAppendTooLongQuestion)) return outcome;
            continue;
        }
        std::string used;
        bool refused = false;
        bool ok = CopyPhoto(file, copy, &used, &refused);
        if (ok) {
            RecordDefaults mine = defaults;
            if (refused) mine.number = 0;
            ok = AddRecord(used, number + ".jpg", file, mine);
            // The work folder holds no copy that no record names.
            if (!ok && used != file) fs_.RemoveFile(used);
        }
        if (!ok) {
            if (!ask(kAppendCopyFailedQuestion)) return outcome;
            continue;
        }
        if (step) step();
    }
    outcome.completed = !stop;
    return outcome;
}

bool BackupJob::CopyPhoto(const std::string& from, const std::string& to, std::string* used,
                          bool* refused) {
    const StationCopy station = Prepare(from);
    if (refused) *refused = Refused(station);
    // Only a photo the lab can take as it is may stay where it is.
    if (station.asIs && !station.turnLater && edition_ != kEditionDatabase &&
        edition_ != kEditionWeb) {
        DiskFacts facts;
        if (disks_.Query(std::string(paths::DirectoryPart(from)), &facts) && facts.fixed &&
            fs_.FileExists(from)) {
            *used = from;
            return true;
        }
    }
    *used = to;
    return WriteCopy(station, from, to);
}

}  // namespace orelle
