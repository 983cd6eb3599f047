#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace orelle {
namespace {

constexpr int kStarted = 33;
constexpr int kFileNotFound = 2;  // SE_ERR_FNF

class DesktopShell : public Shell {
  public:
    int Open(const std::string& address, int) override {
        const QUrl url(QString::fromStdString(address));
        return url.isValid() && QDesktopServices::openUrl(url) ? kStarted : kFileNotFound;
    }

    int Run(const std::string& commandLine, int) override {
        QStringList args = QProcess::splitCommand(QString::fromStdString(commandLine));
        if (args.isEmpty()) return kFileNotFound;
        const QString program = args.takeFirst();
        return QProcess::startDetached(program, args) ? kStarted : kFileNotFound;
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
