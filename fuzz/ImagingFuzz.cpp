// Any bytes into the readers that see files from customers' cards.

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/imaging/PictureFile.h"
#include "platform/imaging/ShotDate.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Plugin paths come from the application; loading the plugins once here
    // keeps their caches out of the first input's allocations.
    static QCoreApplication app(*argc, *argv);
    // Decoder complaints about damaged input are the expected case here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QByteArray none;
    QBuffer buffer(&none);
    orelle::ReadPixelSize(buffer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    QByteArray array = QByteArray::fromRawData(bytes, static_cast<qsizetype>(size));
    QBuffer buffer(&array);
    orelle::ReadPixelSize(buffer);
    orelle::ReadShotDateFromBytes(std::string_view(bytes, size));
    return 0;
}
