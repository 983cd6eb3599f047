// Any bytes into the readers that see files from customers' cards.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/ShotDate.h"
#include "platform/imaging/StationCopy.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Plugin paths come from the application; loading the plugins once here
    // keeps their caches out of the first input's allocations.
    static QCoreApplication app(*argc, *argv);
    // Decoder complaints about damaged input are the expected case here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    orelle::PixelSizeFromBytes(bytes);
    orelle::ReadShotDateFromBytes(bytes);
    // Every reduction the cells ask for.
    for (int level = 0; level <= 2; ++level) orelle::DecodeReducedFromBytes(bytes, level);
    // The station's own copy: turning, and the phones' formats.
    orelle::StationCopyFromBytes(bytes);
    // A PNG photo decoded whole, as a turned one is for its copy.
    orelle::DecodePng(bytes);
    return 0;
}
