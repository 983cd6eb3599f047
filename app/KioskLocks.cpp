#include "KioskLocks.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace orelle::app {
namespace {

constexpr const char* kCopyPrefix = "orelle-settings-";
constexpr const char* kCopyLock = ".owner.lock";

// The kernel's lock, not a process number in a file: the kernel drops it
// when its kiosk ends however it ends, and a number that a killed kiosk
// leaves may come to another kiosk, which holds nothing. Null, with held
// set, while another holds it.
std::unique_ptr<HeldLock> TryLock(const QString& path, bool* held) {
    *held = false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        *held = errno == EWOULDBLOCK;
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<HeldLock>(fd);
}

QTemporaryDir MakeCopyFolder() {
    const QDir temp(QDir::tempPath());
    for (const QFileInfo& left : temp.entryInfoList({QString::fromLatin1(kCopyPrefix) + "*"},
                                                    QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString lockPath = left.filePath() + "/" + kCopyLock;
        if (!QFileInfo::exists(lockPath)) continue;  // not made yet, or not ours
        bool held = false;
        if (TryLock(lockPath, &held)) QDir(left.filePath()).removeRecursively();
    }
    // QTemporaryDir makes it readable by its owner only (0700).
    return QTemporaryDir(temp.filePath(QString::fromLatin1(kCopyPrefix) + "XXXXXX"));
}

}  // namespace

HeldLock::~HeldLock() { ::close(fd_); }

StationLock::StationLock(const std::string& settingsFolder) {
    const QDir folder(QString::fromStdString(settingsFolder));
    lock_ = TryLock(folder.filePath("orelle-kiosk.lock"), &heldElsewhere_);
    if (!lock_ && !heldElsewhere_) {
        // An installed station's settings are read-only to it: the lock of
        // that folder lives in the temporary folder, named by the folder.
        const QByteArray key =
            QCryptographicHash::hash(folder.absolutePath().toUtf8(), QCryptographicHash::Sha1)
                .toHex()
                .left(16);
        lock_ = TryLock(
            QDir(QDir::tempPath()).filePath("orelle-kiosk-" + QString::fromLatin1(key) + ".lock"),
            &heldElsewhere_);
    }
}

PrivateFolder::PrivateFolder() : dir_(MakeCopyFolder()) {
    bool held = false;
    if (dir_.isValid()) lock_ = TryLock(dir_.filePath(QString::fromLatin1(kCopyLock)), &held);
}

}  // namespace orelle::app
