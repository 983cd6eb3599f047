#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace orelle {
namespace {

constexpr int kStarted = 33;
constexpr int kFileNotFound = 2;  // SE_ERR_FNF

#ifndef _WIN32
// How long a started program may take to say that it failed. xdg-open
// without any browser ends at once with an error; a browser it starts may
// keep it running.
constexpr int kWatchMs = 1000;

// Starts the program and watches it for a moment: a program that ends with
// an error meanwhile did not open anything. One still running is left to
// run; its process object goes when it ends.
int StartWatched(const QString& program, const QStringList& args) {
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(args);
    // Nobody reads its output: it must never fill a pipe and stall.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->start();
    if (!process->waitForStarted(kWatchMs)) {
        delete process;
        return kFileNotFound;
    }
    if (!process->waitForFinished(kWatchMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return kStarted;
    }
    const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return ok ? kStarted : kFileNotFound;
}
#endif

class DesktopShell : public Shell {
  public:
    int Open(const std::string& address, int) override {
        const QUrl url(QString::fromStdString(address));
        if (!url.isValid()) return kFileNotFound;
#ifdef _WIN32
        return QDesktopServices::openUrl(url) ? kStarted : kFileNotFound;
#else
        // Qt's own open reports success as soon as xdg-open starts, even
        // when no browser is found: the customer would see nothing.
        return StartWatched(QStringLiteral("xdg-open"), {url.toString()});
#endif
    }

    int Run(const std::string& commandLine, int) override {
        QStringList args = QProcess::splitCommand(QString::fromStdString(commandLine));
        if (args.isEmpty()) return kFileNotFound;
        const QString program = args.takeFirst();
#ifdef _WIN32
        return QProcess::startDetached(program, args) ? kStarted : kFileNotFound;
#else
        return StartWatched(program, args);
#endif
    }
};

}  // namespace

Shell& Shell::Default() {
    static DesktopShell shell;
    return shell;
}

std::string FallbackBrowserCommand() {
#ifdef _WIN32
    return "C:\\Program Files\\Internet Explorer\\iexplore.exe -nohome ";
#else
    return "xdg-open ";
#endif
}

}  // namespace orelle
