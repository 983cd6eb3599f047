#pragma once
// Reads printed codes back the way a counter's scanner would: zbarimg on an
// image file, pdftoppm first for a PDF page.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <string>

namespace orelle::testing {

inline bool HaveCodeTools() {
    return !QStandardPaths::findExecutable("zbarimg").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// Every code zbarimg finds in the image, one a line, without its kind.
inline std::string ReadCodes(const std::string& imagePath) {
    QProcess p;
    p.start(QStringLiteral("zbarimg"),
            {QStringLiteral("--raw"), QStringLiteral("-q"), QString::fromStdString(imagePath)});
    if (!p.waitForFinished(60000)) return "(zbarimg hangs)";
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().toStdString();
}

inline std::string ReadCodes(const QImage& image, const std::string& pngPath) {
    return image.save(QString::fromStdString(pngPath)) ? ReadCodes(pngPath) : "(not saved)";
}

// The codes on the PDF's first page, rendered at 200 dpi.
inline std::string ReadPdfCodes(const std::string& pdf) {
    QProcess p;
    const QString stem = QString::fromStdString(pdf + "-page");
    p.start(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-f"), QStringLiteral("1"),
         QStringLiteral("-singlefile"), QStringLiteral("-png"), QString::fromStdString(pdf), stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return "(pdftoppm failed)";
    return ReadCodes((stem + ".png").toStdString());
}

}  // namespace orelle::testing
