#include "QtChatter.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace orelle::app {
namespace {

QtMessageHandler gPassOn = nullptr;

void DropPlatformChatter(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) return;
    if (gPassOn) gPassOn(type, context, message);
}

}  // namespace

void QuietQtChatter() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // The folder and the rights Qt itself would give it.
        QString user = qEnvironmentVariable("USER");
        if (user.isEmpty()) user = QStringLiteral("orelle");
        const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + user;
        const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                       QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        if (QDir().mkpath(folder) && QFile::setPermissions(folder, own))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    }
    gPassOn = qInstallMessageHandler(DropPlatformChatter);
}

}  // namespace orelle::app
