#include <QLocalSocket>
#include <QProcess>
#include <QString>

#include "platform/paths/Paths.h"
#include "platform/uploader/Uploader.h"

namespace orelle {
namespace {

// A running uploader answers at once; a stale socket file refuses at once.
constexpr int kWaitMs = 1000;

}  // namespace

std::string UploaderLine(int message, std::int64_t wParam, std::int64_t lParam) {
    return std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam) +
           "\n";
}

LocalUploader::LocalUploader(std::string socketName, std::string programFolder)
    : socketName_(std::move(socketName)), programFolder_(std::move(programFolder)) {}

UploaderHandOff LocalUploader::NewOrder(std::int64_t wParam, std::int64_t lParam) {
    if (SendToRunning(UploaderLine(kMessageNewOrder, wParam, lParam)))
        return UploaderHandOff::kSent;
    const std::string folder = programFolder_.empty() ? paths::ProgramFolder() : programFolder_;
    const QString program = QString::fromStdString(paths::Join(folder, kUploaderProgram));
    // Started on its own, with no arguments, from its own folder.
    return QProcess::startDetached(program, {}, QString::fromStdString(folder))
               ? UploaderHandOff::kStarted
               : UploaderHandOff::kFailed;
}

bool LocalUploader::SendToRunning(const std::string& line) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName_));
    if (!socket.waitForConnected(kWaitMs)) return false;
    const qint64 size = static_cast<qint64>(line.size());
    bool sent = socket.write(line.data(), size) == size;
    while (sent && socket.bytesToWrite() > 0) sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return sent;
}

Uploader& Uploader::Default() {
    static LocalUploader uploader(kUploaderWindowTitle, {});
    return uploader;
}

}  // namespace orelle
