#include "setup/MachineProbes.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLocalSocket>

#include "platform/uploader/Uploader.h"
#include "skin/SkinLook.h"

namespace orelle {

PrinterQueue MachineProbes::DefaultPrinter() { return DefaultPrinterQueue(); }

std::string MachineProbes::ChineseFamily(const std::string& face) {
    InstallSkinFonts();
    const QString family = QFontInfo(QFont(QString::fromStdString(face))).family();
    if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese))
        return {};
    return family.toStdString();
}

bool MachineProbes::UploaderListening() {
    QLocalSocket socket;
    socket.connectToServer(QString::fromLatin1(kUploaderWindowTitle));
    // Connected and let go: the uploader reads nothing from an empty line.
    const bool listening = socket.waitForConnected(1000);
    socket.abort();
    return listening;
}

PortHolder MachineProbes::PortUse(const std::string& address, int port) {
    return WhoHoldsPort(address, port);
}

std::vector<std::string> MachineProbes::OwnAddresses() { return LocalIpv4Addresses(); }

}  // namespace orelle
