#include "KioskLocks.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace orelle::app {
namespace {

constexpr const char* kCopyPrefix = "orelle-settings-";
constexpr const char* kCopyLock = ".owner.lock";

// A lock whose owner died is stale whatever its age; a live one is never.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

QTemporaryDir MakeCopyFolder() {
    const QDir temp(QDir::tempPath());
    for (const QFileInfo& left : temp.entryInfoList({QString::fromLatin1(kCopyPrefix) + "*"},
                                                    QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString lockPath = left.filePath() + "/" + kCopyLock;
        if (!QFileInfo::exists(lockPath)) continue;  // not made yet, or not ours
        if (auto lock = TryLock(lockPath)) {
            lock->unlock();
            QDir(left.filePath()).removeRecursively();
        }
    }
    // QTemporaryDir makes it readable by its owner only (0700).
    return QTemporaryDir(temp.filePath(QString::fromLatin1(kCopyPrefix) + "XXXXXX"));
}

}  // namespace

StationLock::StationLock(const std::string& settingsFolder) {
    const QDir folder(QString::fromStdString(settingsFolder));
    auto lock = std::make_unique<QLockFile>(folder.filePath("orelle-kiosk.lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() != QLockFile::LockFailedError) {
        // An installed station's settings are read-only to it: the lock of
        // that folder lives in the temporary folder, named by the folder.
        const QByteArray key = QCryptographicHash::hash(
            folder.absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        lock = std::make_unique<QLockFile>(
            QDir(QDir::tempPath()).filePath("orelle-kiosk-" + QString::fromLatin1(key) + ".lock"));
        lock->setStaleLockTime(0);
        lock->tryLock(0);
    }
    if (lock->error() == QLockFile::NoError) {
        lock_ = std::move(lock);
    } else {
        heldElsewhere_ = lock->error() == QLockFile::LockFailedError;
    }
}

PrivateFolder::PrivateFolder() : dir_(MakeCopyFolder()) {
    if (dir_.isValid()) lock_ = TryLock(dir_.filePath(QString::fromLatin1(kCopyLock)));
}

}  // namespace orelle::app
